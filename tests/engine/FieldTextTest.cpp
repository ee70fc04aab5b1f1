// SPDX-License-Identifier: GPL-2.0-or-later
// Which fields read as UTF-8 and which, as always, as Windows-1252.
#include "engine/Cp1252.h"
#include "engine/FieldText.h"

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FieldText, MultiByteUtf8ReadsAsUtf8AndEverythingElseAsWindows1252) {
    const std::string russian = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
    EXPECT_TRUE(FieldText::IsUtf8(russian));
    EXPECT_EQ(FieldText::ToUtf8(russian), russian);
    // What follows the first NUL is not part of the text.
    EXPECT_EQ(FieldText::ToUtf8(russian + std::string("\0\xFF", 2)), russian);
    for (const std::string& cp1252 :
         {std::string("plain ascii"), std::string("caf\xE9 \x80 \x93quoted\x94"),
          // A UTF-8 character cut short by a 30-byte field, and an overlong form.
          russian.substr(0, 5), std::string("\xC0\xAF"), std::string()}) {
        EXPECT_FALSE(FieldText::IsUtf8(cp1252)) << cp1252;
        EXPECT_EQ(FieldText::ToUtf8(cp1252), Cp1252::ToUtf8(cp1252)) << cp1252;
    }
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(FieldText::ToUtf8(one), Cp1252::ToUtf8(one)) << "byte " << b;
    }
}

}  // namespace
