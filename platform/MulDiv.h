#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The Windows arithmetic helper that scales font heights and dialog units: a * b / c with a
// 64-bit intermediate, rounded to the nearest integer with halves away from zero.

#include <cstdint>

// Returns -1 when c is 0 or the result does not fit in 32 bits, as Windows does.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
