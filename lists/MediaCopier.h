#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Brings the pictures and recordings an importer found into a list's media store, each
// looked at first (MediaCheck), and gives the names they are kept under. A file many cards
// name is fetched and copied once.

#include "imports/CardMedia.h"
#include "imports/MediaSource.h"
#include "lists/MediaStore.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

class MediaCopier {
public:
    // `source` must outlive the copier; `notes` gets a note for each file left out.
    MediaCopier(const std::filesystem::path& folder, const MediaSource& source,
                std::vector<std::string>& notes);

    // The names in the store of what `references` name; empty where a file was left out.
    CardMedia Bring(const CardMedia& references);

private:
    std::string BringOne(const std::string& reference);
    std::optional<std::string> Copy(const MediaSource::File& file, std::string& note);

    MediaStore m_store;
    const MediaSource& m_source;
    std::vector<std::string>& m_notes;
    std::map<std::string, std::string> m_brought;  // by reference; empty when left out
};
