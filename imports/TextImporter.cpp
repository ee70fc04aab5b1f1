// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/TextImporter.h"

#include "engine/LearnersWords.h"
#include "imports/ColumnTitles.h"
#include "imports/HtmlText.h"
#include "imports/ImportAdvice.h"
#include "imports/TextTidy.h"

namespace {

// KDE's writer puts "Title:<sep>…" and "Author:<sep>…" first, with the labels translated.
bool IsTitleLine(const ParsedRow& row) {
    if (row.fields.size() != 2 || row.fields[0].quoted) return false;
    const std::string& label = row.fields[0].text;
    if (label.size() < 2 || label.back() != ':') return false;
    return label.find_first_of(" \t") == std::string::npos;
}

}  // namespace

TextImporter::TextImporter(const ImportOptions& options, Diagnostics& diagnostics,
                           std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

bool TextImporter::LooksLikeHeader(const std::string& word, const std::string& definition) {
    return ColumnTitles::AreTitles(word, definition);
}

std::vector<ImportedEntry> TextImporter::Read(std::string_view text) {
    const bool isCsv = m_options.format == ImportFormat::Csv;
    const bool isMnemosyne = m_options.format == ImportFormat::Mnemosyne;
    DelimitedParser::Options parse;
    parse.separator = ChooseSeparator(text);
    parse.quotes = !m_options.noQuotes && !isMnemosyne;
    parse.reportStrayQuotes = isCsv;
    DelimitedParser parser(parse, m_diagnostics, m_fileName);
    parser.Start(text);

    std::vector<ImportedEntry> entries;
    ParsedRow row;
    int firstLine = 0;
    bool mayBeTitle = !isCsv;
    bool isFirstEntryRow = true;
    while (parser.Next(row)) {
        if (firstLine == 0) firstLine = row.line;
        mayBeTitle = mayBeTitle && row.line <= firstLine + 1 && IsTitleLine(row);
        if (mayBeTitle) {
            m_diagnostics.Note(
                m_fileName, row.line,
                LearnersWords::Filled(
                    LearnersWords::Said(
                        "Import",
                        "skipped \"%1\" as a title line; if it is an entry, quote its word"),
                    {row.fields[0].text}));
            continue;
        }
        if (isFirstEntryRow) {
            isFirstEntryRow = false;
            if (IsHeaderRow(row)) continue;
        }
        if (entries.size() == kMaxImportedEntries) {
            m_diagnostics.Error(m_fileName, row.line, TooManyEntries());
            break;
        }
        entries.push_back(MakeEntry(row));
    }
    return entries;
}

ImportedEntry TextImporter::MakeEntry(const ParsedRow& row) const {
    const int wordColumn = m_options.wordColumn > 0 ? m_options.wordColumn : 1;
    const int definitionColumn = DefinitionColumn(row.fields.size());
    ImportedEntry entry;
    entry.line = row.line;
    if (static_cast<size_t>(wordColumn) <= row.fields.size())
        entry.word = Clean(row.fields[wordColumn - 1].text);
    if (static_cast<size_t>(definitionColumn) <= row.fields.size())
        entry.definition = Clean(row.fields[definitionColumn - 1].text);
    return entry;
}

char TextImporter::ChooseSeparator(std::string_view text) const {
    if (m_options.separator != 0) return m_options.separator;
    if (m_options.format != ImportFormat::Csv) return '\t';
    // Spreadsheets in many European locales save "CSV" with semicolons.
    const std::string_view firstLine = text.substr(0, text.find('\n'));
    const bool hasComma = firstLine.find(',') != std::string_view::npos;
    const bool hasSemicolon = firstLine.find(';') != std::string_view::npos;
    return hasSemicolon && !hasComma ? ';' : ',';
}

// True when the row is to be left out: --header says so. A row that only looks like
// column titles is kept, with a warning unless --no-header said to keep it.
bool TextImporter::IsHeaderRow(const ParsedRow& first) {
    if (m_options.header == HeaderRow::kSkip) return true;
    if (m_options.header == HeaderRow::kKeep) return false;
    const int definitionColumn = DefinitionColumn(first.fields.size());
    if (first.fields.size() < static_cast<size_t>(definitionColumn)) return false;
    const size_t wordColumn = m_options.wordColumn > 0 ? m_options.wordColumn : 1;
    if (wordColumn > first.fields.size()) return false;
    if (LooksLikeHeader(first.fields[wordColumn - 1].text,
                        first.fields[definitionColumn - 1].text)) {
        m_diagnostics.Warning(
            m_fileName, first.line,
            LearnersWords::Said("Import",
                                "this row looks like column titles and was imported as an entry") +
                ImportAdvice::Text(ImportAdvice::kHeader));
    }
    return false;
}

int TextImporter::DefinitionColumn(size_t fieldCount) const {
    if (m_options.definitionColumn > 0) return m_options.definitionColumn;
    // Mnemosyne's three- and four-column rows are word, pronunciation, meaning, notes.
    if (m_options.format == ImportFormat::Mnemosyne && (fieldCount == 3 || fieldCount == 4))
        return 3;
    return 2;
}

std::string TextImporter::Clean(const std::string& text) const {
    if (m_options.format == ImportFormat::Mnemosyne || m_options.html)
        return HtmlText::Flatten(text);
    return std::string(TextTidy::WithoutOuterSpaces(text));
}
