// The program entry: starts the window system, runs the main dialog until the user leaves,
// and ends. Without a window system it says so on standard error and exits with 1.

#include "platform/QtPlatform.h"
#include "ui/QuibbixDlg.h"

#include <QApplication>

#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

namespace {

bool g_starting = true;

// While the application starts, a fatal message from Qt (no display, no platform plugin)
// would abort the process; end it cleanly with the program's own message instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (g_starting && type == QtFatalMsg) {
        std::fputs("Fatal Error: MFC initialization failed\n", stderr);
        std::fflush(stderr);
        _exit(1);
    }
    if (g_starting) return;  // the plugin's complaints before the fatal one say nothing more
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    g_starting = false;
    // Qt adopts the user's locale; the program's files and texts use the C conventions.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Quibbix"));

    QtPlatform platform(app);
    {
        CQuibbixDlg dialog(platform.Services(), platform.Engine());
        dialog.DoModal();
    }
    return 0;
}
