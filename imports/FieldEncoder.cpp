// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/FieldEncoder.h"

#include "engine/Cp1252.h"
#include "engine/LearnersWords.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "imports/FieldCutter.h"
#include "imports/FieldText.h"
#include "imports/ImportAdvice.h"
#include "imports/InputDecoder.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <cstdio>

namespace {

std::string CodePoint(char32_t ch) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(ch));
    return text;
}

bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch < 0xA0); }

// What keeps the text out of any field, or an empty string.
std::string CharacterProblem(const std::string& text) {
    for (size_t pos = 0; pos < text.size();) {
        const char32_t ch = Utf8::Next(text, pos);
        if (!IsControl(ch)) continue;
        if (ch == 0 || ch == 0x1A || ch == '\r' || ch == '\n')
            return LearnersWords::Filled(
                LearnersWords::Said("Import", "holds %1, which would break the record"),
                {CodePoint(ch)});
        return LearnersWords::Filled(
            LearnersWords::Said("Import", "holds the control character %1"), {CodePoint(ch)});
    }
    return std::string();
}

// The Windows-1252 bytes of the text; false, with the first character it lacks, if none.
bool ToCp1252(const std::string& text, std::string& bytes, char32_t& missing) {
    bytes.clear();
    for (size_t pos = 0; pos < text.size();) {
        const char32_t ch = Utf8::Next(text, pos);
        unsigned char byte = 0;
        if (!Cp1252::Encode(ch, byte)) {
            missing = ch;
            return false;
        }
        bytes.push_back(static_cast<char>(byte));
    }
    return true;
}

// Whether FieldText::ToUtf8(bytes) == text, for the Windows-1252 bytes of `text`, which
// holds no NUL: worked out without FieldText's decoded copy, four times the size of a text
// that may be megabytes.
bool ReadsBack(const std::string& bytes, const std::string& text) {
    const bool hasHighByte = std::any_of(
        bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    if (hasHighByte && InputDecoder::FirstBadByte(bytes) == std::string_view::npos)
        return bytes == text;
    // Compared a character at a time: the converted copy could be three times the size.
    size_t pos = 0;
    std::string ch;
    for (char c : bytes) {
        ch.clear();
        Utf8::Append(ch, Cp1252::Decode(static_cast<unsigned char>(c)));
        if (text.compare(pos, ch.size(), ch) != 0) return false;
        pos += ch.size();
    }
    return pos == text.size();
}

// The compact form of a text that may fit `limit`, or an empty string: one that takes more
// characters than bytes is not encoded at all, since it may be megabytes.
std::string CompactIfFits(const std::string& text, size_t limit) {
    size_t characters = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && ++characters >= limit)
            return std::string();
    std::string compact = FieldText::ToCompact(text);
    return compact.size() <= limit ? compact : std::string();
}

// The letters a reader counts: a letter with its combining marks is one.
size_t Letters(const std::string& text) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, QString::fromStdString(text));
    size_t count = 0;
    while (finder.toNextBoundary() > 0) ++count;
    return count;
}

// How many letters the field holds in the compact form (its tag takes up to two bytes), in
// Windows-1252 and of Chinese, Japanese or Korean (two bytes each).
std::string TooManyLetters(const std::string& text, size_t limit) {
    const bool isWord = limit == WordListFile::kWordSize;
    const std::string holds =
        isWord
            ? LearnersWords::Said("Import",
                                  "has %1 letters; a word holds at most %2 (%3 in Windows-1252, %4 "
                                  "Chinese, Japanese or Korean characters)")
            : LearnersWords::Said("Import",
                                  "has %1 letters; a definition holds at most %2 (%3 in "
                                  "Windows-1252, %4 Chinese, Japanese or Korean characters)");
    const size_t compact = limit >= 2 ? limit - 2 : 0;
    return LearnersWords::Filled(holds, {std::to_string(Letters(text)), std::to_string(compact),
                                         std::to_string(limit), std::to_string(compact / 2)});
}

}  // namespace

FieldEncoder::Outcome FieldEncoder::Encode(const std::string& text, size_t limit, Encoding encoding,
                                           bool truncate) {
    Outcome outcome;
    outcome.problem = CharacterProblem(text);
    if (!outcome.problem.empty()) return outcome;
    std::string single;
    char32_t missing = 0;
    const bool fits = ToCp1252(text, single, missing);
    if (encoding == Encoding::Cp1252 && !fits) {
        std::string shown;
        Utf8::Append(shown, missing);
        outcome.problem = LearnersWords::Filled(
            LearnersWords::Said("Import", "holds %1 (%2), which Windows-1252 cannot hold"),
            {CodePoint(missing), shown});
        return outcome;
    }
    // Windows-1252 bytes that happen to form UTF-8 would be read as UTF-8, as other letters.
    const bool readsBack = fits && ReadsBack(single, text);
    const bool utf8 = encoding == Encoding::Utf8 || (encoding == Encoding::Auto && !readsBack);
    // An over-long text is measured, not copied: it may be megabytes.
    const size_t encodedSize = utf8 ? text.size() : single.size();
    // Today's forms first, so that every list that could be made before is made alike; the
    // compact one only for a text neither holds.
    std::string compact;
    if (encodedSize <= limit) {
        outcome.text = text;
        if (utf8)
            outcome.bytes = text;
        else
            outcome.bytes = std::move(single);
    } else if (utf8 && !(compact = CompactIfFits(text, limit)).empty()) {
        outcome.text = text;
        outcome.bytes = std::move(compact);
    } else {
        const std::string size = std::to_string(encodedSize);
        if (!truncate) {
            outcome.problem =
                TooManyLetters(text, limit) + ImportAdvice::Text(ImportAdvice::kTruncate);
            return outcome;
        }
        // A text that is not Windows-1252 is cut to what the compact form holds, which is
        // more than UTF-8 holds of every script but Latin.
        const std::string cut =
            utf8 ? FieldCutter::Cut(text, limit,
                                    [limit](const std::string& head) {
                                        const size_t packed = FieldText::ToCompact(head).size();
                                        return std::min(head.size(),
                                                        packed == 0 ? limit + 1 : packed);
                                    })
                 : FieldCutter::Cut(text, limit, true);
        if (cut.empty()) {
            outcome.problem = LearnersWords::Filled(
                LearnersWords::Said("Import", "is %1 bytes in %2 and has no place to cut it to %3"),
                {size, Name(utf8), std::to_string(limit)});
            return outcome;
        }
        outcome = Encode(cut, limit, encoding, false);
        outcome.uncutSize = encodedSize;
        return outcome;
    }
    if (FieldText::ToUtf8(outcome.bytes) != outcome.text) {
        outcome.problem = LearnersWords::Filled(
            LearnersWords::Said("Import", "would read back as \"%1\" when stored in %2"),
            {FieldText::ToUtf8(outcome.bytes), Name(utf8)});
    }
    return outcome;
}
