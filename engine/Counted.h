#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A count and its noun in agreement ("1 record", "2 records"), for every message that counts.

#include <cstdint>
#include <string>

// `many` defaults to `one` with an "s"; nouns such as "entry" give their own plural.
std::string Counted(uint64_t count, const std::string& one, const std::string& many = "");
