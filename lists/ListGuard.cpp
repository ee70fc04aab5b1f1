// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListGuard.h"

#include "engine/LearnersWords.h"
#include "engine/WordListFile.h"
#include "lists/ListRebase.h"
#include "lists/ListTransaction.h"

#include <optional>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;

namespace {

using Direction = ListFolder::Direction;
using Stamp = PosixFiles::Stamp;

// Regular files only: a list that is anything else is no list to guard.
Stamp StampOf(const fs::path& path) {
    Stamp stamp = PosixFiles::StampOf(path);
    if (!stamp.isRegular) stamp.exists = false;
    return stamp;
}

bool IsSame(const Stamp& a, const Stamp& b) {
    return a.exists && b.exists && a.size == b.size && a.seconds == b.seconds &&
           a.nanoseconds == b.nanoseconds;
}

// A copy is written whole, so one that holds no records or a part of one was damaged since.
bool IsWhole(const std::string& bytes) {
    return !bytes.empty() && bytes.size() % WordListFile::kRecordSize == 0;
}

// Both directions may have something to tell after one check.
void Add(ListGuard::Notice& notice, const ListGuard::Notice& more) {
    const auto join = [](std::string& text, const std::string& next) {
        text += text.empty() ? next : " " + next;
    };
    join(notice.detail, more.detail);
    join(notice.plain, more.plain);
}

// A copy that cannot be written only means the next check compares the records again.
void RecordCopy(FileSystem& files, const fs::path& folder, Direction direction,
                const std::string& listBytes) {
    FileError ignored;
    // One copy of the list's bytes, not three: a list of 65,534 words takes 15 MB.
    std::vector<FileImage> images;
    images.push_back(ListGuard::CopyImage(listBytes, direction));
    images.back().path = (folder / images.back().path).string();
    if (ReplaceFiles(files, images, ignored)) ListGuard::StampCopy(folder, direction);
}

// Keeps a damaged copy for whoever wants to look at it and takes the list as it stands.
ListGuard::Notice SetDamagedCopyAside(FileSystem& files, const fs::path& folder,
                                      Direction direction, const std::string& listBytes) {
    const std::string copy = ListFolder::StudiedCopy(folder, direction).string();
    const std::string name = ListFolder::StudiedCopyFile(direction);
    files.Rename(copy, copy + ".bad");
    RecordCopy(files, folder, direction, listBytes);
    return {
        LearnersWords::Filled(
            LearnersWords::Said(
                "ListGuard",
                "The copy of the word list as last studied (%1) is damaged, so the progress stays "
                "with the words by their position; the copy is kept as %1.bad."),
            {name}),
        LearnersWords::Said("ListGuard",
                            "Quibbix cannot tell whether the words of this list changed "
                            "since you last studied it, because its record of them is "
                            "damaged. Your progress stays with the words as they are now.")};
}

bool FinishInterruptedUpdate(FileSystem& files, const fs::path& folder, Direction direction,
                             ListGuard::Notice& notice) {
    ListTransaction transaction(files, ListFolder::Session(folder, direction));
    FileError failure;
    if (!transaction.IsPending() || transaction.Recover(failure)) return true;
    notice = {
        LearnersWords::Filled(
            LearnersWords::Said(
                "ListGuard", "An update of the list was interrupted and cannot be finished: %1."),
            {failure.Describe()}),
        LearnersWords::Said(
            "ListGuard",
            "A change to the words of this list was interrupted and cannot be finished now, so the "
            "list cannot be studied. Your progress is as it was. Free some disk space, or make "
            "sure the list's folder can be written to, then start Quibbix again.")};
    return false;
}

// The check for the directions whose locks are held: every one whose copy differs from the
// list moves in one change, so that a kill leaves both on the old words or both on the new.
// Of a direction not `opened`, only a move writes anything: studying one way leaves the other
// way's folder as it was unless its words changed.
bool CheckHeld(FileSystem& files, const fs::path& folder, const std::vector<Direction>& held,
               std::optional<Direction> opened, ListGuard::Notice& notice,
               bool* firstCopyLater = nullptr) {
    notice = {};
    for (Direction direction : held) {
        if (!FinishInterruptedUpdate(files, folder, direction, notice)) return false;
    }
    const fs::path listPath = ListFolder::WordList(folder);
    const Stamp list = StampOf(listPath);
    if (!list.exists) return true;
    std::string listBytes;
    bool isRead = false;
    std::vector<ListRebase::Move> moves;
    for (Direction direction : held) {
        const Stamp copy = StampOf(ListFolder::StudiedCopy(folder, direction));
        if (IsSame(list, copy)) continue;
        const bool isOpened = !opened || direction == *opened;
        // A first study has no progress on the words yet: its copy may come after the first
        // word, unread and unwritten here.
        if (firstCopyLater && isOpened && !ListFolder::HasSession(folder, direction)) {
            *firstCopyLater = true;
            continue;
        }
        if (!isRead && files.ReadFile(listPath.string(), listBytes) != 0) return true;
        isRead = true;
        // Nothing to move yet: a first start, or a session from before the copy was kept.
        if (!ListFolder::HasSession(folder, direction) || !copy.exists) {
            if (isOpened) RecordCopy(files, folder, direction, listBytes);
            continue;
        }
        std::string copyBytes;
        if (files.ReadFile(ListFolder::StudiedCopy(folder, direction).string(), copyBytes) != 0 ||
            !IsWhole(copyBytes)) {
            if (isOpened) Add(notice, SetDamagedCopyAside(files, folder, direction, listBytes));
            continue;
        }
        std::vector<WordRecord> oldRecords = ListRebase::Records(copyBytes);
        // Touched, or stored another way, but the same words in the same places.
        if (oldRecords == ListRebase::Records(listBytes)) {
            if (isOpened) RecordCopy(files, folder, direction, listBytes);
            continue;
        }
        moves.push_back({direction, std::move(oldRecords)});
    }
    if (moves.empty()) return true;
    std::vector<FileImage> copies;
    for (const ListRebase::Move& move : moves)
        copies.push_back({ListFolder::StudiedCopyFile(move.direction), {}, &listBytes});
    std::string summary, error;
    if (!ListRebase::Run(files, folder, moves, ListRebase::Records(listBytes), std::move(copies),
                         summary, error)) {
        notice = {
            LearnersWords::Filled(
                LearnersWords::Said("ListGuard",
                                    "The word list changed since it was last studied, and "
                                    "the progress could not be moved onto it: %1"),
                {error}),
            LearnersWords::Said(
                "ListGuard",
                "The words of this list changed since you last studied it, and your progress could "
                "not be moved onto the new words. Nothing was changed. To study this list, put its "
                "earlier word list back, or add the new words as a list of their own.")};
        return false;
    }
    for (const ListRebase::Move& move : moves) ListGuard::StampCopy(folder, move.direction);
    Add(notice, {LearnersWords::Filled(
                     LearnersWords::Said("ListGuard",
                                         "The word list changed since it was last studied: %1."),
                     {summary}),
                 LearnersWords::Said(
                     "ListGuard",
                     "The words of this list changed since you last studied it. The words still in "
                     "it keep their progress, and a copy of your earlier progress was kept.")});
    return true;
}

}  // namespace

