#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Brings the bytes of an input file to UTF-8 text: a byte order mark is dropped, UTF-8 is
// checked strictly, and Windows-1252 is converted when the user says the file is in it.

#include "imports/Diagnostics.h"

#include <string>
#include <string_view>

class InputDecoder {
public:
    // Sets `text` to the text of `bytes`, which it views: UTF-8 is checked, never copied, as
    // a file may be tens of megabytes, and its byte order mark left out. Windows-1252 is
    // left as it is, for the importers to convert each field they keep (FieldToUtf8): the
    // whole text converted could take three times the file's size. Returns false, with the
    // line of the first bad byte reported, when the input claims to be UTF-8 and is not.
    static bool Decode(const std::string& bytes, bool isCp1252, const std::string& fileName,
                       Diagnostics& diagnostics, std::string_view& text);
    // A field of the text Decode gave, in UTF-8.
    static std::string FieldToUtf8(std::string_view field, bool isCp1252);
    // Windows-1252 to UTF-8 into a string of the converted size, not grown to twice that.
    static std::string FromCp1252(std::string_view bytes);
    static std::string_view WithoutBom(std::string_view bytes);
    // The offset of the first byte that is not part of a well-formed UTF-8 character, or
    // npos: Utf8::Decode's strict reading without its decoded copy four times the size.
    static size_t FirstBadByte(std::string_view text);
};
