// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/FolderLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <sys/file.h>

FolderLock::~FolderLock() {
    if (m_fd >= 0) ::close(m_fd);
}

FolderLock::Result FolderLock::Acquire(const std::string& sessionDirectory, int& error) {
    const int fd = ::open(sessionDirectory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return error == ENOENT ? Result::kNoDirectory : Result::kFailed;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Result::kHeldElsewhere : Result::kFailed;
    }
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
    error = 0;
    return Result::kLocked;
}

FolderLock::Result FolderLock::AcquireWaiting(const std::string& directory, int timeoutMs,
                                              int& error) {
    constexpr int kPollMs = 10;
    for (int waited = 0;; waited += kPollMs) {
        const Result result = Acquire(directory, error);
        if (result != Result::kHeldElsewhere || waited >= timeoutMs) return result;
        ::usleep(kPollMs * 1000);
    }
}
