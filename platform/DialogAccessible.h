#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What a screen reader finds in a template dialog: its controls that show something, without
// the placeholders a template keeps hidden and the pictures that only decorate (a frame), so
// that no control is read out under a template's placeholder name.

#include <QAccessibleWidget>

class DialogAccessible : public QAccessibleWidget {
public:
    // `controls` is a template dialog, or what scrolls inside one too large for its screen.
    DialogAccessible(QWidget* controls, QAccessible::Role role);

    // Makes every template dialog answer with this; once is enough, later calls do nothing.
    static void Install();

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QWidgetList ReadableChildren() const;
};
