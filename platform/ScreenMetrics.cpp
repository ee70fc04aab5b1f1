// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

Rect QtScreenMetrics::WorkArea() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? Rect::FromQRect(screen->availableGeometry()) : Rect{};
}

void QtScreenMetrics::FillWorkArea(QWidget& window) const {
    window.setGeometry(WorkArea().ToQRect());
    window.setWindowState(window.windowState() | Qt::WindowMaximized);
}
