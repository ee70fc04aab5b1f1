#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How the text of a word or definition field is read. Lists have always held Windows-1252;
// UTF-8 in the same fields carries every other script. A field is UTF-8 when its bytes up to
// the first NUL are valid UTF-8 and hold at least one multi-byte character, and Windows-1252
// otherwise. A Windows-1252 word whose bytes also form multi-byte UTF-8 ("Ã©" and the like)
// is practically never written on purpose, so every existing list reads as it always did.

#include <string>
#include <string_view>

class FieldText {
public:
    static bool IsUtf8(std::string_view field);
    // The field's text up to its first NUL, in UTF-8, whichever way it is stored.
    static std::string ToUtf8(std::string_view field);
};
