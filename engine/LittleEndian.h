#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The byte order of every binary file the program reads and writes: 32-bit values, least
// significant byte first, whatever the machine's own order.

#include <cstdint>

inline uint32_t GetLE32(const void* at) {
    const auto* p = static_cast<const uint8_t*>(at);
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

inline void PutLE32(void* at, uint32_t value) {
    auto* p = static_cast<uint8_t*>(at);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}
