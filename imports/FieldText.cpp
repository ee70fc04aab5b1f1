// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/FieldText.h"

#include "engine/Cp1252.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"

#include <memory>
#include <unicode/ucnv.h>
#include <unicode/ustring.h>

namespace {

// The scheme's tags that select a window and nothing else, in its single-byte mode (SC0) and
// in its Unicode mode (UC0): either ends a text whose last byte would be NUL.
constexpr char kSelectWindow0 = 0x10;
constexpr char kUnicodeSelectWindow0 = static_cast<char>(0xE0);

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// One converter a thread: opening one costs more than converting a field, and the sync reads
// fields on a thread of its own.
UConverter* Scsu() {
    thread_local std::unique_ptr<UConverter, ConverterCloser> converter = [] {
        UErrorCode error = U_ZERO_ERROR;
        return std::unique_ptr<UConverter, ConverterCloser>(ucnv_open("SCSU", &error));
    }();
    if (converter) ucnv_reset(converter.get());
    return converter.get();
}

std::string CompactToUtf8(std::string_view bytes) {
    UConverter* converter = Scsu();
    if (!converter || bytes.empty()) return std::string();
    // Every byte yields at most two UTF-16 units.
    std::u16string units(bytes.size() * 2 + 2, u'\0');
    UErrorCode error = U_ZERO_ERROR;
    const int32_t length =
        ucnv_toUChars(converter, units.data(), static_cast<int32_t>(units.size()), bytes.data(),
                      static_cast<int32_t>(bytes.size()), &error);
    if (U_FAILURE(error)) return std::string();
    std::string utf8(static_cast<size_t>(length) * 3 + 1, '\0');
    int32_t utf8Length = 0;
    error = U_ZERO_ERROR;
    // Lone surrogates, which the scheme can spell, become U+FFFD like every other fault.
    u_strToUTF8WithSub(utf8.data(), static_cast<int32_t>(utf8.size()), &utf8Length, units.data(),
                       length, 0xFFFD, nullptr, &error);
    if (U_FAILURE(error)) return std::string();
    utf8.resize(static_cast<size_t>(utf8Length));
    return utf8;
}

}  // namespace

bool FieldText::IsCompact(std::string_view field) { return WordListFile::IsCompact(field); }

bool FieldText::IsUtf8(std::string_view field) {
    if (IsCompact(field)) return false;
    const std::string_view text = WordListFile::ShownText(field);
    std::u32string decoded;
    size_t bad = 0;
    // Fewer characters than bytes means at least one took more than one byte.
    return Utf8::Decode(text, decoded, bad) && decoded.size() < text.size();
}

std::string FieldText::ToUtf8(std::string_view field) {
    if (IsCompact(field)) return CompactToUtf8(WordListFile::StoredText(field));
    const std::string_view text = WordListFile::ShownText(field);
    return IsUtf8(text) ? std::string(text) : Cp1252::ToUtf8(text);
}

std::string FieldText::ToCompact(std::string_view text) {
    UConverter* converter = Scsu();
    if (!converter || text.empty()) return std::string();
    std::u16string units(text.size() + 1, u'\0');
    int32_t length = 0;
    UErrorCode error = U_ZERO_ERROR;
    u_strFromUTF8(units.data(), static_cast<int32_t>(units.size()), &length, text.data(),
                  static_cast<int32_t>(text.size()), &error);
    if (U_FAILURE(error)) return std::string();
    std::string bytes(static_cast<size_t>(UCNV_GET_MAX_BYTES_FOR_STRING(length, 4)), '\0');
    const int32_t size = ucnv_fromUChars(
        converter, bytes.data(), static_cast<int32_t>(bytes.size()), units.data(), length, &error);
    if (U_FAILURE(error)) return std::string();
    bytes.resize(static_cast<size_t>(size));
    // A text that starts in plain ASCII is marked by selecting the window already selected.
    if (!IsCompact(bytes)) bytes.insert(bytes.begin(), kSelectWindow0);
    // Which of the two modes the scheme ended in is its own business: the tag that reads back
    // as the text is the one that selects a window in that mode.
    if (bytes.back() == '\0') {
        for (char end : {kUnicodeSelectWindow0, kSelectWindow0}) {
            if (CompactToUtf8(bytes + end) == text) return bytes + end;
        }
        return std::string();
    }
    return CompactToUtf8(bytes) == text ? bytes : std::string();
}
