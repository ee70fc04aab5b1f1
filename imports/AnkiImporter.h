#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads Anki's "Notes in Plain Text" export: the "#key:value" header lines, fields quoted
// RFC 4180 style with the header's separator, the guid, note type, deck and tags columns
// left out, and HTML fields flattened to text.

#include "imports/DelimitedParser.h"
#include "imports/Diagnostics.h"
#include "imports/ImportOptions.h"
#include "imports/ImportedEntry.h"

#include <string>
#include <string_view>
#include <vector>

class AnkiImporter {
public:
    // `diagnostics` must outlive the importer.
    AnkiImporter(const ImportOptions& options, Diagnostics& diagnostics, std::string fileName);

    // `text` is UTF-8 without a byte order mark. Past kMaxImportedEntries entries the
    // reading stops with an error.
    std::vector<ImportedEntry> Read(std::string_view text);

    // True when the text opens with Anki's header lines.
    static bool HasHeader(std::string_view text);

private:
    struct Header {
        char separator = 0;
        int html = -1;  // -1: not stated
        std::vector<int> metaColumns;
        std::vector<std::string> columnNames;
        // Worked out once from the above, not for every row (see Settle).
        int namedWordColumn = 0, namedDefinitionColumn = 0;
        int firstDataColumns[2] = {0, 0};
    };

    static void Settle(Header& header);

    size_t ReadHeader(std::string_view text, Header& header, int& lines);
    void ReadHeaderLine(const std::string& key, const std::string& value, Header& header);
    static char GuessSeparator(std::string_view data);
    ImportedEntry MakeEntry(const Header& header, bool html, const ParsedRow& row) const;
    void ChooseColumns(const Header& header, size_t fieldCount, int& wordColumn,
                       int& definitionColumn) const;

    ImportOptions m_options;
    Diagnostics& m_diagnostics;
    std::string m_fileName;
};
