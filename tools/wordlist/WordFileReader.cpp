// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/WordFileReader.h"

#include "engine/AtomicFile.h"
#include "tools/wordlist/AnkiImporter.h"
#include "tools/wordlist/FormatGuesser.h"
#include "tools/wordlist/ImportedEntry.h"
#include "tools/wordlist/InputDecoder.h"
#include "tools/wordlist/KvtmlImporter.h"
#include "tools/wordlist/TextImporter.h"

namespace {

bool ReadEntries(const std::string& path, const std::string& bytes, ImportOptions options,
                 Diagnostics& diagnostics, std::vector<ImportedEntry>& entries) {
    if (options.format == ImportFormat::Guess) {
        options.format = FormatGuesser::Guess(path, bytes);
        diagnostics.Note(path, 0,
                         std::string("read as ") + FormatGuesser::Name(options.format) +
                             " (guessed; --format chooses)");
    }
    if (options.format == ImportFormat::Kvtml)
        return KvtmlImporter(options, diagnostics, path).Read(bytes, entries);
    std::string text;
    if (!InputDecoder::ToUtf8(bytes, options.cp1252Input, path, diagnostics, text)) return false;
    if (options.format == ImportFormat::Anki)
        entries = AnkiImporter(options, diagnostics, path).Read(text);
    else
        entries = TextImporter(options, diagnostics, path).Read(text);
    return diagnostics.ErrorCount() == 0;
}

}  // namespace

namespace WordFileReader {

WordFile Read(const std::string& path, const ImportOptions& import,
              const RecordEncoder::Options& encode, Diagnostics& diagnostics) {
    WordFile result;
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        diagnostics.Error(path, 0, "cannot read the file");
        return result;
    }
    std::vector<ImportedEntry> entries;
    if (!ReadEntries(path, bytes, import, diagnostics, entries)) return result;
    RecordEncoder encoder(encode, diagnostics, path);
    result.records = encoder.Encode(entries);
    result.refusedCount = encoder.RefusedCount();
    result.isReadable = true;
    return result;
}

}  // namespace WordFileReader
