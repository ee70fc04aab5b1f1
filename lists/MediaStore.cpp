// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/MediaStore.h"

#include "engine/LearnersWords.h"
#include "imports/CardMedia.h"

#include <QCryptographicHash>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <system_error>

#include "posix/Descriptor.h"

namespace fs = std::filesystem;

namespace {

constexpr size_t kChunk = 64 * 1024;
constexpr size_t kDigestDigits = 64;
constexpr const char* kTempPrefix = ".tmp-";

std::string Hex(const QByteArray& digest) { return digest.toHex().toStdString(); }

// `why`, marked in the context "MediaStore", with `what` for its %1.
std::string Noted(const std::string& what, const char* why) {
    return LearnersWords::Filled(LearnersWords::Said("MediaStore", why), {what});
}

// Opens a file for reading without following a link, and without waiting on a pipe.
int OpenForReading(const fs::path& path) {
    return ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// A new file in `dir` no other copy writes to; -1 when none can be made.
int CreateTemp(const fs::path& dir, fs::path& path) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        path = dir / (kTempPrefix + std::to_string(::getpid()) + "-" + std::to_string(counter++));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

MediaStore::MediaStore(fs::path folder, uint64_t maxListBytes, std::string dir)
    : m_folder(std::move(folder)), m_maxListBytes(maxListBytes), m_dir(std::move(dir)) {}

void MediaStore::Remove(const std::string& name) const {
    m_totalBytes.reset();
    std::error_code ignored;
    if (IsStoredName(name)) fs::remove(Dir() / name, ignored);
}

bool MediaStore::IsKnownExtension(std::string_view extension) {
    return MediaKind::IsPicture(extension) || MediaKind::IsSound(extension);
}

bool MediaStore::IsStoredName(std::string_view name) {
    if (name.size() <= kDigestDigits + 1 || name[kDigestDigits] != '.') return false;
    for (size_t i = 0; i < kDigestDigits; ++i) {
        const char c = name[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    }
    return IsKnownExtension(name.substr(kDigestDigits + 1));
}

std::optional<std::string> MediaStore::Add(const fs::path& source, const std::string& extension,
                                           std::string& note) {
    const std::string what = source.string();
    struct stat link {};
    if (::lstat(source.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        note = Noted(what,
                     QT_TRANSLATE_NOOP("MediaStore",
                                       "%1: a symbolic link, which is never followed; left out"));
        return std::nullopt;
    }
    const Descriptor in(OpenForReading(source));
    struct stat info {};
    if (in.Get() < 0 || ::fstat(in.Get(), &info) != 0) {
        note = LearnersWords::Filled(
            LearnersWords::Said("MediaStore", "%1: cannot be read (%2); left out"),
            {what, std::strerror(errno)});
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        note = Noted(what, QT_TRANSLATE_NOOP("MediaStore", "%1: not a regular file; left out"));
        return std::nullopt;
    }
    const uint64_t size = static_cast<uint64_t>(info.st_size);
    if (size > kMaxFileBytes) {
        note = Noted(what, QT_TRANSLATE_NOOP("MediaStore", "%1: larger than 16 MiB; left out"));
        return std::nullopt;
    }
    return Copy(
        [&in](char* buffer, size_t room) {
            ssize_t got;
            do got = ::read(in.Get(), buffer, room);
            while (got < 0 && errno == EINTR);
            return got;
        },
        extension, what, note);
}

std::optional<std::string> MediaStore::AddBytes(std::string_view bytes,
                                                const std::string& extension,
                                                const std::string& what, std::string& note) {
    if (bytes.size() > kMaxFileBytes) {
        note = Noted(what, QT_TRANSLATE_NOOP("MediaStore", "%1: larger than 16 MiB; left out"));
        return std::nullopt;
    }
    size_t given = 0;
    return Copy(
        [bytes, &given](char* buffer, size_t room) {
            const size_t piece = std::min(room, bytes.size() - given);
            std::memcpy(buffer, bytes.data() + given, piece);
            given += piece;
            return static_cast<ssize_t>(piece);
        },
        extension, what, note);
}

std::optional<std::string> MediaStore::Copy(const std::function<ssize_t(char*, size_t)>& next,
                                            const std::string& extension, const std::string& what,
                                            std::string& note) {
    std::error_code ignored;
    fs::create_directories(Dir(), ignored);
    fs::path temp;
    Descriptor out(CreateTemp(Dir(), temp));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::array<char, kChunk> buffer{};
    uint64_t copied = 0;
    bool ok = out.Get() >= 0;
    while (ok) {
        const ssize_t got = next(buffer.data(), buffer.size());
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        copied += static_cast<uint64_t>(got);
        // A file that grows while it is read is held to the limit all the same.
        ok = copied <= kMaxFileBytes && WriteAll(out.Get(), buffer.data(), size_t(got));
        hash.addData(QByteArrayView(buffer.data(), got));
    }
    ok = ok && ::fsync(out.Get()) == 0 && out.Close() == 0;
    if (!ok) {
        if (!temp.empty()) fs::remove(temp, ignored);
        note = Noted(what, QT_TRANSLATE_NOOP("MediaStore",
                                             "%1: could not be copied into the list; left out"));
        return std::nullopt;
    }
    return Keep(temp, Hex(hash.result()), extension, what, note);
}

std::optional<std::string> MediaStore::Keep(const fs::path& temp, const std::string& digest,
                                            const std::string& extension, const std::string& what,
                                            std::string& note) {
    std::error_code error;
    const std::string name = digest + "." + extension;
    if (!IsStoredName(name)) {
        fs::remove(temp, error);
        note = Noted(what,
                     QT_TRANSLATE_NOOP("MediaStore",
                                       "%1: not a picture or recording Quibbix keeps; left out"));
        return std::nullopt;
    }
    if (Verified(name)) {
        fs::remove(temp, error);
        return name;
    }
    // The copy lies in the folder already, and counts with the rest.
    const uint64_t size = fs::file_size(temp, error);
    if (error || TotalBytes() + size > m_maxListBytes) {
        fs::remove(temp, error);
        note = Noted(
            what,
            QT_TRANSLATE_NOOP("MediaStore",
                              "%1: the list's pictures and recordings would pass 1 GiB; left out"));
        return std::nullopt;
    }
    // Whatever stands under the name is not what the name says (a damaged or planted file):
    // the true bytes take its place.
    // A planted file under the name makes the total unknown again; otherwise it grows.
    const bool isReplacing = fs::exists(fs::symlink_status(Dir() / name, error));
    fs::rename(temp, Dir() / name, error);
    if (!error && m_totalBytes) {
        if (isReplacing)
            m_totalBytes.reset();
        else
            *m_totalBytes += size;
    }
    if (error) {
        fs::remove(temp, error);
        note = Noted(what, QT_TRANSLATE_NOOP("MediaStore",
                                             "%1: could not be copied into the list; left out"));
        return std::nullopt;
    }
    return name;
}

bool MediaStore::Has(const std::string& name) const {
    struct stat info {};
    return IsStoredName(name) && ::lstat((Dir() / name).c_str(), &info) == 0 &&
           S_ISREG(info.st_mode);
}

std::optional<fs::path> MediaStore::Verified(const std::string& name) const {
    if (!IsStoredName(name)) return std::nullopt;
    const fs::path path = Dir() / name;
    const Descriptor in(OpenForReading(path));
    struct stat info {};
    if (in.Get() < 0 || ::fstat(in.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<uint64_t>(info.st_size) > kMaxFileBytes)
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    std::array<char, kChunk> buffer{};
    uint64_t read = 0;
    for (;;) {
        const ssize_t got = ::read(in.Get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return std::nullopt;
        if (got == 0) break;
        read += static_cast<uint64_t>(got);
        if (read > kMaxFileBytes) return std::nullopt;
        hash.addData(QByteArrayView(buffer.data(), got));
    }
    if (Hex(hash.result()) != name.substr(0, kDigestDigits)) return std::nullopt;
    return path;
}

void MediaStore::KeepOnly(const std::set<std::string>& kept) const {
    m_totalBytes.reset();
    std::error_code error;
    for (fs::directory_iterator it(Dir(), error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        // remove_all takes a link away, never what it points at.
        if (!kept.count(name)) fs::remove_all(it->path(), error);
        error.clear();
    }
}

// Counted once for the store's life, then kept up as files come in: a deck of thousands of
// pictures would otherwise read the folder again for each.
uint64_t MediaStore::TotalBytes() const {
    if (m_totalBytes) return *m_totalBytes;
    uint64_t total = 0;
    std::error_code error;
    for (fs::directory_iterator it(Dir(), error), end; !error && it != end; it.increment(error)) {
        struct stat info {};
        if (it->path().filename().string().rfind(kTempPrefix, 0) != 0 &&
            ::lstat(it->path().c_str(), &info) == 0 && S_ISREG(info.st_mode))
            total += static_cast<uint64_t>(info.st_size);
    }
    m_totalBytes = total;
    return total;
}
