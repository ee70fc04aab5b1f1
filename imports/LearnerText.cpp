// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/LearnerText.h"

#include <QCoreApplication>

#include "translations/Translations.h"

std::string LearnerText::Filled(const QString& pattern, std::initializer_list<std::string> args) {
    const std::string text = pattern.toStdString();
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? size_t(text[i + 1] - '0') : 0;
        if (text[i] == '%' && number >= 1 && number <= 9 && number <= args.size()) {
            filled += *(args.begin() + (number - 1));
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

std::string LearnerText::Counted(const char* context, const char* source, uint64_t count,
                                 const std::string& english) {
    if (!Translations::Active()) return english;
    return QCoreApplication::translate(context, source, nullptr, int(count)).toStdString();
}
