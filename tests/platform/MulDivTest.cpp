// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MulDiv.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

struct Case {
    int32_t a, b, c, expected;
};

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

TEST(MulDivTest, RoundsHalvesAwayFromZero) {
    const Case cases[] = {
        {16, 96, 72, 21},   {11, 96, 72, 15},
        {20, 96, 72, 27},   {-20, 96, 72, -27},
        {1, 3, 2, 2},       {-1, 3, 2, -2},
        {1, -3, 2, -2},     {1, 3, -2, -2},
        {-1, -3, 2, 2},     {5, 1, 2, 3},
        {-5, 1, 2, -3},     {7, 1, 4, 2},
        {kMax, 2, 2, kMax}, {kMax, kMax, kMax, kMax},
        {0, 5, 7, 0},
    };
    for (const Case& t : cases)
        EXPECT_EQ(MulDiv(t.a, t.b, t.c), t.expected) << t.a << "*" << t.b << "/" << t.c;
}

TEST(MulDivTest, ZeroDivisorOrOverflow_GivesMinusOne) {
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(MulDiv(kMax, 4, 2), -1);
}

}  // namespace
