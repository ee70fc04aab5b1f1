// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiPackageReader.h"

#include "engine/LearnersWords.h"
#include "imports/AnkiCollection.h"
#include "imports/HtmlText.h"
#include "imports/ZipArchive.h"

#include <zstd.h>

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

struct DecompressContextFree {
    void operator()(ZSTD_DCtx* context) const { ZSTD_freeDCtx(context); }
};

}  // namespace

AnkiPackageReader::AnkiPackageReader(Diagnostics& diagnostics, std::string fileName)
    : m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

bool AnkiPackageReader::ReadFile(const std::string& path, std::vector<ImportedEntry>& entries) {
    ZipArchive zip;
    std::string error;
    if (!zip.Open(path, error))
        return Refuse(LearnersWords::Filled(
            LearnersWords::Said(
                "Import",
                "not a readable Anki package: the zip archive is damaged or cut short (%1)"),
            {error}));
    return ReadArchive(zip, entries);
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
    return ReadArchive(zip, entries);
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
        entries.push_back({++number, HtmlText::Flatten(note.front), HtmlText::Flatten(note.back)});
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

// Streams rather than trusting the size a frame states, so a small file that unpacks to
// gigabytes stops at the limit.
bool AnkiPackageReader::Decompress(const std::string& compressed, std::string& image) {
    const std::unique_ptr<ZSTD_DCtx, DecompressContextFree> context(ZSTD_createDCtx());
    if (!context)
        return Refuse(LearnersWords::Said("Import", "out of memory unpacking the collection"));
    ZSTD_inBuffer in = {compressed.data(), compressed.size(), 0};
    std::string chunk(ZSTD_DStreamOutSize(), '\0');
    size_t pending = 0;  // nonzero while a frame is unfinished
    for (;;) {
        ZSTD_outBuffer out = {chunk.data(), chunk.size(), 0};
        pending = ZSTD_decompressStream(context.get(), &out, &in);
        if (ZSTD_isError(pending))
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said(
                    "Import", "the Anki package is damaged: its collection does not unpack (%1)"),
                {ZSTD_getErrorName(pending)}));
        if (image.size() + out.pos > kMaxCollectionSize)
            return Refuse(LearnersWords::Filled(
                LearnersWords::Said(
                    "Import", "the collection unpacks to more than %1 MiB; refused as damaged"),
                {std::to_string(kMaxCollectionSize >> 20)}));
        image.append(chunk.data(), out.pos);
        // The input may be used up with output still to flush; the end is where a call with
        // no input left gives nothing more.
        if (in.pos == in.size && (pending == 0 || out.pos == 0)) break;
    }
    if (pending != 0)
        return Refuse(LearnersWords::Said(
            "Import", "the Anki package is damaged: its collection is cut short"));
    return true;
}

bool AnkiPackageReader::Refuse(const std::string& reason) {
    m_diagnostics.Error(m_fileName, 0, reason);
    return false;
}
