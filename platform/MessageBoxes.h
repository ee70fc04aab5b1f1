#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Modal message boxes (MessageBoxA with MB_OK or MB_YESNO and an icon). The program shows
// them through this interface so that tests can answer them.

#include <string>

class QWidget;

class MessageBoxes {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Error, Question };

    virtual ~MessageBoxes() = default;
    // `text` and `caption` are Windows-1252. `owner` may be null. Returns IDOK, IDYES or IDNO
    // (platform/DialogIds.h) for the button pressed; closing a Yes/No box counts as No.
    virtual int Show(QWidget* owner, const std::string& text, const std::string& caption,
                     Buttons buttons, Icon icon) = 0;
};

class QtMessageBoxes : public MessageBoxes {
public:
    int Show(QWidget* owner, const std::string& text, const std::string& caption, Buttons buttons,
             Icon icon) override;
};
