#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The C library's classic 15-bit generator, so that a first run draws the same order from the
// same tick on every platform and in every version: srand(s) sets a 32-bit state to s; rand()
// advances it as state * 214013 + 2531011 (mod 2^32) and returns bits 16..30.

#include <cstdint>

class ClassicRandom {
public:
    static constexpr int kMax = 32767;

    void Seed(uint32_t seed) { m_state = seed; }
    int Next() {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

private:
    uint32_t m_state = 1;
};
