// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/Checksum.h"

#include <cstring>

uint64_t Checksum(uint64_t hash, std::string_view bytes) {
    constexpr uint64_t kPrime = 1099511628211ull;
    size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, bytes.data() + i, 8);
        hash ^= word;
        hash *= kPrime;
    }
    for (; i < bytes.size(); ++i) {
        hash ^= static_cast<unsigned char>(bytes[i]);
        hash *= kPrime;
    }
    return hash;
}
