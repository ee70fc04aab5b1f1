#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Shared by the picture fuzz targets: the offscreen QGuiApplication that pixmaps, fonts and
// painting need, made once per process and kept to its end.

#include <QGuiApplication>

inline void StartPictureApp() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    (void)app;
}
