#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Brings the bytes of an input file to UTF-8 text: in the encoding the user names, else as
// its byte order mark says (UTF-8, UTF-16 or UTF-32), else as UTF-8 when it is valid UTF-8,
// else in the encoding the detector finds likeliest, which is reported with its confidence.

#include "imports/Diagnostics.h"

#include <string>
#include <string_view>

// What a file's text is in, and the text in UTF-8.
class DecodedText {
public:
    // The UTF-8 text without a byte order mark; views the input's bytes or the converted copy.
    std::string_view Text() const { return m_isConverted ? m_converted : m_view; }
    // The encoding it was read in ("utf-8", "windows-1251").
    const std::string& Encoding() const { return m_encoding; }
    // How sure the detector was, 0 to 100; -1 when nothing was guessed.
    int Confidence() const { return m_confidence; }

private:
    friend class InputDecoder;
    std::string_view m_view;
    std::string m_converted;
    bool m_isConverted = false;
    std::string m_encoding = "utf-8";
    int m_confidence = -1;
};

class InputDecoder {
public:
    // Decodes `bytes`, which must outlive `decoded`: valid UTF-8 is viewed, never copied, as a
    // file may be tens of megabytes. `encoding` is a name TextEncoding knows, or empty to find
    // out. Returns false, with the line of the first bad byte reported, when the text does not
    // read in the encoding named or in any the detector finds.
    static bool Decode(const std::string& bytes, const std::string& encoding,
                       const std::string& fileName, Diagnostics& diagnostics, DecodedText& decoded);
    static std::string_view WithoutBom(std::string_view bytes);
    // The offset of the first byte that is not part of a well-formed UTF-8 character, or
    // npos: Utf8::Decode's strict reading without its decoded copy four times the size.
    static size_t FirstBadByte(std::string_view text);

private:
    static bool DecodeGuessed(std::string_view text, const std::string& fileName,
                              Diagnostics& diagnostics, DecodedText& decoded);
};
