#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How a screen reader sees a text display box: a label whose name is the text shown, in the
// escaped form a reader can pass on, with the box's caption ("Word") as its description.
// The box draws itself, so no plain label's interface would find its text.

#include <QAccessibleWidget>

class CWinText;

class WinTextAccessible : public QAccessibleWidget {
public:
    explicit WinTextAccessible(CWinText* box);

    // Makes every text display box answer with this; once is enough, later calls do nothing.
    static void Install();

    QString text(QAccessible::Text t) const override;

private:
    const CWinText* Box() const;
};
