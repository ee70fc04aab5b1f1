// SPDX-License-Identifier: GPL-2.0-or-later
// The code page table against the C library's own converter, which knows Windows-1252 too.
#include "engine/Cp1252.h"

#include <iconv.h>

#include <gtest/gtest.h>
#include <string>

namespace {

// The character iconv gives for one byte, or 0 when it calls the byte undefined.
char32_t IconvDecode(unsigned char byte) {
    iconv_t cd = iconv_open("UTF-32LE", "CP1252");
    if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inPtr = in;
    char* outPtr = reinterpret_cast<char*>(out);
    size_t inLeft = 1, outLeft = 4;
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) return 0;
    return out[0] | out[1] << 8 | out[2] << 16 | static_cast<char32_t>(out[3]) << 24;
}

TEST(Cp1252Test, EveryByte_DecodesAsTheSystemConverterDoes_AndTheFiveHolesAsC1) {
    int holes = 0;
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        const char32_t expected = IconvDecode(byte);
        if (expected == 0 && b != 0) {
            ++holes;
            EXPECT_EQ(Cp1252::Decode(byte), static_cast<char32_t>(b)) << "byte " << b;
        } else {
            EXPECT_EQ(Cp1252::Decode(byte), expected) << "byte " << b;
        }
        unsigned char back = 0;
        EXPECT_TRUE(Cp1252::Encode(Cp1252::Decode(byte), back));
        EXPECT_EQ(back, byte);
    }
    EXPECT_EQ(holes, 5);
}

TEST(Cp1252Test, CharacterOutsideTheCodePage_HasNoByte) {
    unsigned char byte = 0;
    EXPECT_FALSE(Cp1252::Encode(U'\u0416', byte));
    EXPECT_FALSE(Cp1252::Encode(U'\U0001F600', byte));
    EXPECT_EQ(Cp1252::ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
}

}  // namespace
