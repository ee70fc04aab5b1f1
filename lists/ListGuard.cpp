// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListGuard.h"

#include "engine/AtomicFile.h"
#include "platform/PosixFiles.h"

#include "lists/ListFolder.h"
#include "lists/ListRebase.h"

namespace {

using Stamp = PosixFiles::Stamp;

// Regular files only: a list that is anything else is no list to guard.
Stamp StampOf(const std::filesystem::path& path) {
    Stamp stamp = PosixFiles::StampOf(path);
    if (!stamp.isRegular) stamp.exists = false;
    return stamp;
}

bool IsSame(const Stamp& a, const Stamp& b) {
    return a.exists && b.exists && a.size == b.size && a.seconds == b.seconds &&
           a.nanoseconds == b.nanoseconds;
}

// The copy takes the list's modification time, so that the next check compares the two
// files' stamps and reads neither.
bool WriteCopy(const std::filesystem::path& folder, const std::string& bytes, const Stamp& list,
               std::string& error) {
    const std::filesystem::path copy = ListFolder::StudiedCopy(folder);
    FileError failure;
    if (!ReplaceFiles(DefaultFileSystem(), {{copy.string(), bytes}}, failure)) {
        // A stale copy would have the next start move the session from a list it is no
        // longer on; without one, that start only takes the list as it stands.
        std::error_code ec;
        std::filesystem::remove(copy, ec);
        error = "cannot keep a copy of the list: " + failure.Describe();
        return false;
    }
    int code = 0;
    if (!PosixFiles::SetModified(copy, list, code)) {
        error = "cannot stamp " + copy.string() + ": " + DescribeError(code);
        return false;
    }
    return true;
}

}  // namespace

namespace ListGuard {

bool Record(const std::filesystem::path& folder, std::string& error) {
    const std::filesystem::path list = ListFolder::WordList(folder);
    const Stamp stamp = StampOf(list);
    std::string bytes;
    if (!stamp.exists || !ReadWholeFile(list.string(), bytes)) {
        error = "cannot read " + list.string();
        return false;
    }
    return WriteCopy(folder, bytes, stamp, error);
}

bool Check(const std::filesystem::path& folder, std::string& message) {
    message.clear();
    const std::filesystem::path listPath = ListFolder::WordList(folder);
    const Stamp list = StampOf(listPath);
    if (!list.exists) return true;
    const Stamp copy = StampOf(ListFolder::StudiedCopy(folder));
    if (IsSame(list, copy)) return true;

    FolderLock lock;
    std::string ignored;
    if (!ListFolder::LockForChange(folder, lock, ignored)) return true;
    std::string listBytes, copyBytes;
    if (!ReadWholeFile(listPath.string(), listBytes)) return true;
    // Nothing to move yet: a first start, or a session from before the copy was kept. A copy
    // that cannot be written only means the next start checks again.
    if (!ListFolder::HasSession(folder) || !copy.exists ||
        !ReadWholeFile(ListFolder::StudiedCopy(folder).string(), copyBytes)) {
        WriteCopy(folder, listBytes, list, ignored);
        return true;
    }
    const std::vector<WordRecord> oldRecords = ListRebase::Records(copyBytes);
    const std::vector<WordRecord> newRecords = ListRebase::Records(listBytes);
    // Touched, or stored another way, but the same words in the same places.
    if (oldRecords == newRecords) {
        WriteCopy(folder, listBytes, list, ignored);
        return true;
    }
    std::string summary, error;
    if (!ListRebase::Run(folder, oldRecords, newRecords, summary, error)) {
        message =
            "The word list changed since it was last studied, and the progress could not "
            "be moved onto it: " +
            error;
        return false;
    }
    message = "The word list changed since it was last studied: " + summary + ".";
    if (!WriteCopy(folder, listBytes, list, error)) message += " But " + error + ".";
    return true;
}

}  // namespace ListGuard
