// The main of every Qt test program. ctest sets QT_QPA_PLATFORM=offscreen, but the build
// also runs the programs to list their tests, without it; so set it here before the
// QApplication exists.

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
