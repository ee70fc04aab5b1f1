// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/InputDecoder.h"

#include "engine/Cp1252.h"
#include "engine/Utf8.h"

#include <cstdio>

std::string InputDecoder::WithoutBom(const std::string& bytes) {
    return bytes.compare(0, 3, "\xEF\xBB\xBF") == 0 ? bytes.substr(3) : bytes;
}

bool InputDecoder::ToUtf8(const std::string& bytes, bool isCp1252, const std::string& fileName,
                          Diagnostics& diagnostics, std::string& text) {
    if (isCp1252) {
        text = Cp1252::ToUtf8(bytes);
        return true;
    }
    text = WithoutBom(bytes);
    std::u32string decoded;
    size_t bad = 0;
    if (Utf8::Decode(text, decoded, bad)) return true;
    char byte[8];
    std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(text[bad]));
    diagnostics.Error(fileName, Utf8::LineOf(text, bad),
                      std::string("not valid UTF-8 (byte ") + byte +
                          "); for text saved in a Windows code page use --input-encoding cp1252");
    return false;
}
