// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/RecordChecker.h"

#include "engine/Cp1252.h"
#include "engine/GetWordRecord.h"
#include "engine/LearnersWords.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"

#include <cstdio>
#include <utility>

namespace {

std::string ByteName(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// The problems are told in the learner's language where a window shows them; the
// command-line tool installs no translation and prints the English ones.
std::string Tr(const char* text) { return LearnersWords::Said("RecordChecker", text); }

// Where a byte of the record lies, for the message.
std::string PartAt(size_t offset) {
    const char* part = QT_TRANSLATE_NOOP("RecordChecker", "record end");
    if (offset < static_cast<size_t>(WordListFile::kWordOffset))
        part = QT_TRANSLATE_NOOP("RecordChecker", "unused field");
    else if (offset < static_cast<size_t>(WordListFile::kDefinitionOffset))
        part = QT_TRANSLATE_NOOP("RecordChecker", "word");
    else if (offset < static_cast<size_t>(WordListFile::kRecordSize - 2))
        part = QT_TRANSLATE_NOOP("RecordChecker", "definition");
    return Tr(part);
}

// A field's problem, told by one of two texts as the field is the word or the definition.
struct FieldTexts {
    const char* word;
    const char* definition;
};

std::string Told(const FieldTexts& texts, bool isWord, std::initializer_list<std::string> args) {
    return LearnersWords::Filled(Tr(isWord ? texts.word : texts.definition), args);
}

void CheckBreakingBytes(std::string_view record, std::vector<std::string>& problems) {
    const size_t end = WordListFile::kRecordSize - 2;
    const bool endIsCrLf = record[end] == '\r' && record[end + 1] == '\n';
    // A compact field's bytes are its own business: any of them may stand in a character.
    const auto compactHolds = [record](size_t i) {
        for (const auto& [offset, size] :
             {std::pair{WordListFile::kWordOffset, WordListFile::kWordSize},
              {WordListFile::kDefinitionOffset, WordListFile::kDefinitionSize}}) {
            const size_t from = static_cast<size_t>(offset);
            if (i >= from && i < from + size && WordListFile::IsCompact(record.substr(from, size)))
                return true;
        }
        return false;
    };
    for (size_t i = 0; i < record.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(record[i]);
        if (compactHolds(i)) continue;
        const bool breaks =
            byte == 0x1A || ((byte == '\r' || byte == '\n') && (i < end || !endIsCrLf));
        if (breaks) {
            problems.push_back(LearnersWords::Filled(
                Tr(QT_TRANSLATE_NOOP("RecordChecker",
                                     "byte %1 at offset %2 (%3) breaks the record when read as "
                                     "text")),
                {ByteName(byte), std::to_string(i), PartAt(i)}));
        }
    }
}

bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch < 0xA0); }

// Bytes that stay inside the record but show as boxes or not at all: control characters
// (a tab among them) and the five bytes Windows-1252 leaves undefined, which read as C1
// controls. The first one of a field is reported; those that break the record were already.
void CheckShownBytes(std::string_view text, bool isWord, std::vector<std::string>& problems) {
    if (FieldText::IsUtf8(text)) {
        for (size_t pos = 0; pos < text.size();) {
            const size_t start = pos;
            const char32_t ch = Utf8::Next(text, pos);
            if (!IsControl(ch) || ch == 0x1A || ch == '\r' || ch == '\n') continue;
            char name[16];
            std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(ch));
            static constexpr FieldTexts kControl = {
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "control character %1 at byte %2 of the word (UTF-8) does not "
                                  "show as a character"),
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "control character %1 at byte %2 of the definition (UTF-8) does "
                                  "not show as a character")};
            problems.push_back(Told(kControl, isWord, {name, std::to_string(start)}));
            return;
        }
        return;
    }
    for (unsigned char byte : text) {
        if (byte == 0x1A || byte == '\r' || byte == '\n') continue;
        const char32_t ch = Cp1252::Decode(byte);
        if (IsControl(ch)) {
            static constexpr FieldTexts kControl = {
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "control character %1 in the word does not show as a character"),
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "control character %1 in the definition does not show as a "
                                  "character")};
            static constexpr FieldTexts kUndefined = {
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "undefined byte %1 in the word, which is not valid UTF-8 "
                                  "either, does not show as a character"),
                QT_TRANSLATE_NOOP("RecordChecker",
                                  "undefined byte %1 in the definition, which is not valid UTF-8 "
                                  "either, does not show as a character")};
            problems.push_back(Told(byte < 0x80 ? kControl : kUndefined, isWord, {ByteName(byte)}));
            return;
        }
    }
}

// UTF-8 that a tool counting bytes cut inside its last character: the field no longer reads
// as UTF-8, so every letter of it shows wrongly.
void CheckCutUtf8(std::string_view text, bool isWord, std::vector<std::string>& problems) {
    const std::string_view trimmed = text.substr(0, text.find_last_not_of(' ') + 1);
    std::u32string head;
    size_t bad = 0;
    if (FieldText::IsUtf8(trimmed) || Utf8::Decode(trimmed, head, bad) || head.size() == bad)
        return;
    const unsigned char lead = static_cast<unsigned char>(trimmed[bad]);
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    const std::string_view tail = trimmed.substr(bad);
    if (lead < 0xC2 || lead > 0xF4 || tail.size() >= length) return;
    for (unsigned char byte : tail.substr(1))
        if ((byte & 0xC0) != 0x80) return;
    static constexpr FieldTexts kCut = {
        QT_TRANSLATE_NOOP("RecordChecker",
                          "the word is UTF-8 cut off inside its last character, so it shows as "
                          "Windows-1252"),
        QT_TRANSLATE_NOOP("RecordChecker",
                          "the definition is UTF-8 cut off inside its last character, so it "
                          "shows as Windows-1252")};
    problems.push_back(Told(kCut, isWord, {}));
}

}  // namespace

std::vector<std::string> RecordChecker::Problems(std::string_view record) {
    std::vector<std::string> problems;
    CheckBreakingBytes(record, problems);
    // A compact field is checked as the text it reads as, which is UTF-8.
    std::string wordText;
    std::string definitionText;
    const auto shown = [](std::string_view field, std::string& decoded) {
        if (!WordListFile::IsCompact(field)) return WordListFile::ShownText(field);
        decoded = FieldText::ToUtf8(field);
        return std::string_view(decoded);
    };
    const std::string_view word =
        shown(record.substr(WordListFile::kWordOffset, WordListFile::kWordSize), wordText);
    const std::string_view definition =
        shown(record.substr(WordListFile::kDefinitionOffset, WordListFile::kDefinitionSize),
              definitionText);
    CheckShownBytes(word, true, problems);
    CheckShownBytes(definition, false, problems);
    CheckCutUtf8(word, true, problems);
    CheckCutUtf8(definition, false, problems);
    if (word.empty())
        problems.push_back(Tr(QT_TRANSLATE_NOOP("RecordChecker", "empty word")));
    else if (IsBlank(word))
        problems.push_back(Tr(QT_TRANSLATE_NOOP("RecordChecker", "word of spaces only")));
    if (definition.empty())
        problems.push_back(Tr(QT_TRANSLATE_NOOP("RecordChecker", "empty definition")));
    else if (IsBlank(definition))
        problems.push_back(Tr(QT_TRANSLATE_NOOP("RecordChecker", "definition of spaces only")));
    return problems;
}
