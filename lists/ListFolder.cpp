// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListFolder.h"

#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;

namespace ListFolder {

const char* SessionName(Direction direction) {
    return direction == Direction::kBackwards ? kReverseSessionDir : SessionFiles::kDirectory;
}

Direction Other(Direction direction) {
    return direction == Direction::kBackwards ? Direction::kForwards : Direction::kBackwards;
}

fs::path Session(const fs::path& folder, Direction direction) {
    return folder / SessionName(direction);
}

std::string StudiedCopyFile(Direction direction) {
    return std::string(SessionName(direction)) + "/" + kStudiedCopyName;
}

fs::path StudiedCopy(const fs::path& folder, Direction direction) {
    return folder / StudiedCopyFile(direction);
}

bool HasSession(const fs::path& folder, Direction direction) {
    return PosixFiles::StampOf(Session(folder, direction) / SessionFiles::kToBeViewed.FileName())
        .exists;
}

FolderLock::Result LockForStudy(const fs::path& folder, Direction direction, FolderLock& lock,
                                int& error) {
    // Long enough for a sync of a year of study; a program that studies the session holds
    // no sync side between its syncs, so that refusal comes at once.
    constexpr int kSyncWaitMs = 10000;
    const std::string session = Session(folder, direction).string();
    FolderLock::Result result = lock.Acquire(session, error);
    for (int tries = 0; result == FolderLock::Result::kHeldElsewhere && tries < 3; ++tries) {
        FolderLock side;
        int ignored = 0;
        if (side.AcquireWaiting((folder / kSyncSideDir).string(), kSyncWaitMs, ignored) !=
            FolderLock::Result::kLocked)
            break;
        result = lock.Acquire(session, error);
    }
    return result;
}

bool LockForChange(const fs::path& folder, Direction direction, FolderLock& lock,
                   std::string& error) {
    int code = 0;
    if (lock.Acquire(Session(folder, direction).string(), code) !=
        FolderLock::Result::kHeldElsewhere)
        return true;
    error =
        direction == Direction::kBackwards
            ? LearnersWords::Said("ListFolder",
                                  "the list is being studied backwards; close Quibbix on it first")
            : LearnersWords::Said("ListFolder",
                                  "the list is being studied; close Quibbix on it first");
    return false;
}

fs::path WordList(const fs::path& folder) { return folder / kWordListFile; }

fs::path ListDir(const fs::path& folder) { return folder / kListDir; }

fs::path Session(const fs::path& folder) { return folder / SessionFiles::kDirectory; }

fs::path NameFile(const fs::path& folder) { return folder / kNameFile; }

fs::path StudiedCopy(const fs::path& folder) { return folder / kStudiedCopyFile; }

fs::path ListsDir(const fs::path& dataHome) { return dataHome / kListsDir; }

fs::path DataHomeOf(const fs::path& folder) {
    std::error_code ignored;
    fs::path absolute = fs::absolute(folder, ignored).lexically_normal();
    if (!absolute.has_filename()) absolute = absolute.parent_path();
    const fs::path parent = absolute.parent_path();
    return parent.filename() == kListsDir ? parent.parent_path() : absolute;
}

namespace {

fs::path Normalized(const fs::path& dir) {
    fs::path normal = dir.lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

}  // namespace

fs::path OfSession(const fs::path& sessionDir) {
    const fs::path session = Normalized(sessionDir);
    return session.has_parent_path() ? session.parent_path() : fs::path(".");
}

std::string NameOfSession(const fs::path& sessionDir) {
    return Normalized(sessionDir).filename().string();
}

bool HasSession(const fs::path& folder) { return HasSession(folder, Direction::kForwards); }

bool LockForChange(const fs::path& folder, FolderLock& lock, std::string& error) {
    return LockForChange(folder, Direction::kForwards, lock, error);
}

}  // namespace ListFolder
