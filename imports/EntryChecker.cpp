// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/EntryChecker.h"

#include "engine/LearnersWords.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "imports/ImportAdvice.h"
#include "imports/ImportedEntry.h"
#include "imports/RecordChecker.h"
#include "imports/RecordEncoder.h"

#include <sstream>
#include <vector>

namespace {

// Stands in for the field that is not being checked: it passes every check.
constexpr const char* kSoundText = "x";

// The tool's hint on cutting means nothing where no option can be given; the message comes
// in the learner's language, and so does the hint.
std::string WithoutOptionHint(std::string text) {
    const std::string hint = ImportAdvice::Text(ImportAdvice::kTruncate);
    const size_t at = text.find(hint);
    if (at != std::string::npos) text.erase(at, hint.size());
    return text;
}

}  // namespace

bool EntryChecker::Encode(const std::string& word, const std::string& definition,
                          WordRecord& encoded, std::string& problem) const {
    std::ostringstream printed;
    Diagnostics diagnostics(printed);
    RecordEncoder::Options options;
    options.encoding = m_encoding;
    RecordEncoder encoder(options, diagnostics, std::string());
    const std::vector<WordRecord> records =
        encoder.Encode({ImportedEntry{0, word, definition, {}}});
    if (records.empty()) {
        problem = LearnersWords::Said("EntryChecker", "the entry is refused");
        for (const Diagnostics::Message& message : diagnostics.Messages()) {
            if (message.kind == Diagnostics::Message::Kind::kError) {
                problem = WithoutOptionHint(message.text);
                break;
            }
        }
        return false;
    }
    const std::vector<std::string> problems =
        RecordChecker::Problems(WordListFile::Serialize(records));
    if (!problems.empty()) {
        problem = problems.front();
        return false;
    }
    encoded = records.front();
    return true;
}

bool EntryChecker::Word(const std::string& word, WordRecord& record, std::string& problem) const {
    WordRecord encoded;
    if (!Encode(word, kSoundText, encoded, problem)) return false;
    record.word = encoded.word;
    return true;
}

bool EntryChecker::Definition(const std::string& word, const std::string& definition,
                              WordRecord& record, std::string& problem) const {
    // A word that an old file let in, and import would refuse, must not stop its definition
    // from being mended: the message then names it by an ellipsis.
    WordRecord probe;
    std::string ignored;
    const std::string named = Encode(word, kSoundText, probe, ignored) ? word : "\u2026";
    WordRecord encoded;
    if (!Encode(named, definition, encoded, problem)) return false;
    record.definition = encoded.definition;
    return true;
}

bool EntryChecker::Entry(const std::string& word, const std::string& definition, WordRecord& record,
                         std::string& problem) const {
    WordRecord encoded;
    if (!Encode(word, definition, encoded, problem)) return false;
    record = encoded;
    return true;
}
