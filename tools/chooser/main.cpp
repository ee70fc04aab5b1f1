// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-chooser: the launcher's windows, a program of their own so that starting the only
// list never loads the widget libraries. The launcher hands its command line over when the
// user has to choose a list or a file is to be added; once a list is chosen this process
// becomes the program, as the launcher would have.

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "lists/ListFolder.h"
#include "platform/RaiseChannel.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/ImportFlow.h"
#include "ui/chooser/StudyCheck.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#include "launch/LaunchRequest.h"
#include "launch/Launcher.h"
#include "posix/PosixFileSystem.h"
#include "posix/PosixProcess.h"
#include "translations/Translations.h"
#include "windowfit/PlainMessageBox.h"

namespace fs = std::filesystem;

namespace {

// A study window answers a request to close at once; the saving follows.
constexpr int kCloseWaitMs = 3000;

// The list to study, or an empty path when there is none to study (the user was told why);
// `backwards` says which way, and `typing` whether the answers are typed, as asked on the
// command line or in the chooser.
fs::path ChooseFolder(const LaunchRequest& request, ListStore& store, bool& backwards,
                      bool& typing) {
    backwards = request.reverse;
    typing = request.type;
    if (!request.file.empty()) {
        const std::optional<ImportFlow::Result> added =
            ImportFlow::Run(nullptr, store, request.file);
        if (!added || !StudyCheck::Confirm(nullptr, store, added->folder)) return {};
        return added->folder;
    }
    if (!request.listName.empty()) {
        const std::optional<ListSummary> list = store.Find(request.listName);
        if (!list) {
            PlainMessageBox::Critical(
                nullptr, QCoreApplication::translate("ChooserWindow", "No Such List"),
                QCoreApplication::translate("ChooserWindow", "There is no list named “%1”.")
                    .arg(QString::fromStdString(Escaped(request.listName))));
            return {};
        }
        return StudyCheck::Confirm(nullptr, store, list->folder) ? list->folder : fs::path();
    }
    ChooserWindow chooser(store, ChooserWindow::DefaultSettingsFile());
    if (request.reverse) chooser.SetBackwards(true);
    if (request.type) chooser.SetTyping(true);
    if (chooser.exec() != QDialog::Accepted) return {};
    backwards = chooser.ChosenBackwards();
    typing = chooser.ChosenTyping();
    return chooser.ChosenFolder();
}

// Opened by a study window ("Choose a List…"): that window closes once another list, or
// its own in the other direction, is studied; its own choice brings it forward instead.
void CloseTheWindowThatAsked(const fs::path& folder, bool backwards) {
    const char* asked = std::getenv(RaiseChannel::kChosenFrom);
    if (!asked || !*asked) return;
    const std::string from = asked;
    unsetenv(RaiseChannel::kChosenFrom);
    const ListFolder::Direction direction =
        backwards ? ListFolder::Direction::kBackwards : ListFolder::Direction::kForwards;
    if (RaiseChannel::PathFor(folder, ListFolder::SessionName(direction)) == from) return;
    RaiseChannel::AskToClose(from, kCloseWaitMs);
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchRequest request = LaunchRequest::Parse(argc, argv);
    int exitCode = 0;
    if (request.EndsHere("quibbix-chooser", exitCode)) return exitCode;
    InstallFileSystem(PosixFileSystem::Instance());
    const fs::path binDir = PosixProcess::BinDir();
    fs::path folder;
    bool backwards = false;
    bool typing = false;
    {
        // The windows and the connection to the display end before the program takes over.
        QApplication app(argc, argv);
        QApplication::setApplicationName(QStringLiteral("quibbix"));
        Translations::Install();
        ListStore store(ListStore::DefaultDataHome(), ListStore::FindDefaults(binDir));
        folder = ChooseFolder(request, store, backwards, typing);
    }
    if (folder.empty()) return 1;
    CloseTheWindowThatAsked(folder, backwards);
    Launcher::Study(binDir, folder, request.ProgramArguments(backwards, typing));
    return 1;
}
