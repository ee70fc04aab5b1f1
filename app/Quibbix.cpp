// SPDX-License-Identifier: GPL-2.0-or-later
// The program entry: starts the window system, runs the main dialog until the user leaves,
// and ends. Without a window system it says so on standard error and exits with 1. Whatever
// else ends it (a logout, a signal, the window system going away) first saves the session as
// leaving does. --help and --version are answered before the window system starts, so they
// work without a display.

#include "engine/Escaped.h"
#include "engine/ListPreload.h"
#include "engine/RedirectedFileSystem.h"
#include "engine/SessionFiles.h"
#include "engine/Version.h"
#include "engine/WordSelect.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListStore.h"
#include "platform/DialogIds.h"
#include "platform/FontConfigLoader.h"
#include "platform/QtPlatform.h"
#include "platform/RaiseChannel.h"
#include "platform/ShutdownSignals.h"
#include "ui/QuibbixDlg.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "posix/FolderLock.h"
#include "posix/PosixFileSystem.h"
#include "translations/Translations.h"

namespace {

// How long a second start waits for the window studying its list to answer: a window busy
// saving answers within a second.
constexpr int kRaiseWaitMs = 3000;

constexpr const char kUsage[] =
    "Usage: quibbix [--reverse] [--type] [QT-OPTIONS]\n"
    "Studies the word list in the current folder: list/ holds the list, session/ the\n"
    "progress. quibbix-launch prepares such a folder and starts Quibbix there.\n"
    "\n"
    "  --reverse   study backwards, from the definition to the word, with the progress\n"
    "              of that direction in session-reverse/\n"
    "  --type      type each answer; Enter shows what was off and suggests the verdict\n"
    "  --help      show this text\n"
    "  --version   show the version\n"
    "\n"
    "Other options starting with '-' are Qt's (for example -platform offscreen).\n";

// Answers --help or --version on standard output: true when the program ends here. The
// rest of the command line is Qt's, so only these two are looked for.
bool AnswersTheCommandLine(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs(VersionLine("quibbix").c_str(), stdout);
            return true;
        }
    }
    return false;
}

// Takes `option` out of the command line, which is otherwise Qt's: true when it was there.
bool TakesOption(int& argc, char** argv, const char* option) {
    bool found = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const bool isOurs = std::strcmp(argv[i], option) == 0;
        found = found || isOurs;
        if (!isOurs) argv[kept++] = argv[i];
    }
    argv[kept] = nullptr;
    argc = kept;
    return found;
}

bool g_starting = true;
CQuibbixDlg* g_dialog = nullptr;

// While the application starts, a fatal message from Qt (no display, no platform plugin)
// would abort the process; end it cleanly with the program's own message instead.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (g_starting && type == QtFatalMsg) {
        std::fputs("Fatal Error: MFC initialization failed\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (g_starting) return;  // the plugin's complaints before the fatal one say nothing more
    std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

// Qt ends the process with exit() when the connection to the X server breaks; the dialog is
// still there then, but no window can be shown any more.
void SaveAtExit() {
    if (!g_dialog) return;
    QtEngineEnv::SendMessagesToStandardError();
    g_dialog->SaveNow();
    g_dialog->EndSyncForExit();
    g_dialog = nullptr;
}

enum class Locked { kYes, kRaisedTheOther, kNo };

// A second copy on the same folder and direction would overwrite the first one's progress:
// the window studying it comes forward instead, or, when it cannot be reached, the start is
// refused. Backwards, the session is made on first use, beside a list; the usual one never is.
Locked LockTheFolder(QtPlatform& platform, FolderLock& lock, ListFolder::Direction direction) {
    const char* session = ListFolder::SessionName(direction);
    std::error_code ignored;
    if (direction == ListFolder::Direction::kBackwards &&
        std::filesystem::is_directory(ListFolder::kListDir, ignored))
        PosixFileSystem::Instance().MakeDirectory(session);
    int error = 0;
    if (ListFolder::LockForStudy(".", direction, lock, error) != FolderLock::Result::kHeldElsewhere)
        return Locked::kYes;
    if (RaiseChannel::Ask(RaiseChannel::PathFor(".", session), RaiseChannel::ActivationToken(),
                          kRaiseWaitMs))
        return Locked::kRaisedTheOther;
    std::fprintf(stderr, "quibbix: %s\n", FolderLock::kHeldMessage);
    platform.Services().messageBoxes.ShowUnicode(
        nullptr, QCoreApplication::translate("FolderLock", FolderLock::kHeldMessage),
        QCoreApplication::translate("FolderLock", FolderLock::kHeldCaption),
        MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Error);
    return Locked::kNo;
}

// Brings the study window (or the dialog it has open) forward for a second start of its list,
// with the activation token the desktop gave that start.
void ComeForward(QWidget& window, const std::string& token) {
    // Wayland hands the token over through the environment, as a launcher does.
    if (!token.empty()) qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(token));
    QWidget* shown = QApplication::activeModalWidget();
    if (!shown) shown = &window;
    if (window.isMinimized()) window.showNormal();
    shown->raise();
    shown->activateWindow();
}

