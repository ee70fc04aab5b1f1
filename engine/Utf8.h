#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Strict UTF-8: decoding that refuses overlong forms, surrogates and truncated sequences, so
// that text in a Windows code page is caught instead of turning into wrong letters.

#include <string>
#include <string_view>

class Utf8 {
public:
    // Decodes the whole text. On failure returns false and sets `badOffset` to the first byte
    // that is not part of a valid sequence.
    static bool Decode(std::string_view text, std::u32string& out, size_t& badOffset);
    // Decodes one character at `pos` and advances it; returns U+FFFD for an invalid byte.
    static char32_t Next(std::string_view text, size_t& pos);
    static void Append(std::string& out, char32_t ch);
    // The number of the line holding byte `offset`, counted from 1.
    static int LineOf(std::string_view text, size_t offset);
};
