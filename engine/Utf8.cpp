// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Utf8.h"

namespace {

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Returns kInvalid when the bytes at `pos` are not one well-formed character.
char32_t DecodeAt(std::string_view text, size_t& pos) {
    const auto byteAt = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t ch = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, ch = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, ch = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, ch = lead & 0x07, minimum = 0x10000;
    } else {
        return kInvalid;
    }
    if (pos + length > text.size()) return kInvalid;
    for (int i = 1; i < length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if ((next & 0xC0) != 0x80) return kInvalid;
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < minimum || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) return kInvalid;
    pos += length;
    return ch;
}

}  // namespace

bool Utf8::Decode(std::string_view text, std::u32string& out, size_t& badOffset) {
    out.clear();
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t start = pos;
        const char32_t ch = DecodeAt(text, pos);
        if (ch == kInvalid) {
            badOffset = start;
            return false;
        }
        out.push_back(ch);
    }
    return true;
}

char32_t Utf8::Next(std::string_view text, size_t& pos) {
    const char32_t ch = DecodeAt(text, pos);
    if (ch != kInvalid) return ch;
    ++pos;
    return 0xFFFD;
}

void Utf8::Append(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

int Utf8::LineOf(std::string_view text, size_t offset) {
    int line = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') ++line;
    }
    return line;
}
