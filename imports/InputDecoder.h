#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Brings the bytes of an input file to UTF-8 text: a byte order mark is dropped, UTF-8 is
// checked strictly, and Windows-1252 is converted when the user says the file is in it.

#include <string>

#include "imports/Diagnostics.h"

class InputDecoder {
public:
    // Returns false, with the line of the first bad byte reported, when the input claims to
    // be UTF-8 and is not.
    static bool ToUtf8(const std::string& bytes, bool isCp1252, const std::string& fileName,
                       Diagnostics& diagnostics, std::string& text);
    static std::string WithoutBom(const std::string& bytes);
};
