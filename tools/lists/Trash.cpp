// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/lists/Trash.h"

#include "engine/AtomicFile.h"

#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <sys/stat.h>

namespace {

constexpr int kMaxAttempts = 10000;

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

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

// Reserves `info` by creating it exclusively, as the specification asks, so that two
// programs trashing at once never take the same name. 1: reserved, 0: taken, -1: failed.
int Reserve(const std::filesystem::path& info, const std::string& content, int& error) {
    const int fd = ::open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = errno;
        return error == EEXIST ? 0 : -1;
    }
    const bool written = WriteAll(fd, content);
    error = errno;
    ::close(fd);
    if (written) return 1;
    ::unlink(info.c_str());
    return -1;
}

bool MakeDirectory(const std::filesystem::path& dir, int& error) {
    if (::mkdir(dir.c_str(), 0700) == 0 || errno == EEXIST) return true;
    error = errno;
    return false;
}

}  // namespace

namespace Trash {

std::string EncodePath(const std::string& path) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : path) {
        const bool plain =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
            std::string_view("/-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
        if (plain) {
            encoded.push_back(static_cast<char>(c));
        } else {
            encoded.push_back('%');
            encoded.push_back(kHex[c >> 4]);
            encoded.push_back(kHex[c & 15]);
        }
    }
    return encoded;
}

bool Put(const std::filesystem::path& trashDir, const std::filesystem::path& item,
         const std::filesystem::path& originalPath, const std::string& wantedName,
         std::filesystem::path& trashed, std::string& error) {
    int code = 0;
    const std::filesystem::path files = trashDir / "files", info = trashDir / "info";
    if (!MakeDirectory(trashDir, code) || !MakeDirectory(files, code) ||
        !MakeDirectory(info, code)) {
        error = "cannot make the trash folder " + trashDir.string() + ": " + DescribeError(code);
        return false;
    }
    const std::string content = "[Trash Info]\nPath=" + EncodePath(originalPath.string()) +
                                "\nDeletionDate=" + Now() + "\n";
    for (int n = 1; n <= kMaxAttempts; ++n) {
        const std::string name = n == 1 ? wantedName : wantedName + "." + std::to_string(n);
        const std::filesystem::path infoFile = info / (name + ".trashinfo");
        const int reserved = Reserve(infoFile, content, code);
        if (reserved == 0) continue;
        if (reserved < 0) {
            error = "cannot write " + infoFile.string() + ": " + DescribeError(code);
            return false;
        }
        // Never over an item a trash left without its info file.
        const std::filesystem::path target = files / name;
        if (::renameat2(AT_FDCWD, item.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
            trashed = target;
            return true;
        }
        code = errno;
        ::unlink(infoFile.c_str());
        if (code == EEXIST || code == ENOTEMPTY) continue;
        error = code == EXDEV
                    ? "the trash (" + trashDir.string() +
                          ") is on another file system, and nothing is deleted here; " +
                          item.string() + " was left as it was"
                    : "cannot move " + item.string() + " to the trash: " + DescribeError(code);
        return false;
    }
    error = "no free name in the trash for " + wantedName;
    return false;
}

}  // namespace Trash
