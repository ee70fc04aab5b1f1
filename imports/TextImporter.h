#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads word and definition columns from delimited text: CSV, tab-separated text as KDE's
// trainers and older Anki write it, and Mnemosyne's tab-separated export.

#include "imports/DelimitedParser.h"
#include "imports/Diagnostics.h"
#include "imports/ImportOptions.h"
#include "imports/ImportedEntry.h"

#include <string>
#include <string_view>
#include <vector>

class TextImporter {
public:
    // `diagnostics` must outlive the importer. `options.format` is Tsv, Csv or Mnemosyne.
    TextImporter(const ImportOptions& options, Diagnostics& diagnostics, std::string fileName);

    // `text` is UTF-8 without a byte order mark. Past kMaxImportedEntries entries the
    // reading stops with an error.
    std::vector<ImportedEntry> Read(std::string_view text);

    // True when the two texts read like column titles ("word", "definition") rather than an
    // entry; shared with the Anki reader.
    static bool LooksLikeHeader(const std::string& word, const std::string& definition);

private:
    char ChooseSeparator(std::string_view text) const;
    bool IsHeaderRow(const ParsedRow& first);
    ImportedEntry MakeEntry(const ParsedRow& row) const;
    int DefinitionColumn(size_t fieldCount) const;
    std::string Clean(const std::string& text) const;

    ImportOptions m_options;
    Diagnostics& m_diagnostics;
    std::string m_fileName;
};
