#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures and recordings of a list's cards, in its list/media/ folder. Each file is named
// by the SHA-256 of its bytes and its kind's extension, so a file is written once and never
// rewritten, the same picture on two cards is one file, and two computers that add it never
// conflict. Files come in a piece at a time, never whole in memory, and a file's bytes are
// checked against its name whenever it is read. What cannot come in (a symbolic link, which
// is never followed, anything but a regular file, a file past the limits, one that cannot be
// read) is left out with a note naming it.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <sys/types.h>

class MediaStore {
public:
    static constexpr uint64_t kMaxFileBytes = 16ull << 20;
    static constexpr uint64_t kMaxListBytes = 1ull << 30;
    // Relative to the list folder.
    static constexpr const char* kDir = "list/media";

    // The store of the list in `folder`; `maxListBytes` is for tests. `dir` is where the files
    // lie under `folder` (a sync folder keeps them in media/).
    explicit MediaStore(std::filesystem::path folder, uint64_t maxListBytes = kMaxListBytes,
                        std::string dir = kDir);

    // Copies `source` in as a file of extension `extension` ("png", "ogg"; see IsKnownExtension)
    // and answers its name in the store; nothing, with `note`, when it cannot come in.
    std::optional<std::string> Add(const std::filesystem::path& source,
                                   const std::string& extension, std::string& note);
    // The same for bytes already in memory (a member of an archive), named `what` in a note.
    std::optional<std::string> AddBytes(std::string_view bytes, const std::string& extension,
                                        const std::string& what, std::string& note);

    // Where the file `name` lies, when `name` is a name the store gives and the file there
    // is a regular file whose bytes still hash to it; nothing otherwise.
    std::optional<std::filesystem::path> Verified(const std::string& name) const;
    // Whether a file lies under `name`, unread (Verified reads it).
    bool Has(const std::string& name) const;
    // Removes the file `name`, if the store holds it.
    void Remove(const std::string& name) const;
    // Removes every file but those named in `kept`, and what an interrupted copy left.
    void KeepOnly(const std::set<std::string>& kept) const;
    // The bytes the store's files take, copies being written left out.
    uint64_t TotalBytes() const;

    // "<64 hex digits>.<known extension>".
    static bool IsStoredName(std::string_view name);
    static bool IsKnownExtension(std::string_view extension);

private:
    std::filesystem::path Dir() const { return m_folder / m_dir; }
    // Copies what `next` gives (as read() does: a piece, 0 at the end, -1 on failure) into a
    // new file of the store, hashing it on the way.
    std::optional<std::string> Copy(const std::function<ssize_t(char*, size_t)>& next,
                                    const std::string& extension, const std::string& what,
                                    std::string& note);
    // Moves the finished copy at `temp` to its name, or drops it when the name is there.
    std::optional<std::string> Keep(const std::filesystem::path& temp, const std::string& digest,
                                    const std::string& extension, const std::string& what,
                                    std::string& note);

    std::filesystem::path m_folder;
    uint64_t m_maxListBytes;
    std::string m_dir;
    // The bytes the store's files take, once counted.
    mutable std::optional<uint64_t> m_totalBytes;
};
