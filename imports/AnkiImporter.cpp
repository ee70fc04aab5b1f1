// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/AnkiImporter.h"

#include "engine/LearnersWords.h"
#include "imports/DelimitedParser.h"
#include "imports/HtmlText.h"
#include "imports/ImportAdvice.h"
#include "imports/TextImporter.h"
#include "imports/TextTidy.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

constexpr const char* kKnownKeys[] = {
    "separator",       "html",        "tags",        "columns",     "notetype",    "deck",
    "notetype column", "deck column", "tags column", "guid column", "match scope", "if matches"};

bool IsKnownKey(const std::string& key) {
    for (const char* known : kKnownKeys) {
        if (key == known) return true;
    }
    return false;
}

// Splits "#key:value"; false when the line is no header line.
bool SplitHeaderLine(std::string_view line, std::string& key, std::string& value) {
    if (line.empty() || line.front() != '#') return false;
    const size_t colon = line.find(':');
    if (colon == std::string_view::npos) return false;
    key = TextTidy::Lower(TextTidy::Trim(line.substr(1, colon - 1)));
    value = std::string(line.substr(colon + 1));
    if (!value.empty() && value.back() == '\r') value.pop_back();
    return IsKnownKey(key);
}

// Spreadsheets save "#separator:tab,,," or "#html:true;;"; Anki cuts such tails off.
std::string FixedValue(const std::string& value) {
    std::string trimmed = TextTidy::Trim(value);
    size_t end = 0;
    while (end < trimmed.size() && std::isalnum(static_cast<unsigned char>(trimmed[end]))) ++end;
    return TextTidy::Lower(trimmed.substr(0, end == 0 ? trimmed.size() : end));
}

char SeparatorNamed(const std::string& value) {
    const std::string fixed = FixedValue(value);
    if (fixed == "tab") return '\t';
    if (fixed == "comma") return ',';
    if (fixed == "semicolon") return ';';
    if (fixed == "space") return ' ';
    if (fixed == "pipe") return '|';
    if (fixed == "colon") return ':';
    // A character of its own: a byte past ASCII is part of one in UTF-8, and the same byte
    // of a Windows-1252 file read as it is must not pass where its UTF-8 would not.
    return value.size() == 1 && static_cast<unsigned char>(value.front()) < 0x80 ? value.front()
                                                                                 : 0;
}

std::string_view LineAt(std::string_view text, size_t pos) {
    const size_t end = text.find('\n', pos);
    return text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
}

}  // namespace

