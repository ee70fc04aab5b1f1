// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/InputDecoder.h"

#include "engine/Cp1252.h"
#include "engine/Utf8.h"

#include <cstdio>

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

std::string InputDecoder::FieldToUtf8(std::string_view field, bool isCp1252) {
    return isCp1252 ? FromCp1252(field) : std::string(field);
}

std::string InputDecoder::FromCp1252(std::string_view bytes) {
    size_t size = 0;
    for (char c : bytes) {
        const char32_t ch = Cp1252::Decode(static_cast<unsigned char>(c));
        size += ch < 0x80 ? 1 : ch < 0x800 ? 2 : 3;
    }
    std::string text;
    text.reserve(size);
    for (char c : bytes) Utf8::Append(text, Cp1252::Decode(static_cast<unsigned char>(c)));
    return text;
}

bool InputDecoder::Decode(const std::string& bytes, bool isCp1252, const std::string& fileName,
                          Diagnostics& diagnostics, std::string_view& text) {
    if (isCp1252) {
        text = bytes;
        return true;
    }
    text = WithoutBom(bytes);
    const size_t bad = FirstBadByte(text);
    if (bad == std::string_view::npos) return true;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[bad]));
    diagnostics.Error(fileName, Utf8::LineOf(text, bad),
                      std::string("not valid UTF-8 (byte ") + byte +
                          "); for text saved in a Windows code page use --input-encoding cp1252");
    return false;
}
