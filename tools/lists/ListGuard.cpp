// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/lists/ListGuard.h"

#include "engine/AtomicFile.h"
#include "tools/lists/ListFolder.h"
#include "tools/lists/ListRebase.h"

#include <fcntl.h>

#include <sys/stat.h>

namespace {

struct Stamp {
    bool exists = false;
    off_t size = 0;
    timespec modified{};
};

Stamp StampOf(const std::filesystem::path& path) {
    Stamp stamp;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return stamp;
    stamp.exists = true;
    stamp.size = info.st_size;
    stamp.modified = info.st_mtim;
    return stamp;
}

bool IsSame(const Stamp& a, const Stamp& b) {
    return a.exists && b.exists && a.size == b.size && a.modified.tv_sec == b.modified.tv_sec &&
           a.modified.tv_nsec == b.modified.tv_nsec;
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
    const timespec times[2] = {{0, UTIME_NOW}, list.modified};
    if (::utimensat(AT_FDCWD, copy.c_str(), times, 0) != 0) {
        error = "cannot stamp " + copy.string() + ": " + DescribeError(errno);
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
