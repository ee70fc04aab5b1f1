// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/SearchKey.h"

QString SearchKey::Fold(const QString& text) {
    bool isAscii = true;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80) {
            isAscii = false;
            break;
        }
    }
    // Most words of most lists need no decomposition, which costs far more than the rest.
    if (isAscii) return text.toLower();
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        const QChar::Category category = ch.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing)
            folded.append(ch);
    }
    return folded.toCaseFolded();
}
