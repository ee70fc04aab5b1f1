// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/WordFileReader.h"

#include "engine/FileSystem.h"
#include "engine/LearnersWords.h"
#include "imports/AnkiImporter.h"
#include "imports/AnkiPackageReader.h"
#include "imports/FolderMedia.h"
#include "imports/FormatGuesser.h"
#include "imports/ImportAdvice.h"
#include "imports/ImportedEntry.h"
#include "imports/InputDecoder.h"
#include "imports/KvtmlImporter.h"
#include "imports/TextImporter.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

// Enough for every magic number the guesser looks at.
constexpr size_t kHeadSize = 8;

// The first bytes of a regular file; false for anything else, which is left to the whole
// read to refuse (a pipe would block a reader that opens it by name).
bool ReadHead(const std::string& path, std::string& head) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    char bytes[kHeadSize];
    in.read(bytes, sizeof bytes);
    head.assign(bytes, static_cast<size_t>(in.gcount()));
    return static_cast<bool>(in) || in.eof();
}

void NoteGuess(const std::string& path, ImportFormat format, Diagnostics& diagnostics) {
    diagnostics.Note(path, 0,
                     LearnersWords::Filled(LearnersWords::Said("Import", "read as %1"),
                                           {FormatGuesser::Name(format)}) +
                         ImportAdvice::Text(ImportAdvice::kFormatChooses));
}

// The first entry reads like column titles ("word", "definition") and was kept.
bool HeaderLikely(const ImportOptions& options, const std::vector<ImportedEntry>& entries) {
    return options.header == HeaderRow::kNote && !entries.empty() &&
           TextImporter::LooksLikeHeader(entries.front().word, entries.front().definition);
}

// Takes `bytes` to decode them in place and let them go as soon as they are read. KVTML is
// XML, which names its own encoding; every other format is decoded first and its format
// guessed from the decoded text, as UTF-16 hides its tabs and commas among NUL bytes.
bool ReadText(const std::string& path, std::string bytes, ImportOptions options,
              Diagnostics& diagnostics, std::vector<ImportedEntry>& entries, WordFile& file) {
    const bool isGuessed = options.format == ImportFormat::Guess;
    if (isGuessed && FormatGuesser::Guess(path, bytes) == ImportFormat::Kvtml)
        options.format = ImportFormat::Kvtml;
    if (options.format == ImportFormat::Kvtml) {
        if (isGuessed) NoteGuess(path, options.format, diagnostics);
        KvtmlImporter importer(options, diagnostics, path);
        const bool isRead = importer.Read(bytes, entries);
        file.mediaSource = std::make_shared<FolderMedia>();
        file.title = importer.Title();
        file.wordLocale = importer.WordLocale();
        file.definitionLocale = importer.DefinitionLocale();
        return isRead;
    }
    DecodedText decoded;
    if (!InputDecoder::Decode(bytes, options.inputEncoding, path, diagnostics, decoded)) {
        file.isUndecodable = true;
        return false;
    }
    file.encoding = decoded.Encoding();
    file.encodingConfidence = decoded.Confidence();
    if (isGuessed) {
        options.format = FormatGuesser::Guess(path, decoded.Text());
        NoteGuess(path, options.format, diagnostics);
    }
    if (options.format == ImportFormat::Anki)
        entries = AnkiImporter(options, diagnostics, path).Read(decoded.Text());
    else
        entries = TextImporter(options, diagnostics, path).Read(decoded.Text());
    file.headerLikely = HeaderLikely(options, entries);
    return diagnostics.ErrorCount() == 0;
}

// Packages are opened by name rather than read whole: with their media they are often far
// larger than any text file.
bool ReadEntries(const std::string& path, const ImportOptions& options, Diagnostics& diagnostics,
                 std::vector<ImportedEntry>& entries, WordFile& file) {
    std::string head;
    const bool isFile = ReadHead(path, head);
    if (isFile && FormatGuesser::IsSpreadsheet(path, head)) {
        diagnostics.Error(
            path, 0,
            LearnersWords::Said(
                "Import",
                "this is a spreadsheet; save it as CSV (comma-separated values) and import that"));
        return false;
    }
    ImportFormat format = options.format;
    if (format == ImportFormat::Guess && isFile && FormatGuesser::IsAnkiPackage(path, head)) {
        format = ImportFormat::AnkiPackage;
        NoteGuess(path, format, diagnostics);
    }
    if (format != ImportFormat::AnkiPackage || !isFile) {
        std::string bytes;
        const int error = DefaultFileSystem().ReadFile(path, bytes);
        if (error == EFBIG) {
            diagnostics.Error(
                path, 0,
                LearnersWords::Filled(
                    LearnersWords::Said(
                        "Import", "larger than %1 MiB, the most a word file may be; nothing read"),
                    {std::to_string(FileSystem::kMaxReadSize >> 20)}));
            return false;
        }
        if (error != 0) {
            diagnostics.Error(path, 0, LearnersWords::Said("Import", "cannot read the file"));
            return false;
        }
        return ReadText(path, std::move(bytes), options, diagnostics, entries, file);
    }
    AnkiPackageReader reader(diagnostics, path);
    if (!reader.ReadFile(path, entries)) return false;
    file.title = reader.Title();
    file.mediaSource = reader.Media();
    return true;
}

// Keeps what the source can bring of each kept entry's media, and says once of each
// reference that it cannot (a missing picture many cards name is one note).
void TakeMedia(const std::string& path, const std::vector<ImportedEntry>& entries,
               const std::vector<size_t>& kept, Diagnostics& diagnostics, WordFile& file) {
    std::map<std::string, bool> checked;
    const auto usable = [&](std::string& reference, int line) {
        if (reference.empty()) return;
        auto [known, isNew] = checked.emplace(reference, false);
        std::string note;
        if (isNew && file.mediaSource) known->second = file.mediaSource->Check(reference, note);
        if (isNew && !note.empty()) diagnostics.Note(path, line, note);
        if (!known->second) reference.clear();
    };
    bool hasAny = false;
    std::vector<CardMedia> media(kept.size());
    for (size_t i = 0; i < kept.size(); ++i) {
        const ImportedEntry& entry = entries[kept[i]];
        if (entry.media.IsEmpty()) continue;
        media[i] = entry.media;
        for (std::string* reference : {&media[i].wordPicture, &media[i].wordSound,
                                       &media[i].definitionPicture, &media[i].definitionSound})
            usable(*reference, entry.line);
        hasAny = hasAny || !media[i].IsEmpty();
    }
    if (hasAny)
        file.media = std::move(media);
    else
        file.mediaSource.reset();
}

}  // namespace

namespace WordFileReader {

WordFile Read(const std::string& path, const ImportOptions& import,
              const RecordEncoder::Options& encode, Diagnostics& diagnostics) {
    WordFile result;
    std::vector<ImportedEntry> entries;
    if (!ReadEntries(path, import, diagnostics, entries, result)) return result;
    RecordEncoder encoder(encode, diagnostics, path);
    std::vector<size_t> kept;
    result.records = encoder.Encode(entries, &kept);
    TakeMedia(path, entries, kept, diagnostics, result);
    result.refusedCount = encoder.RefusedCount();
    result.isReadable = true;
    return result;
}

}  // namespace WordFileReader
