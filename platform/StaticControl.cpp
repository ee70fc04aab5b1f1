// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/StaticControl.h"

#include <QPainter>

StaticControl::StaticControl(QWidget* parent) : QLabel(parent) {}

StaticControl::~StaticControl() = default;

std::unique_ptr<EnhMetaFile> StaticControl::SetEnhMetaFile(std::unique_ptr<EnhMetaFile> picture) {
    std::swap(m_picture, picture);
    update();
    return picture;
}

void StaticControl::paintEvent(QPaintEvent* event) {
    if (!m_picture) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    m_picture->Draw(painter, QRectF(rect()));
}
