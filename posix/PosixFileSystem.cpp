// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

#include "posix/Descriptor.h"

namespace {

int WriteAll(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

}  // namespace

int PosixFileSystem::ReadFile(const std::string& path, std::string& bytes) {
    // Non-blocking, so that a pipe in the file's place cannot hang the open.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) return errno;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    if (!S_ISREG(info.st_mode)) return ENODEV;
    if (info.st_size > kMaxReadSize) return EFBIG;
    // Read straight into place, with a byte to spare that tells a file grown meanwhile.
    const size_t limit = static_cast<size_t>(kMaxReadSize);
    bytes.resize(static_cast<size_t>(info.st_size) + 1);
    size_t have = 0;
    for (;;) {
        if (have == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit + 1));
        const ssize_t n = ::read(fd.Get(), bytes.data() + have, bytes.size() - have);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int error = errno;
            bytes.resize(have);
            return error;
        }
        have += static_cast<size_t>(n);
        if (have > limit) {
            bytes.resize(limit);
            return EFBIG;
        }
        if (n == 0) {
            bytes.resize(have);
            return 0;
        }
    }
}

int PosixFileSystem::ProbeWritable(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    return fd.Get() < 0 ? errno : 0;
}

int PosixFileSystem::WriteNewFile(const std::string& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.Get() < 0) return errno;
    if (const int error = WriteAll(fd.Get(), bytes)) return error;
    if (::fsync(fd.Get()) != 0) return errno;
    return fd.Close();
}

int PosixFileSystem::OverwriteInPlace(const std::string& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) return errno;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return errno;
    if (!S_ISREG(info.st_mode) || info.st_size != static_cast<off_t>(bytes.size())) return EINVAL;
    // One write at offset 0: a crash cannot tear a record this small.
    const ssize_t n = ::pwrite(fd.Get(), bytes.data(), bytes.size(), 0);
    if (n < 0) return errno;
    if (static_cast<size_t>(n) != bytes.size()) return EIO;
    return fd.Close();
}

int PosixFileSystem::AppendToFile(const std::string& path, std::string_view bytes) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) return errno == ELOOP ? ENODEV : errno;
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) return errno;
    if (!S_ISREG(info.st_mode)) return ENODEV;
    // Part of the bytes written (a disk that filled up) would read as whole lines of their
    // own: they are cut off again, which needs no space.
    int error = WriteAll(fd.Get(), bytes);
    if (error == 0 && ::fdatasync(fd.Get()) != 0) error = errno;
    if (error != 0) {
        ::ftruncate(fd.Get(), info.st_size);
        return error;
    }
    return fd.Close();
}

int PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

int PosixFileSystem::RenameNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    return errno == ENOTEMPTY ? EEXIST : errno;
}

int PosixFileSystem::Remove(const std::string& path) {
    if (::unlink(path.c_str()) == 0 || errno == ENOENT) return 0;
    if (errno != EISDIR) return errno;
    return ::rmdir(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

int PosixFileSystem::MakeDirectory(const std::string& path) {
    return ::mkdir(path.c_str(), 0755) == 0 ? 0 : errno;
}

int PosixFileSystem::ListDirectory(const std::string& path, std::vector<std::string>& names) {
    names.clear();
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return errno;
    errno = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
    }
    const int error = errno;
    ::closedir(dir);
    return error;
}

int PosixFileSystem::SyncDirectory(const std::string& directory) {
    Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.Get() < 0) return errno;
    return ::fsync(fd.Get()) == 0 ? 0 : errno;
}

PosixFileSystem& PosixFileSystem::Instance() {
    static PosixFileSystem files;
    return files;
}
