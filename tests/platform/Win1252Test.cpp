// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Win1252.h"

#include <gtest/gtest.h>
#include <string>

namespace {

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(Win1252Test, EveryByte_SurvivesTheRoundTripThroughUnicode) {
    const QString text = Win1252ToUnicode(AllBytes());
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80].unicode(), 0x20AC);
    EXPECT_EQ(UnicodeToWin1252(text), AllBytes());
}

TEST(Win1252Test, CharacterOutsideTheCodePage_BecomesQuestionMark) {
    EXPECT_EQ(UnicodeToWin1252(QStringLiteral("a\u0416b\u20ACc\U0001F600")), std::string("a?b\x80"
                                                                                         "c??"));
}

}  // namespace
