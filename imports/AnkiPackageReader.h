#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the decks people download and share, Anki packages (.apkg, and whole collections as
// .colpkg): a zip archive holding the collection database, zstd-compressed in current
// exports, beside the media. Each note gives an entry, its first field the word and its
// second the definition, flattened from HTML, with the first picture and sound of each.

#include "imports/Diagnostics.h"
#include "imports/ImportedEntry.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

class MediaSource;
class ZipArchive;

class AnkiPackageReader {
public:
    // The largest collection unpacked; a large deck of ten thousand notes is a few
    // megabytes, so beyond this the package is damaged or built to fill the memory.
    static constexpr size_t kMaxCollectionSize = size_t{128} << 20;

    // `diagnostics` must outlive the reader.
    AnkiPackageReader(Diagnostics& diagnostics, std::string fileName);

    // Reads the package in the file `path`, or held in `bytes`; false, with the reason
    // reported, when it is refused. Entries are numbered by note, from 1, for messages.
    bool ReadFile(const std::string& path, std::vector<ImportedEntry>& entries);
    bool ReadBytes(const std::string& bytes, std::vector<ImportedEntry>& entries);

    // The name of the deck that holds every note, or empty.
    const std::string& Title() const { return m_title; }
    // The package's media, once a file is read; nothing when it holds none.
    std::shared_ptr<const MediaSource> Media() const { return m_media; }

private:
    bool ReadArchive(const ZipArchive& zip, std::vector<ImportedEntry>& entries);
    bool HasKnownVersion(const ZipArchive& zip);
    bool Unpack(const ZipArchive& zip, const std::string& name, bool isCompressed,
                std::string& image);
    bool Decompress(const std::string& compressed, std::string& image);
    bool Refuse(const std::string& reason);

    Diagnostics& m_diagnostics;
    std::string m_fileName;
    std::string m_title;
    std::shared_ptr<const MediaSource> m_media;
};
