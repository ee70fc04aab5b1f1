#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Windows-1252, the single-byte code page the program displays its words in: conversion of
// Unicode characters to its bytes and back. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the C1 controls of the same value, as Windows does.

#include <string>
#include <string_view>

class Cp1252 {
public:
    // Stores the byte for `ch` and returns true, or returns false when the code page has none.
    static bool Encode(char32_t ch, unsigned char& byte);
    static char32_t Decode(unsigned char byte);
    // Converts Windows-1252 bytes to UTF-8; every byte has a meaning, so this cannot fail.
    static std::string ToUtf8(std::string_view bytes);
};
