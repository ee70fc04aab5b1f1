// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/RaiseChannel.h"

#include <QSocketNotifier>

#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include "posix/Descriptor.h"

namespace {

constexpr char kRequest[] = "raise";
constexpr char kClose[] = "close";
constexpr char kAnswer[] = "ok\n";
// A request is read within this time, or dropped: only the user can connect, but the window
// must not wait for a client that says nothing.
constexpr int kRequestWaitMs = 300;
// An activation token is short; a longer request is no request of ours.
constexpr size_t kLongestRequest = 1024;

bool AddressOf(const std::string& path, sockaddr_un& address) {
    address = {};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// Reads up to a line break or the end, waiting at most `waitMs` in all.
std::string ReadLine(int fd, int waitMs) {
    std::string line;
    char buffer[256];
    while (line.size() < kLongestRequest && line.find('\n') == std::string::npos) {
        pollfd ready{fd, POLLIN, 0};
        if (::poll(&ready, 1, waitMs) <= 0) break;
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n <= 0) break;
        line.append(buffer, static_cast<size_t>(n));
    }
    return line.substr(0, line.find('\n'));
}

// The user's runtime folder, which only its owner can enter; without one (a session that
// sets none) a folder of the same kind under /tmp, made if missing, and refused unless it is
// the user's own and closed to others.
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && runtime[0] == '/') return runtime;
    const std::string folder = "/tmp/quibbix-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::getuid() || (info.st_mode & 077) != 0)
        return {};
    return folder;
}

}  // namespace

std::string RaiseChannel::PathFor(const std::filesystem::path& folder,
                                  const std::string& sessionName) {
    const std::string runtime = RuntimeFolder();
    if (runtime.empty()) return {};
    std::error_code ignored;
    const std::string key =
        std::filesystem::weakly_canonical(folder, ignored).string() + "\n" + sessionName;
    char name[64];
    std::snprintf(name, sizeof name, "/quibbix-%016zx.sock", std::hash<std::string>()(key));
    return runtime + name;
}

std::string RaiseChannel::ActivationToken() {
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const char* token = std::getenv(name);
        if (token && *token) return token;
    }
    return {};
}

bool RaiseChannel::Ask(const std::string& path, const std::string& token, int timeoutMs) {
    if (token.find('\n') != std::string::npos) return false;
    return Send(path, std::string(kRequest) + " " + token + "\n", timeoutMs);
}

bool RaiseChannel::AskToClose(const std::string& path, int timeoutMs) {
    return Send(path, std::string(kClose) + "\n", timeoutMs);
}

bool RaiseChannel::Send(const std::string& path, const std::string& request, int timeoutMs) {
    sockaddr_un address;
    if (!AddressOf(path, address)) return false;
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.Get() < 0 ||
        ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    if (::send(fd.Get(), request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size()))
        return false;
    return ReadLine(fd.Get(), timeoutMs) + "\n" == kAnswer;
}

RaiseChannel::RaiseChannel() = default;

RaiseChannel::~RaiseChannel() {
    m_notifier.reset();
    if (m_fd < 0) return;
    ::close(m_fd);
    ::unlink(m_path.c_str());
}

bool RaiseChannel::Listen(const std::string& path,
                          std::function<void(const std::string& token)> raise,
                          std::function<void()> close) {
    sockaddr_un address;
    if (m_fd >= 0 || !AddressOf(path, address)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    // A socket left there is a window that ended without removing it: the folder lock the
    // caller holds says no other listens for this list now.
    ::unlink(path.c_str());
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd, 4) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_raise = std::move(raise);
    m_close = std::move(close);
    m_notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] { Answer(); });
    return true;
}

void RaiseChannel::Answer() {
    Descriptor client(::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC));
    if (client.Get() < 0) return;
    const std::string request = ReadLine(client.Get(), kRequestWaitMs);
    const std::string prefix = std::string(kRequest) + " ";
    const bool isRaise = request.compare(0, prefix.size(), prefix) == 0;
    const bool isClose = request == kClose && m_close;
    if (!isRaise && !isClose) return;
    ::send(client.Get(), kAnswer, sizeof kAnswer - 1, MSG_NOSIGNAL);
    if (isClose) {
        m_close();
    } else if (m_raise) {
        m_raise(request.substr(prefix.size()));
    }
}
