// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

int QtScreenMetrics::ScreenWidth() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int QtScreenMetrics::ScreenHeight() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}
