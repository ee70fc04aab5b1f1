#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The checksum a replay's checkpoint and its base go by: FNV-1a over eight bytes at a time,
// then the rest. A megabyte of session files is summed at every sync, and the sum is there to
// tell damage or a different base, not to resist an attacker.

#include <cstdint>
#include <string_view>

constexpr uint64_t kChecksumSeed = 14695981039346656037ull;

// Continues `hash` over `bytes`; start with kChecksumSeed.
uint64_t Checksum(uint64_t hash, std::string_view bytes);
