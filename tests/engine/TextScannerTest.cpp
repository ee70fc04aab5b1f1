// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TextScanner.h"

#include <clocale>
#include <gtest/gtest.h>

namespace {

TEST(TextScannerTest, Integers_FollowScanfOnOverflowAndSign) {
    struct Case {
        const char* text;
        bool ok;
        int32_t value;
    } cases[] = {
        {"42", true, 42},
        {"  -7x", true, -7},
        {"+3", true, 3},
        {"x", false, 0},
        {"-", false, 0},
        {"", false, 0},
        {"4294967296", true, 0},
        {"99999999999999999999", true, -1},
        {"2147483648", true, INT32_MIN},
    };
    for (const Case& c : cases) {
        int32_t value = 0;
        EXPECT_EQ(c.ok, TextScanner(c.text).ScanInt(value)) << c.text;
        EXPECT_EQ(c.value, value) << c.text;
    }
}

TEST(TextScannerTest, Unsigned_NegatesModulo32Bits) {
    uint32_t value = 0;
    EXPECT_TRUE(TextScanner("-1").ScanUnsigned(value));
    EXPECT_EQ(4294967295u, value);
    EXPECT_TRUE(TextScanner("4294967297").ScanUnsigned(value));
    EXPECT_EQ(1u, value);
}

TEST(TextScannerTest, Doubles_IgnoreTheProcessLocale) {
    // The toolkit switches the process to the user's locale, where "12.5" may not parse.
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "make deps generates it";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    double value = 0;
    EXPECT_TRUE(TextScanner(" 12.5abc").ScanDouble(value));
    EXPECT_DOUBLE_EQ(12.5, value);
    EXPECT_TRUE(TextScanner("+3").ScanDouble(value));
    EXPECT_DOUBLE_EQ(3.0, value);
    EXPECT_TRUE(TextScanner("1e-999").ScanDouble(value));
    EXPECT_DOUBLE_EQ(0.0, value);
    EXPECT_FALSE(TextScanner(".").ScanDouble(value));
    EXPECT_FALSE(TextScanner("--5").ScanDouble(value));
    EXPECT_FALSE(TextScanner("+-5").ScanDouble(value));
    std::setlocale(LC_ALL, "C");
}

}  // namespace
