// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/WinTextAccessible.h"

#include "ui/WinText.h"

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* box = dynamic_cast<CWinText*>(object)) return new WinTextAccessible(box);
    return nullptr;
}

}  // namespace

WinTextAccessible::WinTextAccessible(CWinText* box)
    : QAccessibleWidget(box, QAccessible::StaticText) {}

void WinTextAccessible::Install() {
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

const CWinText* WinTextAccessible::Box() const { return static_cast<const CWinText*>(widget()); }

QString WinTextAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            // A box that shows no text (a colour sample) still needs a name to be read by.
            return Box()->ShownText().isEmpty() ? Box()->Caption() : Box()->ShownText();
        case QAccessible::Description:
            return Box()->Caption();
        default:
            return QAccessibleWidget::text(t);
    }
}
