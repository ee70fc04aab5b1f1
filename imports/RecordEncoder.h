#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Turns imported entries into word records: stores each text in Windows-1252 or UTF-8 and
// refuses, with a message naming the line, whatever the program could not show or would
// misread.

#include "engine/WordRecord.h"
#include "imports/Diagnostics.h"
#include "imports/FieldEncoder.h"
#include "imports/ImportedEntry.h"

#include <string>
#include <vector>

class RecordEncoder {
public:
    struct Options {
        bool skipBad = false;   // write the good entries when some are refused
        bool truncate = false;  // cut over-long texts at a word boundary
        bool dedupe = false;    // keep only the first entry of a word
        FieldEncoder::Encoding encoding = FieldEncoder::Encoding::Auto;
    };

    // `diagnostics` must outlive the encoder.
    RecordEncoder(const Options& options, Diagnostics& diagnostics, std::string fileName);

    // The records of the entries that were not refused, in input order; `kept`, when given,
    // gets the index in `entries` of each.
    std::vector<WordRecord> Encode(const std::vector<ImportedEntry>& entries,
                                   std::vector<size_t>* kept = nullptr);
    int RefusedCount() const { return m_refused; }

private:
    bool EncodeText(const ImportedEntry& entry, const std::string& text, bool isWord,
                    std::string& bytes);
    void Refuse(const ImportedEntry& entry, const std::string& text);

    Options m_options;
    Diagnostics& m_diagnostics;
    std::string m_fileName;
    int m_refused = 0;
};
