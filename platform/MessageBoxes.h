#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Modal message boxes (MessageBoxA with MB_OK or MB_YESNO and an icon). The program shows
// them through this interface so that tests can answer them.

#include <QString>

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
    // The same for Unicode text, such as a translated message. Boxes that only record what
    // they were asked get it as Windows-1252 through Show.
    virtual int ShowUnicode(QWidget* owner, const QString& text, const QString& caption,
                            Buttons buttons, Icon icon);
};

class QtMessageBoxes : public MessageBoxes {
public:
    int Show(QWidget* owner, const std::string& text, const std::string& caption, Buttons buttons,
             Icon icon) override;
    int ShowUnicode(QWidget* owner, const QString& text, const QString& caption, Buttons buttons,
                    Icon icon) override;
};
