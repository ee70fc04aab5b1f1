#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The checksums of the sync. Checksum, which a replay's checkpoint and its base go by: FNV-1a
// over eight bytes at a time, then the rest. A megabyte of session files is summed at every
// sync, and the sum is there to tell damage or a different base, not to resist an attacker.
// Fnv1a64, which a sync folder's manifest gives each base file: FNV-1a 64 byte by byte, as
// every folder written so far holds it, so it never changes.

#include <cstdint>
#include <string>
#include <string_view>

constexpr uint64_t kChecksumSeed = 14695981039346656037ull;

// Continues `hash` over `bytes`; start with kChecksumSeed.
uint64_t Checksum(uint64_t hash, std::string_view bytes);

// The sum of a journal copy's bytes that a checkpoint keeps, to tell that they are those it
// read: eight bytes at a time in four lanes, each step folding the high bits back down so
// that any byte changes every bit. Checkpoints hold it, so it never changes.
uint64_t CopySum(std::string_view bytes);

// FNV-1a 64 of `bytes`, one byte at a time.
uint64_t Fnv1a64(std::string_view bytes);
// The same as a manifest writes it: 16 lowercase hex digits.
std::string Fnv1a64Hex(std::string_view bytes);
