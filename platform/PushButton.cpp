// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PushButton.h"

#include <QIcon>

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
