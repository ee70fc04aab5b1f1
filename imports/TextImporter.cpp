// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/TextImporter.h"

#include "imports/HtmlText.h"
#include "imports/TextTidy.h"

namespace {

constexpr const char* kWordTitles[] = {"word",     "words",   "term",       "front",
                                       "question", "english", "vocabulary", "expression",
                                       "headword", "lemma"};
constexpr const char* kDefinitionTitles[] = {"definition", "definitions", "meaning",     "back",
                                             "answer",     "translation", "description", "gloss"};

template <size_t N>
bool IsOneOf(const std::string& text, const char* const (&names)[N]) {
    const std::string lower = TextTidy::Lower(TextTidy::Trim(text));
    for (const char* name : names) {
        if (lower == name) return true;
    }
    return false;
}

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
    return IsOneOf(word, kWordTitles) && IsOneOf(definition, kDefinitionTitles);
}

std::vector<ImportedEntry> TextImporter::Read(std::string_view text) {
    const bool isCsv = m_options.format == ImportFormat::Csv;
    const bool isMnemosyne = m_options.format == ImportFormat::Mnemosyne;
    DelimitedParser::Options parse;
    parse.separator = ChooseSeparator(text);
    parse.quotes = !m_options.noQuotes && !isMnemosyne;
    parse.reportStrayQuotes = isCsv;
    std::vector<ParsedRow> rows = DelimitedParser(parse, m_diagnostics, m_fileName).Parse(text);
    if (!isCsv) DropTitleLines(rows);
    HandleHeaderRow(rows);

    std::vector<ImportedEntry> entries;
    for (const ParsedRow& row : rows) {
        const int wordColumn = m_options.wordColumn > 0 ? m_options.wordColumn : 1;
        const int definitionColumn = DefinitionColumn(row.fields.size());
        ImportedEntry entry;
        entry.line = row.line;
        if (static_cast<size_t>(wordColumn) <= row.fields.size())
            entry.word = Clean(row.fields[wordColumn - 1].text);
        if (static_cast<size_t>(definitionColumn) <= row.fields.size())
            entry.definition = Clean(row.fields[definitionColumn - 1].text);
        entries.push_back(std::move(entry));
    }
    return entries;
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

void TextImporter::DropTitleLines(std::vector<ParsedRow>& rows) {
    const int firstLine = rows.empty() ? 0 : rows.front().line;
    while (!rows.empty() && rows.front().line <= firstLine + 1 && IsTitleLine(rows.front())) {
        m_diagnostics.Note(m_fileName, rows.front().line,
                           "skipped \"" + rows.front().fields[0].text +
                               "\" as a title line; if it is an entry, quote its word");
        rows.erase(rows.begin());
    }
}

void TextImporter::HandleHeaderRow(std::vector<ParsedRow>& rows) {
    if (rows.empty()) return;
    if (m_options.header) {
        rows.erase(rows.begin());
        return;
    }
    const ParsedRow& first = rows.front();
    const int definitionColumn = DefinitionColumn(first.fields.size());
    if (first.fields.size() < static_cast<size_t>(definitionColumn)) return;
    const size_t wordColumn = m_options.wordColumn > 0 ? m_options.wordColumn : 1;
    if (wordColumn > first.fields.size()) return;
    if (LooksLikeHeader(first.fields[wordColumn - 1].text,
                        first.fields[definitionColumn - 1].text)) {
        m_diagnostics.Warning(m_fileName, first.line,
                              "this row looks like column titles and was imported as an entry; "
                              "use --header to skip it");
    }
}

int TextImporter::DefinitionColumn(size_t fieldCount) const {
    if (m_options.definitionColumn > 0) return m_options.definitionColumn;
    // Mnemosyne's three- and four-column rows are word, pronunciation, meaning, notes.
    if (m_options.format == ImportFormat::Mnemosyne && (fieldCount == 3 || fieldCount == 4))
        return 3;
    return 2;
}

std::string TextImporter::Clean(const std::string& text) const {
    if (m_options.format == ImportFormat::Mnemosyne || m_options.html) {
        return HtmlText::Flatten(text);
    }
    return TextTidy::Trim(text);
}
