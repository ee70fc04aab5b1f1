// SPDX-License-Identifier: GPL-2.0-or-later
// The Anki package reader on any bytes: a zip archive, a zstd stream and an SQLite database
// that may each be damaged or built to harm, read without a crash and within the size cap.

#include "imports/AnkiPackageReader.h"
#include "imports/RecordEncoder.h"

#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::ostringstream sink;
    Diagnostics diagnostics(sink);
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::vector<ImportedEntry> entries;
    AnkiPackageReader(diagnostics, "input").ReadBytes(bytes, entries);
    RecordEncoder::Options encode;
    encode.skipBad = true;
    encode.truncate = true;
    RecordEncoder(encode, diagnostics, "input").Encode(entries);
    return 0;
}