namespace ListGuard {

FileImage CopyImage(const std::string& listBytes, Direction direction) {
    return {ListFolder::StudiedCopyFile(direction), listBytes};
}

void StampCopy(const fs::path& folder, Direction direction) {
    const Stamp list = StampOf(ListFolder::WordList(folder));
    int ignored = 0;
    if (list.exists)
        PosixFiles::SetModified(ListFolder::StudiedCopy(folder, direction), list, ignored);
}

bool Check(FileSystem& files, const fs::path& folder, std::string& message) {
    Notice notice;
    const bool ok = Check(files, folder, notice);
    message = notice.detail;
    return ok;
}

bool Check(FileSystem& files, const fs::path& folder, Notice& notice) {
    return Check(files, folder, Direction::kForwards, notice);
}

bool Check(FileSystem& files, const fs::path& folder, Direction direction, Notice& notice) {
    std::vector<Direction> held = {direction};
    // The other direction may be studied right now by another program: it is left to its
    // own copy then, which brings it onto these words when it is next opened.
    FolderLock other;
    int code = 0;
    const FolderLock::Result result =
        other.Acquire(ListFolder::Session(folder, ListFolder::Other(direction)).string(), code);
    if (result == FolderLock::Result::kLocked) held.push_back(ListFolder::Other(direction));
    return CheckHeld(files, folder, held, direction, notice);
}

bool CheckForStudy(FileSystem& files, const fs::path& folder, Direction direction, Notice& notice,
                   bool& firstCopyLater) {
    firstCopyLater = false;
    FolderLock other;
    int code = 0;
    std::vector<Direction> held = {direction};
    if (other.Acquire(ListFolder::Session(folder, ListFolder::Other(direction)).string(), code) ==
        FolderLock::Result::kLocked)
        held.push_back(ListFolder::Other(direction));
    return CheckHeld(files, folder, held, direction, notice, &firstCopyLater);
}

void WriteFirstCopy(FileSystem& files, const fs::path& folder, Direction direction) {
    std::string listBytes;
    if (files.ReadFile(ListFolder::WordList(folder).string(), listBytes) == 0)
        RecordCopy(files, folder, direction, listBytes);
}

bool CheckBoth(FileSystem& files, const fs::path& folder, Notice& notice) {
    return CheckHeld(files, folder, {Direction::kForwards, Direction::kBackwards}, std::nullopt,
                     notice);
}

}  // namespace ListGuard
