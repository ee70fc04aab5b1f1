#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the pictures and recordings an importer found can be fetched from once the words are
// chosen: files beside a document, or the members of a package kept open until then.

#include <cstdint>
#include <filesystem>
#include <string>

class MediaSource {
public:
    // One file to copy into a list: a file on the disk, or bytes an archive gave.
    struct File {
        std::filesystem::path path;  // empty when the bytes are in `bytes`
        std::string bytes;
        std::string extension;  // see MediaKind::ExtensionOf
        std::string what;       // how a note names it
    };

    static constexpr uint64_t kMaxFileBytes = uint64_t{16} << 20;

    virtual ~MediaSource() = default;
    // Whether `reference` names a file that can come in, as far as can be told without
    // reading it; false, with `note` naming it, when it cannot.
    virtual bool Check(const std::string& reference, std::string& note) const = 0;
    // The file `reference` (as the importer put it in a CardMedia) names; false, with `note`
    // naming it, when it cannot be had.
    virtual bool Fetch(const std::string& reference, File& file, std::string& note) const = 0;
};
