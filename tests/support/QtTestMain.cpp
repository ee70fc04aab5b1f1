// SPDX-License-Identifier: GPL-2.0-or-later
// The main of every Qt test program. Neither ctest nor the build, which runs these programs to
// list their tests, names a platform, so Qt's offscreen one is chosen here before the
// QApplication exists; a platform named in the environment wins. The converted metafiles the
// program keeps go to a cache of this run's own, not the user's.

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
