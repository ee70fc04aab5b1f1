// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DialogAccessible.h"

#include "platform/StaticControl.h"
#include "platform/TemplateDialog.h"

#include <QMenu>

namespace {

QAccessibleInterface* Factory(const QString&, QObject* object) {
    if (auto* dialog = dynamic_cast<TemplateDialog*>(object))
        return new DialogAccessible(dialog, QAccessible::Dialog);
    // A dialog too large for its screen holds its controls in a scroll area (see WindowFit).
    auto* content = qobject_cast<QWidget*>(object);
    if (content && content->objectName() == QLatin1String("fitContent") &&
        dynamic_cast<TemplateDialog*>(content->window()))
        return new DialogAccessible(content, QAccessible::Client);
    return nullptr;
}

bool IsReadable(const QWidget* w) {
    // Hidden controls are the template's placeholders or answers not offered yet; a shown
    // one is announced as it appears.
    if (w->isWindow() || w->isHidden() || qobject_cast<const QMenu*>(w)) return false;
    const auto* label = dynamic_cast<const StaticControl*>(w);
    return !label || !label->IsDecorative();
}

}  // namespace

DialogAccessible::DialogAccessible(QWidget* controls, QAccessible::Role role)
    : QAccessibleWidget(controls, role) {}

void DialogAccessible::Install() {
    static const bool installed = (QAccessible::installFactory(&Factory), true);
    (void)installed;
}

QWidgetList DialogAccessible::ReadableChildren() const {
    QWidgetList children;
    for (QObject* object : widget()->children()) {
        auto* w = qobject_cast<QWidget*>(object);
        if (w && IsReadable(w)) children.append(w);
    }
    return children;
}

int DialogAccessible::childCount() const { return static_cast<int>(ReadableChildren().size()); }

QAccessibleInterface* DialogAccessible::child(int index) const {
    const QWidgetList children = ReadableChildren();
    if (index < 0 || index >= children.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(children.at(index));
}

int DialogAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child) return -1;
    return static_cast<int>(ReadableChildren().indexOf(qobject_cast<QWidget*>(child->object())));
}
