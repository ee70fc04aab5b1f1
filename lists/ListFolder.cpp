// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListFolder.h"

#include "engine/SessionFiles.h"
#include "platform/PosixFiles.h"

#include "lists/SessionRebaser.h"

namespace ListFolder {

std::filesystem::path WordList(const std::filesystem::path& folder) {
    return folder / "list" / "kelvo.lst";
}

std::filesystem::path Session(const std::filesystem::path& folder) {
    return folder / SessionFiles::kDirectory;
}

std::filesystem::path NameFile(const std::filesystem::path& folder) { return folder / "name.txt"; }

// Its name has no ".tmp-" in it, so the program's cleanup of interrupted saves leaves it,
// and it is none of the session files a rebase reads or backs up.
std::filesystem::path StudiedCopy(const std::filesystem::path& folder) {
    return Session(folder) / SessionRebaser::kStudiedCopyName;
}

bool HasSession(const std::filesystem::path& folder) {
    return PosixFiles::StampOf(folder / SessionFiles::kToBeViewed.path).exists;
}

bool LockForChange(const std::filesystem::path& folder, FolderLock& lock, std::string& error) {
    int code = 0;
    if (lock.Acquire(Session(folder).string(), code) != FolderLock::Result::kHeldElsewhere)
        return true;
    error = "the list is being studied; close Quibbix on it first";
    return false;
}

}  // namespace ListFolder
