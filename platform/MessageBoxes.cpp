// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBoxes.h"

#include "platform/DialogIds.h"
#include "platform/Win1252.h"

#include <QMessageBox>

int MessageBoxes::ShowUnicode(QWidget* owner, const QString& text, const QString& caption,
                              Buttons buttons, Icon icon) {
    return Show(owner, UnicodeToWin1252(text), UnicodeToWin1252(caption), buttons, icon);
}

int QtMessageBoxes::Show(QWidget* owner, const std::string& text, const std::string& caption,
                         Buttons buttons, Icon icon) {
    return ShowUnicode(owner, Win1252ToUnicode(text), Win1252ToUnicode(caption), buttons, icon);
}

int QtMessageBoxes::ShowUnicode(QWidget* owner, const QString& text, const QString& caption,
                                Buttons buttons, Icon icon) {
    QMessageBox box(owner);
    box.setWindowTitle(caption);
    box.setText(text);
    // The texts name lists, files and words, which are never markup.
    box.setTextFormat(Qt::PlainText);
    switch (icon) {
        case Icon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case Icon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        case Icon::Question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    if (buttons == Buttons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? IDYES : IDNO;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return IDOK;
}
