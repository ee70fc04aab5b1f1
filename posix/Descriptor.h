#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A file or socket descriptor that closes itself when it goes out of scope, for the POSIX
// calls the POSIX layer and the platform make.

#include <unistd.h>

#include <cerrno>

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, so that a failing close is seen.
    int Close() {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};
