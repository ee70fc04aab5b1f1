#include "platform/Win1252.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// 0x80..0x9F as Windows maps them; the five holes come back as C1 controls.
constexpr char16_t kExpectedHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes.push_back(static_cast<char>(b));
    return bytes;
}

TEST(Win1252Test, EveryByte_MapsToItsWindowsCodePoint) {
    const QString text = Win1252ToUnicode(AllBytes());
    ASSERT_EQ(text.size(), 256);
    for (int b = 0; b < 256; ++b) {
        const char16_t expected =
            (b >= 0x80 && b <= 0x9F) ? kExpectedHigh[b - 0x80] : static_cast<char16_t>(b);
        EXPECT_EQ(text[b].unicode(), expected) << "byte " << b;
        EXPECT_EQ(Win1252ToCodePoint(static_cast<uint8_t>(b)), static_cast<char32_t>(expected))
            << "byte " << b;
    }
}

TEST(Win1252Test, EveryByte_SurvivesTheRoundTrip) {
    EXPECT_EQ(UnicodeToWin1252(Win1252ToUnicode(AllBytes())), AllBytes());
}

TEST(Win1252Test, CharacterOutsideTheCodePage_BecomesQuestionMark) {
    EXPECT_EQ(UnicodeToWin1252(QStringLiteral("a\u0416b\u20ACc")), std::string("a?b\x80"
                                                                               "c"));
}

}  // namespace
