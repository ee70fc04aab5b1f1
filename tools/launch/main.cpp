// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-launch prepares the user's lists and starts the program in the one to study.
//
//   quibbix-launch                 the only list, or a window to choose among several
//   quibbix-launch --list NAME     the list NAME
//   quibbix-launch FILE            FILE added as a list (what "Open with Quibbix" runs)
//   quibbix-launch --choose        the chooser, even with a single list
//   ... --reverse                  studied backwards, from the definition to the word
//
// The first list is $XDG_DATA_HOME/quibbix (default ~/.local/share/quibbix), with list/
// holding the default word list, pictures, sound and display settings, copied in where
// missing so that a user's own files are never overwritten, and session/ for the progress.
// Starting the only list takes no window library: whatever needs a window is handed to
// quibbix-chooser.

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "lists/ListStore.h"

#include <cstdio>

#include "launch/LaunchRequest.h"
#include "launch/Launcher.h"
#include "posix/PosixFileSystem.h"
#include "posix/PosixProcess.h"

namespace fs = std::filesystem;

namespace {

// The list to study without asking anything, or an empty path when a window is needed.
fs::path FolderWithoutWindow(const LaunchRequest& request, const ListStore& store, bool& unknown) {
    if (request.choose) return {};
    if (!request.listName.empty()) {
        const std::optional<ListSummary> list = store.Find(request.listName);
        if (list) return list->folder;
        unknown = true;
        return {};
    }
    const std::vector<ListSummary> lists = store.Lists();
    if (lists.size() >= 2) return {};
    return lists.empty() ? store.DataHome() : lists.front().folder;
}

bool ShowsTheFirstList(const ListStore& store) {
    for (const ListSummary& list : store.Lists())
        if (list.folder == store.DataHome()) return true;
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const LaunchRequest request = LaunchRequest::Parse(argc, argv);
    int exitCode = 0;
    if (request.EndsHere("quibbix-launch", exitCode)) return exitCode;
    InstallFileSystem(PosixFileSystem::Instance());
    const fs::path binDir = PosixProcess::ExecutableDir();
    if (!request.file.empty()) {
        Launcher::ShowWindows(binDir, request.Arguments());
        return 1;
    }

    const ListStore store(ListStore::DefaultDataHome(), ListStore::FindDefaults(binDir));
    bool unknown = false;
    const fs::path folder = FolderWithoutWindow(request, store, unknown);
    if (unknown) {
        std::fprintf(stderr, "quibbix-launch: there is no list named \"%s\"\n",
                     Escaped(request.listName).c_str());
        return 1;
    }
    if (folder.empty()) {
        // The chooser shows the first list even before its first start: it is laid out as
        // a plain start would, so that the chooser shows it as it is, words and all.
        std::string error;
        if (request.choose && ShowsTheFirstList(store) && !store.Prepare(store.DataHome(), error))
            std::fprintf(stderr, "quibbix-launch: %s\n", Escaped(error).c_str());
        Launcher::ShowWindows(binDir, request.Arguments());
        return 1;
    }
    std::string error;
    if (!store.Prepare(folder, error, request.reverse)) {
        std::fprintf(stderr, "quibbix-launch: %s\n", Escaped(error).c_str());
        return 1;
    }
    // The program guards the list itself once it holds the list's lock, and tells the user
    // what changed in a window of its own. It syncs a list joined to a sync folder itself
    // too, under that lock and before it reads the session, however it was started.
    Launcher::Study(binDir, folder, request.ProgramArguments(request.reverse, request.type));
    return 1;
}
