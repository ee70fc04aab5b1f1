#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads text in one of the Windows code pages other than 1252, through the C library's
// converters, so that the tables are the system's and not typed out here.

#include <string>
#include <string_view>

class CodePageDecoder {
public:
    // Whether `codePage` ("1251", "874", ...) is one of those a list may have been made in.
    static bool IsKnown(const std::string& codePage);
    static std::string Names();

    // Requires IsKnown(codePage).
    explicit CodePageDecoder(std::string codePage) : m_codePage(std::move(codePage)) {}

    // The UTF-8 form of `bytes`; false, with the offset of the first byte the code page leaves
    // undefined, when there is none, or npos when the system has no converter for it.
    bool ToUtf8(std::string_view bytes, std::string& text, size_t& badOffset) const;

private:
    std::string m_codePage;
};
