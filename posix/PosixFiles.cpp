// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/PosixFiles.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <sys/stat.h>

namespace {

bool WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return ::fsync(fd) == 0;
}

}  // namespace

namespace PosixFiles {

Stamp StampOf(const std::filesystem::path& path) {
    Stamp stamp;
    struct stat info;
    if (::stat(path.c_str(), &info) != 0) return stamp;
    stamp.exists = true;
    stamp.isRegular = S_ISREG(info.st_mode);
    stamp.isDirectory = S_ISDIR(info.st_mode);
    stamp.size = info.st_size;
    stamp.seconds = info.st_mtim.tv_sec;
    stamp.nanoseconds = info.st_mtim.tv_nsec;
    stamp.inode = info.st_ino;
    return stamp;
}

bool SetModified(const std::filesystem::path& path, const Stamp& stamp, int& error) {
    const timespec times[2] = {
        {0, UTIME_NOW}, {static_cast<time_t>(stamp.seconds), static_cast<long>(stamp.nanoseconds)}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0) return true;
    error = errno;
    return false;
}

std::string ReadHead(const std::filesystem::path& path, size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::string();
    struct stat info;
    std::string bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.assign(limit, '\0');
        const ssize_t n = ::read(fd, bytes.data(), limit);
        bytes.resize(n > 0 ? static_cast<size_t>(n) : 0);
    }
    ::close(fd);
    return bytes;
}

int CreateExclusive(const std::filesystem::path& path, const std::string& content, int& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno;
        return error == EEXIST ? 0 : -1;
    }
    const bool written = WriteAll(fd, content);
    error = errno;
    ::close(fd);
    if (written) return 1;
    ::unlink(path.c_str());
    return -1;
}

bool MakePrivateDirectory(const std::filesystem::path& dir, int& error) {
    if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) return true;
    error = errno;
    return false;
}

MoveResult MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to,
                         int& error) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return MoveResult::kMoved;
    error = errno;
    if (error == EEXIST || error == ENOTEMPTY) return MoveResult::kTargetExists;
    if (error == EXDEV) return MoveResult::kOtherFileSystem;
    return MoveResult::kFailed;
}

std::string LocalTimestamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

}  // namespace PosixFiles
