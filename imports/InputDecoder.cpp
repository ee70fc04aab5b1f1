// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/InputDecoder.h"

#include "engine/LearnersWords.h"
#include "engine/Utf8.h"
#include "imports/EncodingDetector.h"
#include "imports/ImportAdvice.h"
#include "imports/TextEncoding.h"

#include <cstdio>
#include <optional>

namespace {

std::string HexByte(char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(byte));
    return text;
}

// The encoding a byte order mark names, and the mark's length; longest marks first, as
// UTF-32LE's starts with UTF-16LE's.
std::optional<std::pair<const char*, size_t>> ByteOrderMark(std::string_view bytes) {
    static const struct {
        std::string_view mark;
        const char* encoding;
    } kMarks[] = {{std::string_view("\xFF\xFE\0\0", 4), "utf-32le"},
                  {std::string_view("\0\0\xFE\xFF", 4), "utf-32be"},
                  {"\xEF\xBB\xBF", "utf-8"},
                  {"\xFF\xFE", "utf-16le"},
                  {"\xFE\xFF", "utf-16be"}};
    for (const auto& known : kMarks)
        if (bytes.substr(0, known.mark.size()) == known.mark)
            return std::make_pair(known.encoding, known.mark.size());
    return std::nullopt;
}

// UTF-8 with a stray byte or two, as an editor that mixes encodings leaves it: more of its
// letters past ASCII read as UTF-8 than not, and a guess would garble every one of them.
bool IsBrokenUtf8(std::string_view text) {
    size_t good = 0, bad = 0;
    for (size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const size_t start = pos;
        const bool isBad = Utf8::Next(text, pos) == 0xFFFD && pos == start + 1;
        ++(isBad ? bad : good);
    }
    return good > bad;
}

}  // namespace

size_t InputDecoder::FirstBadByte(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const size_t start = pos;
        // An invalid byte reads as U+FFFD one byte long; a real U+FFFD takes three.
        if (Utf8::Next(text, pos) == 0xFFFD && pos == start + 1) return start;
    }
    return std::string_view::npos;
}

std::string_view InputDecoder::WithoutBom(std::string_view bytes) {
    return bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
}

bool InputDecoder::Decode(const std::string& bytes, const std::string& encoding,
                          const std::string& fileName, Diagnostics& diagnostics,
                          DecodedText& decoded) {
    std::string_view text = bytes;
    std::optional<TextEncoding> chosen;
    if (!encoding.empty()) {
        chosen = TextEncoding::Find(encoding);
        if (!chosen) {
            diagnostics.Error(
                fileName, 0,
                LearnersWords::Filled(LearnersWords::Said("Import", "unknown encoding \"%1\""),
                                      {encoding}));
            return false;
        }
    } else if (const auto mark = ByteOrderMark(text)) {
        chosen = TextEncoding::Find(mark->first);
        text.remove_prefix(mark->second);
    } else if (FirstBadByte(text) == std::string_view::npos) {
        decoded.m_view = text;
        return true;
    } else if (IsBrokenUtf8(text)) {
        chosen = TextEncoding::Find("utf-8");
    }
    if (chosen && chosen->IsUtf8()) {
        text = WithoutBom(text);
        const size_t bad = FirstBadByte(text);
        if (bad == std::string_view::npos) {
            decoded.m_view = text;
            return true;
        }
        diagnostics.Error(
            fileName, Utf8::LineOf(text, bad),
            LearnersWords::Filled(LearnersWords::Said("Import", "not valid UTF-8 (byte %1)"),
                                  {HexByte(text[bad])}) +
                ImportAdvice::Text(ImportAdvice::kEncodingSavedIn));
        return false;
    }
    if (chosen) {
        size_t bad = 0;
        if (chosen->ToUtf8(text, decoded.m_converted, bad)) {
            // A mark read by a converter that names its byte order (utf-16le) is a character.
            if (decoded.m_converted.rfind("\xEF\xBB\xBF", 0) == 0) decoded.m_converted.erase(0, 3);
            decoded.m_isConverted = true;
            decoded.m_encoding = chosen->Name();
            return true;
        }
        diagnostics.Error(
            fileName, bad == std::string_view::npos ? 0 : Utf8::LineOf(text, bad),
            bad == std::string_view::npos
                ? LearnersWords::Filled(
                      LearnersWords::Said("Import", "this system has no converter for %1"),
                      {chosen->Name()})
                : LearnersWords::Filled(
                      LearnersWords::Said("Import", "byte %1 has no character in %2"),
                      {HexByte(text[bad]), chosen->Name()}) +
                      ImportAdvice::Text(ImportAdvice::kRightEncoding));
        return false;
    }
    return DecodeGuessed(text, fileName, diagnostics, decoded);
}

bool InputDecoder::DecodeGuessed(std::string_view text, const std::string& fileName,
                                 Diagnostics& diagnostics, DecodedText& decoded) {
    for (const EncodingGuess& guess : EncodingDetector::Guess(text)) {
        size_t bad = 0;
        if (!guess.encoding.ToUtf8(text, decoded.m_converted, bad)) continue;
        decoded.m_isConverted = true;
        decoded.m_encoding = guess.encoding.Name();
        decoded.m_confidence = guess.confidence;
        diagnostics.Note(
            fileName, 0,
            LearnersWords::Filled(
                LearnersWords::Said("Import", "not UTF-8; read as %1 (guessed, %2% sure"),
                {guess.encoding.Name(), std::to_string(guess.confidence)}) +
                ImportAdvice::Text(ImportAdvice::kEncodingChooses));
        return true;
    }
    decoded.m_converted.clear();
    const size_t bad = FirstBadByte(text);
    diagnostics.Error(
        fileName, Utf8::LineOf(text, bad),
        LearnersWords::Filled(
            LearnersWords::Said("Import",
                                "not valid UTF-8 (byte %1) and in no encoding Quibbix can guess"),
            {HexByte(text[bad])}) +
            ImportAdvice::Text(ImportAdvice::kEncodingSavedIn));
    return false;
}
