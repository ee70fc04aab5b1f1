#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The few file-system calls the list store, its trash and its guard need beyond what
// std::filesystem offers: stamps to the nanosecond, setting a modification time, creating a
// file exclusively, and renaming without replacing.

#include <cstdint>
#include <filesystem>
#include <string>

namespace PosixFiles {

struct Stamp {
    bool exists = false;
    bool isRegular = false;
    bool isDirectory = false;
    int64_t size = 0;
    int64_t seconds = 0;  // modification time since the epoch
    int64_t nanoseconds = 0;
    uint64_t inode = 0;  // a file replaced by a rename has another
};

// Follows links, as opening the file would.
Stamp StampOf(const std::filesystem::path& path);

// Gives `path` the modification time of `stamp`; false with `error` (an errno) on failure.
bool SetModified(const std::filesystem::path& path, const Stamp& stamp, int& error);

// The first `limit` bytes of a file; empty when it cannot be read.
std::string ReadHead(const std::filesystem::path& path, size_t limit);

// Creates `path` only if it does not exist yet, with `content`, synced. Two programs doing
// this at once never both succeed. 1: created, 0: it exists, -1: failed (`error` set).
int CreateExclusive(const std::filesystem::path& path, const std::string& content, int& error);

// A directory readable by its owner only; one that exists already is fine.
bool MakePrivateDirectory(const std::filesystem::path& dir, int& error);

enum class MoveResult { kMoved, kTargetExists, kOtherFileSystem, kFailed };
// Renames `from` to `to`, never over something already at `to`.
MoveResult MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                         int& error);

// The local time now as "YYYY-MM-DDThh:mm:ss".
std::string LocalTimestamp();

}  // namespace PosixFiles
