#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The file operations the program's files are read and written with, one interface, so that
// a test can make any of them fail as a full disk, a read-only file or a power cut would, and
// so that the platform can sync what the standard library cannot. Each returns 0 or the errno
// value that says why it failed. How whole files are replaced is decided in AtomicFile, on
// top of these.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FileSystem {
public:
    // Far above any file the program writes; a larger one is not read at all.
    static constexpr int64_t kMaxReadSize = 64 << 20;

    virtual ~FileSystem() = default;

    // The whole of a regular file: ENOENT when there is none, EISDIR or ENODEV when the path
    // names something else (a directory, a device, a pipe), EFBIG beyond kMaxReadSize.
    virtual int ReadFile(const std::string& path, std::string& bytes) = 0;
    // Whether `path` could be opened for writing without changing it: 0, ENOENT when it does
    // not exist, or why not.
    virtual int ProbeWritable(const std::string& path) = 0;
    // Creates `path`, which must not exist yet (EEXIST; a link in its place counts), writes
    // `bytes` and makes them durable before closing.
    virtual int WriteNewFile(const std::string& path, std::string_view bytes) = 0;
    // Overwrites an existing file that holds exactly bytes.size() bytes with one write, not
    // synced; ENOENT when it does not exist, EINVAL when its size differs.
    virtual int OverwriteInPlace(const std::string& path, std::string_view bytes) = 0;
    // Adds `bytes` to the end of an existing regular file and makes them durable before
    // closing: ENOENT when there is none, ENODEV for anything else in its place (a link is
    // not followed). A failed append leaves the file as it was; a crash may leave part of the
    // bytes, and a reader counts whole lines only.
    virtual int AppendToFile(const std::string& path, std::string_view bytes) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    // Renames a file or a directory, never over something at `to`: EEXIST when there is
    // something, EXDEV when `to` lies on another file system.
    virtual int RenameNoReplace(const std::string& from, const std::string& to) = 0;
    // Removes a file, or an empty directory; 0 when there was nothing.
    virtual int Remove(const std::string& path) = 0;
    // Makes the renames in `directory` durable.
    virtual int SyncDirectory(const std::string& directory) = 0;
    // Creates a directory: EEXIST when something is there already.
    virtual int MakeDirectory(const std::string& path) = 0;
    // The names in a directory, without "." and "..", in no particular order.
    virtual int ListDirectory(const std::string& path, std::vector<std::string>& names) = 0;
};

// The file system the programs use when none is given: the one installed at start-up (the
// platform's), or else the standard library's, which cannot sync.
FileSystem& DefaultFileSystem();
// requires: `files` lives until the process ends.
void InstallFileSystem(FileSystem& files);