// A list replaced since it was last studied has its progress moved onto the new words before
// anything reads them; a list whose progress cannot be moved is not studied, or every answer
// would be recorded against another word.
bool GuardTheList(QtPlatform& platform, ListFolder::Direction direction, bool& firstCopyLater) {
    ListGuard::Notice notice;
    const bool ok = ListGuard::CheckForStudy(PosixFileSystem::Instance(), ".", direction, notice,
                                             firstCopyLater);
    if (notice.detail.empty()) return ok;
    // The terminal gets the files and backups; the window what it means for the learner.
    std::fprintf(stderr, "quibbix: %s\n", Escaped(notice.detail).c_str());
    // The notice names the list as its folder does, in UTF-8.
    const char* caption = ok ? QT_TRANSLATE_NOOP("Quibbix", "Word List Changed")
                             : QT_TRANSLATE_NOOP("Quibbix", "Cannot Study This List");
    platform.Services().messageBoxes.ShowUnicode(
        nullptr, QString::fromStdString(Escaped(notice.plain)),
        QCoreApplication::translate("Quibbix", caption), MessageBoxes::Buttons::Ok,
        ok ? MessageBoxes::Icon::None : MessageBoxes::Icon::Error);
    return ok;
}

// Without its word list the program shows only its two messages and placeholders; say on
// standard error where it looked and how to get a folder that works.
void ExplainAMissingWordList() {
    const std::string list = std::string("list/") + CWordSelect::kListName + ".lst";
    std::error_code error;
    if (std::filesystem::is_regular_file(list, error)) return;
    const std::filesystem::path path = std::filesystem::absolute(list, error);
    std::fprintf(stderr,
                 "quibbix: no word list at %s; quibbix-launch prepares a folder with the "
                 "default list and starts Quibbix there\n",
                 path.string().c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswersTheCommandLine(argc, argv)) return 0;
    const bool typing = TakesOption(argc, argv, "--type");
    const ListFolder::Direction direction = TakesOption(argc, argv, "--reverse")
                                                ? ListFolder::Direction::kBackwards
                                                : ListFolder::Direction::kForwards;
    // Backwards, the engine's "session/..." lands in the direction's own folder, and nothing
    // it does reaches session/.
    static RedirectedFileSystem backwardsFiles(
        PosixFileSystem::Instance(), SessionFiles::kDirectory, ListFolder::SessionName(direction));
    const bool backwards = direction == ListFolder::Direction::kBackwards;
    // The font configuration is read on a second thread while the window system starts, and
    // the session's lists are parsed there while the window is built: both before the first
    // word shows, on a machine that has a core to spare.
    FontConfigLoader fonts;
    qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    g_starting = false;
    fonts.Wait();
    ListPreload preload(backwards ? static_cast<FileSystem&>(backwardsFiles)
                                  : PosixFileSystem::Instance());
    // Qt may end the process with exit() before the study opens (the X connection broken):
    // the thread must be done before the static file systems it reads through go.
    std::atexit(ListPreload::Wait);
    // Qt adopts the user's locale; the program's files and texts use the C conventions.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Quibbix"));
    Translations::Install();
    InstallFileSystem(PosixFileSystem::Instance());

    QtPlatform platform(app);
    FolderLock lock;
    const Locked locked = LockTheFolder(platform, lock, direction);
    if (locked == Locked::kRaisedTheOther) return 0;
    bool firstCopyLater = false;
    if (locked == Locked::kNo || !GuardTheList(platform, direction, firstCopyLater)) return 1;
    ExplainAMissingWordList();
    if (backwards) {
        InstallFileSystem(backwardsFiles);
        platform.UseFiles(backwardsFiles);
    }
    {
        CQuibbixDlg dialog(platform.Services(), platform.Engine());
        dialog.SetListName(ListStore::NameIn("."));
        dialog.SetBackwards(backwards);
        dialog.SetTypingAnswers(typing);
        g_dialog = &dialog;
        std::atexit(SaveAtExit);
        const auto saveAndEnd = [&dialog] {
            dialog.SaveNow();
            dialog.EndDialog(IDCANCEL);
            // A message box or side dialog may be open: its loop must end too.
            QCoreApplication::exit(0);
        };
        RaiseChannel raise;
        raise.Listen(
            RaiseChannel::PathFor(".", ListFolder::SessionName(direction)),
            [&dialog](const std::string& token) { ComeForward(dialog, token); }, saveAndEnd);
        QObject::connect(&app, &QGuiApplication::commitDataRequest,
                         [&dialog](QSessionManager&) { dialog.SaveNow(); });
        ShutdownSignals shutdown([&saveAndEnd](int) { saveAndEnd(); });
        // A first study's copy of the list, 7.8 MB at 32,767 words, is written once the window
        // has shown (it maps in about 35 ms), while the learner reads the first screen.
        if (firstCopyLater)
            QTimer::singleShot(250, [direction] {
                ListGuard::WriteFirstCopy(PosixFileSystem::Instance(), ".", direction);
            });
        dialog.DoModal();
        g_dialog = nullptr;
    }
    return 0;
}
