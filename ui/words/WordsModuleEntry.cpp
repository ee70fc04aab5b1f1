// SPDX-License-Identifier: GPL-2.0-or-later
// The Words module's two entry points, with C names so that the study window finds them with
// QLibrary::resolve.
#include "ui/words/WordsModule.h"
#include "ui/words/WordsWindow.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "posix/PosixFileSystem.h"

namespace fs = std::filesystem;

namespace {

// The data folders that may hold the list in `folder`: the user's, the folder itself (the
// first list is its data folder) and the one above its lists/.
std::vector<fs::path> Homes(const fs::path& folder) {
    std::vector<fs::path> homes = {ListStore::DefaultDataHome(), folder};
    if (folder.parent_path().filename() == "lists")
        homes.push_back(folder.parent_path().parent_path());
    return homes;
}

// The list the study window studies, and the store it is one of.
std::optional<std::pair<fs::path, std::string>> FindList(const fs::path& folder) {
    std::error_code error;
    for (const fs::path& home : Homes(folder)) {
        for (const ListSummary& list : ListStore(home).Lists()) {
            if (fs::equivalent(list.folder, folder, error)) return std::make_pair(home, list.name);
        }
    }
    return std::nullopt;
}

}  // namespace

extern "C" Q_DECL_EXPORT int QuibbixWordsModuleVersion() { return WordsModule::kVersion; }

extern "C" Q_DECL_EXPORT void QuibbixEditWords(QWidget* parent, const WordsEditRequest& request,
                                               WordsEditResult& result) {
    // The module has its own copy of the file layer; its changes are synced as the program's.
    InstallFileSystem(PosixFileSystem::Instance());
    std::error_code ignored;
    const fs::path folder = fs::current_path(ignored);
    const auto list = FindList(folder);
    if (!list) {
        result.error = "the words of a list can be edited only among your lists, in " +
                       ListStore::DefaultDataHome().string();
        return;
    }
    ListStore store(list->first);
    WordsWindow::Options options;
    options.focusRecord = request.focusRecord;
    options.callerHolds =
        request.isBackwards ? ListFolder::Direction::kBackwards : ListFolder::Direction::kForwards;
    WordsWindow::Outcome outcome;
    result.isChanged =
        WordsWindow::Edit(parent, store, list->second, result.error, options, &outcome);
    result.focusRecord = outcome.focusRecord;
}

// The program resolves the entry points by these types; a mismatch must not compile.
static_assert(std::is_same_v<decltype(&QuibbixWordsModuleVersion), WordsModule::VersionFunction>);
static_assert(std::is_same_v<decltype(&QuibbixEditWords), WordsModule::EditFunction>);
