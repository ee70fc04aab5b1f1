// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/RecordEncoder.h"

#include "engine/Counted.h"
#include "engine/LearnersWords.h"
#include "engine/WordListFile.h"
#include "imports/TextTidy.h"

#include <unordered_map>

namespace {

// The text without spaces at its ends. The importers trim already, so `storage` is seldom
// needed: a text may be megabytes, not worth copying to find nothing to cut.
const std::string& Trimmed(const std::string& text, std::string& storage) {
    if (text.empty() || (text.front() != ' ' && text.back() != ' ')) return text;
    storage = TextTidy::Trim(text);
    return storage;
}

// A word as a message quotes it: a word too long for any record may be megabytes, of which
// a message shows a beginning, cut between characters.
constexpr size_t kMaxShownSize = WordListFile::kDefinitionSize;

std::string Shown(const std::string& word) {
    if (word.size() <= kMaxShownSize) return word;
    size_t end = kMaxShownSize;
    while (end > 0 && (static_cast<unsigned char>(word[end]) & 0xC0) == 0x80) --end;
    return word.substr(0, end) + "...";
}

}  // namespace

RecordEncoder::RecordEncoder(const Options& options, Diagnostics& diagnostics, std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

std::vector<WordRecord> RecordEncoder::Encode(const std::vector<ImportedEntry>& entries,
                                              std::vector<size_t>* kept) {
    std::vector<WordRecord> records;
    std::unordered_map<std::string, int> firstLineOf;
    for (const ImportedEntry& entry : entries) {
        WordRecord record;
        std::string wordStorage, definitionStorage;
        const std::string& word = Trimmed(entry.word, wordStorage);
        if (word.empty()) {
            Refuse(entry, LearnersWords::Said("Import", "empty word"));
            continue;
        }
        const std::string& definition = Trimmed(entry.definition, definitionStorage);
        if (!EncodeText(entry, word, true, record.word)) continue;
        if (definition.empty()) {
            Refuse(entry,
                   LearnersWords::Filled(
                       LearnersWords::Said("Import", "word \"%1\": no definition"), {Shown(word)}));
            continue;
        }
        if (!EncodeText(entry, definition, false, record.definition)) continue;
        const auto [first, isNew] = firstLineOf.emplace(record.word, entry.line);
        if (!isNew) {
            const std::string where =
                LearnersWords::Filled(LearnersWords::Said("Import", " (first on line %1)"),
                                      {std::to_string(first->second)});
            if (m_options.dedupe) {
                m_diagnostics.Note(
                    m_fileName, entry.line,
                    LearnersWords::Filled(
                        LearnersWords::Said("Import", "duplicate word \"%1\" dropped"),
                        {Shown(word)}) +
                        where);
                continue;
            }
            m_diagnostics.Warning(
                m_fileName, entry.line,
                LearnersWords::Filled(LearnersWords::Said("Import", "duplicate word \"%1\""),
                                      {Shown(word)}) +
                    where);
        }
        records.push_back(std::move(record));
        if (kept) kept->push_back(static_cast<size_t>(&entry - entries.data()));
    }
    return records;
}

bool RecordEncoder::EncodeText(const ImportedEntry& entry, const std::string& text, bool isWord,
                               std::string& bytes) {
    const size_t limit = isWord ? WordListFile::kWordSize : WordListFile::kDefinitionSize;
    const FieldEncoder::Outcome outcome =
        FieldEncoder::Encode(text, limit, m_options.encoding, m_options.truncate);
    std::string storage;
    const std::string name =
        LearnersWords::Filled(isWord ? LearnersWords::Said("Import", "word \"%1\"")
                                     : LearnersWords::Said("Import", "definition of \"%1\""),
                              {Shown(Trimmed(entry.word, storage))});
    if (!outcome.problem.empty()) {
        Refuse(entry, LearnersWords::Filled(LearnersWords::Said("Import", "%1 %2"),
                                            {name, outcome.problem}));
        return false;
    }
    if (outcome.uncutSize > 0) {
        m_diagnostics.Note(m_fileName, entry.line,
                           LearnersWords::Filled(
                               LearnersWords::Said("Import", "%1 cut from %2 to %3"),
                               {name, std::to_string(outcome.uncutSize),
                                LearnersWords::Counted(
                                    "Import", QT_TRANSLATE_N_NOOP("Import", "%n byte(s)"),
                                    outcome.bytes.size(), Counted(outcome.bytes.size(), "byte"))}));
    }
    bytes = outcome.bytes;
    return true;
}

void RecordEncoder::Refuse(const ImportedEntry& entry, const std::string& text) {
    ++m_refused;
    if (m_options.skipBad)
        m_diagnostics.Warning(
            m_fileName, entry.line,
            LearnersWords::Filled(LearnersWords::Said("Import", "skipped: %1"), {text}));
    else
        m_diagnostics.Error(m_fileName, entry.line, text);
}
