// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/Checksum.h"

#include <cstdio>
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

uint64_t Fnv1a64(std::string_view bytes) {
    constexpr uint64_t kPrime = 1099511628211ull;
    uint64_t hash = kChecksumSeed;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= kPrime;
    }
    return hash;
}

std::string Fnv1a64Hex(std::string_view bytes) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(Fnv1a64(bytes)));
    return text;
}
