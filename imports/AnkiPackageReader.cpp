// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiPackageReader.h"

#include "engine/LearnersWords.h"
#include "imports/AnkiCollection.h"
#include "imports/AnkiMedia.h"
#include "imports/HtmlText.h"
#include "imports/ZipArchive.h"
#include "imports/ZstdStream.h"

#include <memory>

namespace {

struct CollectionFile {
    const char* name;
    bool isCompressed;
};

// Newest first: a current export also holds an old-style collection.anki2 whose one note
// asks the user to update Anki, for programs that know only the old name.
constexpr CollectionFile kCollections[] = {
    {"collection.anki21b", true},
    {"collection.anki21", false},
    {"collection.anki2", false},
};

// The "meta" entry of current packages is a protocol buffer whose field 1 gives the package
// version: 1 and 2 the older collection files, 3 the zstd-compressed one.
constexpr unsigned kNewestPackageVersion = 3;
constexpr unsigned char kVersionFieldTag = 0x08;  // field 1, varint
constexpr size_t kMaxMetaSize = 4096;

constexpr const char* kUpdateAnki = QT_TRANSLATE_NOOP(
    "Import",
    "; it may come from a newer Anki: export it again with \"Support older Anki versions\" "
    "ticked");

}  // namespace

AnkiPackageReader::AnkiPackageReader(Diagnostics& diagnostics, std::string fileName)
    : m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

bool AnkiPackageReader::ReadFile(const std::string& path, std::vector<ImportedEntry>& entries) {
    // Kept open by the media, which are read only once the words are chosen.
    const auto zip = std::make_shared<ZipArchive>();
    std::string error;
    if (!zip->Open(path, error))
        return Refuse(LearnersWords::Filled(
            LearnersWords::Said(
                "Import",
                "not a readable Anki package: the zip archive is damaged or cut short (%1)"),
            {error}));
    if (!ReadArchive(*zip, entries)) return false;
    auto media = std::make_shared<AnkiMedia>(zip);
    if (!media->IsEmpty()) m_media = std::move(media);
    return true;
}

bool AnkiPackageReader::ReadBytes(const std::string& bytes, std::vector<ImportedEntry>& entries) {
    ZipArchive zip;
    std::string error;
    if (!zip.OpenBytes(bytes, error))
        return Refuse(LearnersWords::Filled(
            LearnersWords::Said(
                "Import",
                "not a readable Anki package: the zip archive is damaged or cut short (%1)"),
            {error}));
    if (!ReadArchive(zip, entries)) return false;
    // The media map is read as a file's is, though bytes in memory give no media to keep.
    const AnkiMedia media(std::shared_ptr<const ZipArchive>(&zip, [](const ZipArchive*) {}));
    static_cast<void>(media);
    return true;
}

bool AnkiPackageReader::ReadArchive(const ZipArchive& zip, std::vector<ImportedEntry>& entries) {
    if (!HasKnownVersion(zip)) return false;
    const CollectionFile* chosen = nullptr;
    for (const CollectionFile& file : kCollections) {
        if (zip.Has(file.name)) {
            chosen = &file;
            break;
        }
    }
    if (!chosen)
        return Refuse(
            LearnersWords::Said("Import",
                                "not an Anki package: the zip archive holds no collection "
                                "(collection.anki21b, collection.anki21 or collection.anki2)"));
    std::string image;
    if (!Unpack(zip, chosen->name, chosen->isCompressed, image)) return false;
    AnkiCollection collection;
    std::string error;
    if (!collection.Read(image, error))
        return Refuse(LearnersWords::Filled(
            LearnersWords::Said("Import", "not a readable Anki collection in %1: %2"),
            {chosen->name, error}));
    // The image and each note go once read, so that the notes, their entries and the
    // database are not all held at once.
    std::string().swap(image);
    std::vector<AnkiCollection::Note> notes = collection.TakeNotes();
    entries.reserve(notes.size());
    int number = 0;
    for (AnkiCollection::Note& note : notes) {
        CardMedia media;
        media.wordPicture = HtmlText::FirstPicture(note.front);
        media.wordSound = HtmlText::FirstSound(note.front);
        media.definitionPicture = HtmlText::FirstPicture(note.back);
        media.definitionSound = HtmlText::FirstSound(note.back);
        entries.push_back({++number, HtmlText::Flatten(note.front), HtmlText::Flatten(note.back),
                           std::move(media)});
        note = AnkiCollection::Note();
    }
    m_title = collection.DeckName();
    return true;
}

bool AnkiPackageReader::HasKnownVersion(const ZipArchive& zip) {
    std::string meta, error;
    if (zip.Read("meta", kMaxMetaSize, meta, error) != ZipArchive::ReadResult::kOk ||
        meta.size() < 2 || static_cast<unsigned char>(meta[0]) != kVersionFieldTag)
        return true;
    unsigned version = 0;
    for (size_t i = 1, shift = 0; i < meta.size() && shift < 32; ++i, shift += 7) {
        const unsigned char byte = static_cast<unsigned char>(meta[i]);
        version |= static_cast<unsigned>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) break;
    }
    if (version <= kNewestPackageVersion) return true;
    return Refuse(
        LearnersWords::Filled(LearnersWords::Said("Import", "unknown Anki package version %1"),
                              {std::to_string(version)}) +
        LearnersWords::Said("Import", kUpdateAnki));
}

bool AnkiPackageReader::Unpack(const ZipArchive& zip, const std::string& name, bool isCompressed,
                               std::string& image) {
    std::string bytes, error;
    switch (zip.Read(name, kMaxCollectionSize, bytes, error)) {
        case ZipArchive::ReadResult::kOk:
            break;
        case ZipArchive::ReadResult::kEncrypted:
            return Refuse(LearnersWords::Said("Import",
                                              "the Anki package is encrypted (a zip with a "
                                              "password), which Anki never writes; nothing read"));
        case ZipArchive::ReadResult::kTooLarge:
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said("Import", "%1 is larger than %2 MiB; refused as damaged"),
                {name, std::to_string(kMaxCollectionSize >> 20)}));
        case ZipArchive::ReadResult::kMissing:
        case ZipArchive::ReadResult::kDamaged:
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said("Import",
                                    "the Anki package is damaged: %1 cannot be read (%2)"),
                {name, error}));
    }
    if (!isCompressed) {
        image = std::move(bytes);
        return true;
    }
    return Decompress(bytes, image);
}

bool AnkiPackageReader::Decompress(const std::string& compressed, std::string& image) {
    std::string error;
    switch (ZstdStream::Unpack(compressed, kMaxCollectionSize, image, error)) {
        case ZstdStream::Result::kOk:
            return true;
        case ZstdStream::Result::kNoMemory:
            return Refuse(LearnersWords::Said("Import", "out of memory unpacking the collection"));
        case ZstdStream::Result::kDamaged:
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said(
                    "Import", "the Anki package is damaged: its collection does not unpack (%1)"),
                {error}));
        case ZstdStream::Result::kTooLarge:
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said(
                    "Import", "the collection unpacks to more than %1 MiB; refused as damaged"),
                {std::to_string(kMaxCollectionSize >> 20)}));
        case ZstdStream::Result::kCutShort:
            break;
    }
    return Refuse(
        LearnersWords::Said("Import", "the Anki package is damaged: its collection is cut short"));
}

bool AnkiPackageReader::Refuse(const std::string& reason) {
    m_diagnostics.Error(m_fileName, 0, reason);
    return false;
}
