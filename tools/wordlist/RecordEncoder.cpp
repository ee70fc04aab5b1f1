// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/RecordEncoder.h"

#include "engine/Cp1252.h"
#include "engine/GetWordRecord.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "tools/wordlist/TextTidy.h"

#include <cstdio>
#include <unordered_map>

namespace {

constexpr size_t kWordLimit = WordListFile::kWordSize;
constexpr size_t kDefinitionLimit = WordListFile::kDefinitionSize;

std::string CodePoint(char32_t ch) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(ch));
    return text;
}

// "U+0151 (ő)": the number to search for and the letter to recognise.
std::string Shown(char32_t ch) {
    std::string text = CodePoint(ch) + " (";
    Utf8::Append(text, ch);
    return text + ")";
}

bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch < 0xA0); }

std::string ControlProblem(char32_t ch) {
    if (ch == 0 || ch == 0x1A || ch == '\r' || ch == '\n')
        return "holds " + CodePoint(ch) + ", which would break the record";
    return "holds the control character " + CodePoint(ch);
}

// Cuts at the last space that leaves at most `limit` bytes, and drops what would dangle there.
std::string CutAtWord(const std::string& text, size_t limit) {
    size_t cut = text.rfind(' ', limit);
    if (cut == std::string::npos || cut == 0) cut = limit;
    std::string head = text.substr(0, cut);
    while (!head.empty() && std::string(" ,;:-(").find(head.back()) != std::string::npos)
        head.pop_back();
    return head;
}

}  // namespace

RecordEncoder::RecordEncoder(const Options& options, Diagnostics& diagnostics, std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

std::vector<WordRecord> RecordEncoder::Encode(const std::vector<ImportedEntry>& entries) {
    std::vector<WordRecord> records;
    std::unordered_map<std::string, int> firstLineOf;
    for (const ImportedEntry& entry : entries) {
        WordRecord record;
        const std::string word = TextTidy::Trim(entry.word);
        if (word.empty()) {
            Refuse(entry, "empty word");
            continue;
        }
        if (!EncodeText(entry, word, "word", record.word) ||
            !EncodeText(entry, TextTidy::Trim(entry.definition), "definition", record.definition) ||
            !FitDefinition(entry, word, record.definition)) {
            continue;
        }
        if (record.word.size() > kWordLimit) {
            Refuse(entry, "word \"" + word + "\" is " + std::to_string(record.word.size()) +
                              " bytes in Windows-1252, over the limit of 30");
            continue;
        }
        const auto [first, isNew] = firstLineOf.emplace(record.word, entry.line);
        if (!isNew) {
            const std::string where = " (first on line " + std::to_string(first->second) + ")";
            if (m_options.dedupe) {
                m_diagnostics.Note(m_fileName, entry.line,
                                   "duplicate word \"" + word + "\" dropped" + where);
                continue;
            }
            m_diagnostics.Warning(m_fileName, entry.line,
                                  "duplicate word \"" + word + "\"" + where);
        }
        records.push_back(std::move(record));
    }
    return records;
}

bool RecordEncoder::EncodeText(const ImportedEntry& entry, const std::string& text,
                               const char* what, std::string& bytes) {
    bytes.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        const char32_t ch = Utf8::Next(text, pos);
        unsigned char byte = 0;
        std::string problem;
        if (IsControl(ch))
            problem = ControlProblem(ch);
        else if (!Cp1252::Encode(ch, byte))
            problem = "holds " + Shown(ch) + ", which Windows-1252 cannot hold";
        if (!problem.empty()) {
            const std::string word = TextTidy::Trim(entry.word);
            Refuse(entry, std::string(what) + (std::string(what) == "word" ? "" : " of") + " \"" +
                              word + "\" " + problem);
            return false;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return true;
}

bool RecordEncoder::FitDefinition(const ImportedEntry& entry, const std::string& word,
                                  std::string& definition) {
    if (definition.empty()) {
        Refuse(entry, "word \"" + word + "\": no definition");
        return false;
    }
    if (definition.size() <= kDefinitionLimit) return true;
    const std::string size = std::to_string(definition.size());
    if (!m_options.truncate) {
        Refuse(entry, "definition of \"" + word + "\" is " + size +
                          " bytes in Windows-1252, over the limit of 200 (--truncate cuts it)");
        return false;
    }
    definition = CutAtWord(definition, kDefinitionLimit);
    m_diagnostics.Note(m_fileName, entry.line,
                       "definition of \"" + word + "\" cut from " + size + " to " +
                           std::to_string(definition.size()) + " bytes");
    return true;
}

void RecordEncoder::Refuse(const ImportedEntry& entry, const std::string& text) {
    ++m_refused;
    if (m_options.skipBad)
        m_diagnostics.Warning(m_fileName, entry.line, "skipped: " + text);
    else
        m_diagnostics.Error(m_fileName, entry.line, text);
}
