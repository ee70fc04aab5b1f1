// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PushButton.h"

#include <QIcon>
#include <QPainter>
#include <QPen>

PushButton::PushButton(const QString& text, bool isPictureButton, QWidget* parent)
    : QPushButton(isPictureButton ? QString() : text, parent), m_isPictureButton(isPictureButton) {}

QPixmap PushButton::SetBitmap(const QPixmap& bitmap) {
    QPixmap previous = m_bitmap;
    m_bitmap = bitmap;
    setText(QString());
    setIcon(QIcon(bitmap));
    setIconSize(bitmap.size());
    return previous;
}

void PushButton::paintEvent(QPaintEvent* event) {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    // Dotted in the text colour, just inside the bevel: it shows on light and dark pictures
    // alike and leaves the picture itself visible.
    QPainter painter(this);
    QPen pen(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}
