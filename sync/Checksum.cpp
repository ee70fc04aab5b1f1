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

uint64_t CopySum(std::string_view bytes) {
    const auto mix = [](uint64_t& hash, uint64_t word) {
        hash = (hash ^ word) * 0x9e3779b97f4a7c15ull;
        hash ^= hash >> 29;
    };
    const auto wordAt = [&bytes](size_t at) {
        uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        return word;
    };
    // Four lanes over every fourth word, so that their multiplications overlap: a year's
    // journal copy is summed at a sync in a few milliseconds rather than many.
    uint64_t lanes[4];
    for (uint64_t lane = 0; lane < 4; ++lane) lanes[lane] = (kChecksumSeed + lane) ^ bytes.size();
    size_t i = 0;
    for (; i + 32 <= bytes.size(); i += 32)
        for (size_t lane = 0; lane < 4; ++lane) mix(lanes[lane], wordAt(i + lane * 8));
    uint64_t hash = lanes[0];
    for (size_t lane = 1; lane < 4; ++lane) mix(hash, lanes[lane]);
    for (; i + 8 <= bytes.size(); i += 8) mix(hash, wordAt(i));
    uint64_t rest = 0;
    std::memcpy(&rest, bytes.data() + i, bytes.size() - i);
    mix(hash, rest);
    return hash;
}
