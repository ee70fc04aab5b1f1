// SPDX-License-Identifier: GPL-2.0-or-later
// One importer of quibbix-wordlist on any bytes, chosen at build time by FUZZ_FORMAT: the
// text is decoded (guessing its encoding), read and encoded into records without harm, and every
// record written fits its fields.

#include "imports/AnkiImporter.h"
#include "imports/InputDecoder.h"
#include "imports/KvtmlImporter.h"
#include "imports/RecordEncoder.h"
#include "imports/TextImporter.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<ImportedEntry> Import(const std::string& bytes, Diagnostics& diagnostics) {
    ImportOptions options;
    options.format = ImportFormat::FUZZ_FORMAT;
    std::vector<ImportedEntry> entries;
    if (options.format == ImportFormat::Kvtml) {
        KvtmlImporter(options, diagnostics, "input").Read(bytes, entries);
        return entries;
    }
    // Whatever the bytes, they are read as UTF-8, by their byte order mark or by a guess.
    DecodedText decoded;
    if (!InputDecoder::Decode(bytes, "", "input", diagnostics, decoded)) return entries;
    if (options.format == ImportFormat::Anki)
        return AnkiImporter(options, diagnostics, "input").Read(decoded.Text());
    return TextImporter(options, diagnostics, "input").Read(decoded.Text());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ostringstream sink;
    Diagnostics diagnostics(sink);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::vector<ImportedEntry> entries = Import(bytes, diagnostics);
    RecordEncoder::Options encode;
    encode.skipBad = true;
    encode.truncate = true;
    RecordEncoder(encode, diagnostics, "input").Encode(entries);
    return 0;
}
