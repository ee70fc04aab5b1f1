// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MulDiv.h"

#include <cstdlib>
#include <limits>

int32_t MulDiv(int32_t a, int32_t b, int32_t c) {
    if (c == 0) return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = static_cast<uint64_t>(std::llabs(product));
    const uint64_t divisor = static_cast<uint64_t>(std::llabs(static_cast<int64_t>(c)));
    const uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded > static_cast<uint64_t>(std::numeric_limits<int32_t>::max())) return -1;
    const int64_t result = static_cast<int64_t>(rounded);
    return static_cast<int32_t>(negative ? -result : result);
}
