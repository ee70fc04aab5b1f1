// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Escaped.h"

#include "engine/Utf8.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsControl(char32_t ch) { return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F); }

void AppendEscape(std::string& out, unsigned value) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\x";
    out += kHex[(value >> 4) & 0xF];
    out += kHex[value & 0xF];
}

}  // namespace

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        const size_t start = pos;
        const char32_t ch = Utf8::Next(text, pos);
        // A U+FFFD that the text really holds takes three bytes; one byte is one that failed.
        if (ch == kReplacement && pos - start == 1)
            AppendEscape(out, static_cast<unsigned char>(text[start]));
        else if (IsControl(ch))
            AppendEscape(out, static_cast<unsigned>(ch));
        else
            out.append(text, start, pos - start);
    }
    return out;
}
