#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A time of the hybrid logical clock: wall-clock milliseconds, and a counter that orders the
// events a computer made, or heard of, within one millisecond or while its wall clock stood
// behind a time it had already used.

#include <cstdint>
#include <tuple>

struct HybridTime {
    int64_t physicalMs = 0;
    uint32_t logical = 0;

    bool operator<(const HybridTime& other) const {
        return std::tie(physicalMs, logical) < std::tie(other.physicalMs, other.logical);
    }
    bool operator==(const HybridTime& other) const {
        return physicalMs == other.physicalMs && logical == other.logical;
    }
    bool operator!=(const HybridTime& other) const { return !(*this == other); }
};
