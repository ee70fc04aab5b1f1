// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBoxes.h"

#include "platform/DialogIds.h"
#include "platform/Win1252.h"

#include <QMessageBox>

int QtMessageBoxes::Show(QWidget* owner, const std::string& text, const std::string& caption,
                         Buttons buttons, Icon icon) {
    QMessageBox box(owner);
    box.setWindowTitle(Win1252ToUnicode(caption));
    box.setText(Win1252ToUnicode(text));
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