AnkiImporter::AnkiImporter(const ImportOptions& options, Diagnostics& diagnostics,
                           std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

bool AnkiImporter::HasHeader(std::string_view text) {
    size_t pos = 0;
    if (LineAt(text, 0).substr(0, 5) == "tags:") pos = LineAt(text, 0).size() + 1;
    std::string key, value;
    return pos < text.size() && SplitHeaderLine(LineAt(text, pos), key, value);
}

std::vector<ImportedEntry> AnkiImporter::Read(std::string_view text) {
    Header header;
    int headerLines = 0;
    const size_t dataStart = ReadHeader(text, header, headerLines);
    const std::string_view data = text.substr(dataStart);

    DelimitedParser::Options parse;
    parse.separator = m_options.separator ? m_options.separator
                      : header.separator  ? header.separator
                                          : GuessSeparator(data);
    parse.quotes = !m_options.noQuotes;
    parse.hashComments = true;
    parse.firstLine = headerLines + 1;
    DelimitedParser parser(parse, m_diagnostics, m_fileName);
    parser.Start(data);

    // Anki's rule: HTML when any field of the first five rows looks like it. Only those
    // rows are held before the rest are read one at a time.
    std::vector<ParsedRow> firstRows;
    ParsedRow row;
    while (firstRows.size() < 5 && parser.Next(row)) firstRows.push_back(std::move(row));
    bool html = header.html == 1;
    if (header.html == -1) {
        for (const ParsedRow& first : firstRows) {
            for (const ParsedField& field : first.fields)
                html = html || HtmlText::LooksLikeHtml(field.text);
        }
    }
    std::vector<ImportedEntry> entries;
    bool isFirst = true;
    const auto add = [&](const ParsedRow& next) {
        ImportedEntry entry = MakeEntry(header, html, next);
        if (isFirst) {
            isFirst = false;
            if (m_options.header == HeaderRow::kSkip) return true;
            if (m_options.header == HeaderRow::kNote &&
                TextImporter::LooksLikeHeader(entry.word, entry.definition)) {
                m_diagnostics.Warning(
                    m_fileName, entry.line,
                    LearnersWords::Said(
                        "Import",
                        "this row looks like column titles and was imported as an entry") +
                        ImportAdvice::Text(ImportAdvice::kHeader));
            }
        }
        if (entries.size() == kMaxImportedEntries) {
            m_diagnostics.Error(m_fileName, entry.line, TooManyEntries());
            return false;
        }
        entries.push_back(std::move(entry));
        return true;
    };
    for (ParsedRow& first : firstRows) {
        if (!add(first)) return entries;
        first = ParsedRow();
    }
    while (parser.Next(row)) {
        if (!add(row)) break;
    }
    return entries;
}

ImportedEntry AnkiImporter::MakeEntry(const Header& header, bool html, const ParsedRow& row) const {
    int wordColumn = 0, definitionColumn = 0;
    ChooseColumns(header, row.fields.size(), wordColumn, definitionColumn);
    const auto field = [&](int column) {
        if (column < 1 || static_cast<size_t>(column) > row.fields.size()) return std::string();
        const std::string& raw = row.fields[column - 1].text;
        return html ? HtmlText::Flatten(raw) : std::string(TextTidy::WithoutOuterSpaces(raw));
    };
    return {row.line, field(wordColumn), field(definitionColumn), {}};
}

size_t AnkiImporter::ReadHeader(std::string_view text, Header& header, int& lines) {
    size_t pos = 0;
    lines = 0;
    if (LineAt(text, 0).substr(0, 5) == "tags:") {
        pos = LineAt(text, 0).size() + 1;
        lines = 1;
    }
    std::string key, value;
    while (pos < text.size() && SplitHeaderLine(LineAt(text, pos), key, value)) {
        ReadHeaderLine(key, value, header);
        pos += LineAt(text, pos).size() + 1;
        ++lines;
    }
    Settle(header);
    return std::min(pos, text.size());
}

void AnkiImporter::ReadHeaderLine(const std::string& key, const std::string& value,
                                  Header& header) {
    if (key == "separator") {
        header.separator = SeparatorNamed(value);
    } else if (key == "html") {
        header.html = FixedValue(value) == "true" ? 1 : 0;
    } else if (key == "guid column" || key == "notetype column" || key == "deck column" ||
               key == "tags column") {
        const int column = std::atoi(FixedValue(value).c_str());
        // A column past the most a row may have names nothing.
        const auto& meta = header.metaColumns;
        if (column > 0 && static_cast<size_t>(column) <= DelimitedParser::kMaxFields &&
            std::find(meta.begin(), meta.end(), column) == meta.end())
            header.metaColumns.push_back(column);
    } else if (key == "columns") {
        const char separator = header.separator ? header.separator : '\t';
        std::string name;
        for (char c : value + separator) {
            if (c != separator) {
                name.push_back(c);
                continue;
            }
            if (header.columnNames.size() < DelimitedParser::kMaxFields)
                header.columnNames.push_back(TextTidy::Lower(TextTidy::Trim(name)));
            name.clear();
        }
    }
}

char AnkiImporter::GuessSeparator(std::string_view data) {
    const std::string_view sample = data.substr(0, 8192);
    for (char candidate : {'\t', '|', ';', ':', ',', ' '}) {
        if (sample.find(candidate) != std::string_view::npos) return candidate;
    }
    return '\t';
}

// The columns a header names and the first two it leaves for data: a header may name a
// thousand columns, too many to search again for each of 65,534 rows.
void AnkiImporter::Settle(Header& header) {
    const auto named = [&](std::initializer_list<const char*> names) {
        for (size_t i = 0; i < header.columnNames.size(); ++i) {
            for (const char* name : names) {
                if (header.columnNames[i] == name) return static_cast<int>(i + 1);
            }
        }
        return 0;
    };
    header.namedWordColumn = named({"front", "word", "term", "question"});
    header.namedDefinitionColumn = named({"back", "definition", "meaning", "answer"});
    const auto& meta = header.metaColumns;
    int found = 0;
    for (int column = 1; found < 2; ++column) {
        if (std::find(meta.begin(), meta.end(), column) == meta.end())
            header.firstDataColumns[found++] = column;
    }
}

void AnkiImporter::ChooseColumns(const Header& header, size_t fieldCount, int& wordColumn,
                                 int& definitionColumn) const {
    // The data columns are those up to the row's or the header's count that are not meta.
    const int columns = static_cast<int>(std::max(fieldCount, header.columnNames.size()));
    const int firstData = header.firstDataColumns[0], secondData = header.firstDataColumns[1];
    wordColumn = header.namedWordColumn;
    definitionColumn = header.namedDefinitionColumn;
    if (wordColumn == 0) wordColumn = firstData <= columns ? firstData : 1;
    if (definitionColumn == 0) definitionColumn = secondData <= columns ? secondData : 2;
    if (m_options.wordColumn > 0) wordColumn = m_options.wordColumn;
    if (m_options.definitionColumn > 0) definitionColumn = m_options.definitionColumn;
}
