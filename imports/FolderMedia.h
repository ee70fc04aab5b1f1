#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The media of a document that names files beside it (KVTML's <image> and <sound>): a
// reference is the path the importer worked out, which is fetched as it stands. The store
// that copies it refuses links and anything but a regular file.

#include "imports/MediaSource.h"

class FolderMedia : public MediaSource {
public:
    bool Check(const std::string& reference, std::string& note) const override;
    bool Fetch(const std::string& reference, File& file, std::string& note) const override;

    // The path a document at `document` means by `written`: relative to the document's
    // folder, or a file: URL; empty, with `note`, for anything else (a web address).
    static std::string Resolve(const std::filesystem::path& document, const std::string& written,
                               std::string& note);
};
