#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Builds Anki packages for the tests and the benchmark with the libraries real exports are
// made with (SQLite, zstd, libzip), in the older schema (decks and note types as JSON in
// the col table) or the current one (their own tables, the collection zstd-compressed).
// Aborts the run when a library fails, as a broken fixture must not pass for a refusal.

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

struct AnkiPackageContents {
    enum class Schema { kLegacy, kCurrent };
    struct Note {
        std::vector<std::string> fields;  // as Anki stores them, HTML
        int64_t deckId = 1;
        bool isCloze = false;
    };

    Schema schema = Schema::kCurrent;
    std::map<int64_t, std::string> decks = {{1, "Default"}};  // levels joined by "::"
    std::vector<Note> notes;
    // Media files by name; a package numbers them and maps the numbers in "media".
    std::vector<std::pair<std::string, std::string>> media;
    bool isWal = false;  // marks the database file as in WAL mode
};

// Entries of a zip archive, in order: name and bytes.
using ZipEntries = std::vector<std::pair<std::string, std::string>>;

namespace AnkiPackageBuilder {

// A database image made by running `sql` on an empty database.
std::string DatabaseImage(const std::string& sql);
// The collection database of `contents`, in its schema.
std::string CollectionImage(const AnkiPackageContents& contents);
std::string Zstd(const std::string& bytes);
// The entries an export of `contents` holds: the current schema adds the old-style collection
// with its one "update Anki" note, and a "meta" entry.
ZipEntries PackageEntries(const AnkiPackageContents& contents);
// `password`, when given, encrypts every entry (AES-256); `store` leaves them uncompressed.
void WriteZip(const std::string& path, const ZipEntries& entries, const char* password = nullptr,
              bool store = false);
void WritePackage(const std::string& path, const AnkiPackageContents& contents);

// `notes` notes of a GRE deck with HTML in their fields and one media file, as the import
// benchmarks read them.
AnkiPackageContents SampleDeck(int notes);

}  // namespace AnkiPackageBuilder
