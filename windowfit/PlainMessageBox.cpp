// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowfit/PlainMessageBox.h"

#include <QLabel>

PlainMessageBox::PlainMessageBox(Icon icon, const QString& title, const QString& text,
                                 StandardButtons buttons, QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent) {
    setTextFormat(Qt::PlainText);
}

QMessageBox::StandardButton PlainMessageBox::Critical(QWidget* parent, const QString& title,
                                                      const QString& text) {
    return Run(QMessageBox::Critical, parent, title, text, Ok, NoButton);
}

QMessageBox::StandardButton PlainMessageBox::Warning(QWidget* parent, const QString& title,
                                                     const QString& text) {
    return Run(QMessageBox::Warning, parent, title, text, Ok, NoButton);
}

QMessageBox::StandardButton PlainMessageBox::Information(QWidget* parent, const QString& title,
                                                         const QString& text) {
    return Run(QMessageBox::Information, parent, title, text, Ok, NoButton);
}

QMessageBox::StandardButton PlainMessageBox::Question(QWidget* parent, const QString& title,
                                                      const QString& text, StandardButtons buttons,
                                                      StandardButton defaultButton) {
    return Run(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton PlainMessageBox::Run(Icon icon, QWidget* parent, const QString& title,
                                                 const QString& text, StandardButtons buttons,
                                                 StandardButton defaultButton) {
    PlainMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != NoButton) box.setDefaultButton(defaultButton);
    // Closed without a button, as QMessageBox's own calls answer.
    if (box.exec() == -1) return Cancel;
    return box.standardButton(box.clickedButton());
}

void PlainMessageBox::showEvent(QShowEvent* event) {
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        label->setTextFormat(Qt::PlainText);
    QMessageBox::showEvent(event);
}
