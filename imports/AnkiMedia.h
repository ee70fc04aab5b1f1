#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The media of an Anki package: its "media" member maps the names the notes use to the
// members holding the files, as JSON in older packages and as a zstd-compressed protocol
// buffer in current ones, whose files are zstd-compressed too. The archive stays open while
// the source lives, so that the files are read only once the words are chosen.

#include "imports/MediaSource.h"

#include <map>
#include <memory>
#include <string>

class ZipArchive;

class AnkiMedia : public MediaSource {
public:
    // The largest media map read; tens of thousands of names take a few megabytes.
    static constexpr size_t kMaxMapSize = size_t{16} << 20;

    // Reads the map of `zip`, which the source keeps open; a damaged or missing map is no
    // media at all.
    explicit AnkiMedia(std::shared_ptr<const ZipArchive> zip);

    bool IsEmpty() const { return m_members.empty(); }
    bool Has(const std::string& name) const { return m_members.count(name) != 0; }
    bool Check(const std::string& reference, std::string& note) const override;
    bool Fetch(const std::string& reference, File& file, std::string& note) const override;

    // The map's names and members, from the bytes of the "media" member as stored.
    static std::map<std::string, std::string> ReadMap(const std::string& stored);

private:
    std::shared_ptr<const ZipArchive> m_zip;
    std::map<std::string, std::string> m_members;  // by the name the notes use
};
