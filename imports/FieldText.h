#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How the text of a word or definition field is read and, in its compact form, written.
// Lists have always held Windows-1252; UTF-8 in the same fields carries every other script. A
// field is UTF-8 when its bytes up to the first NUL are valid UTF-8 and hold at least one
// multi-byte character, and Windows-1252 otherwise. A Windows-1252 word whose bytes also form
// multi-byte UTF-8 ("Ã©" and the like) is practically never written on purpose, so every
// existing list reads as it always did.
//
// A text too long for either form may take the compact one, the Unicode compression scheme
// (SCSU), which holds an alphabet at a byte a letter and Chinese, Japanese or Korean at two.
// It begins with one of its tag bytes, control characters no field began with before, and
// runs to the field's last byte that is not NUL (see WordListFile::IsCompact).

#include <string>
#include <string_view>

class FieldText {
public:
    static bool IsCompact(std::string_view field);
    static bool IsUtf8(std::string_view field);
    // The field's text in UTF-8, whichever way it is stored; bytes a compact field cannot
    // hold read as U+FFFD.
    static std::string ToUtf8(std::string_view field);
    // The compact form of the UTF-8 text: it begins with a tag, does not end in NUL and reads
    // back as the text; empty for an empty text or one that is not valid UTF-8.
    static std::string ToCompact(std::string_view text);
};
