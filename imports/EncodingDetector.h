#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Guesses the encoding of a text that is not UTF-8 (ICU's charset detector), with how sure
// the guess is, so that a user is asked only when it matters.

#include "imports/TextEncoding.h"

#include <string_view>
#include <vector>

struct EncodingGuess {
    TextEncoding encoding;
    int confidence = 0;  // 0 to 100
};

namespace EncodingDetector {

// The guesses, the likeliest first; only encodings a file can be read in, each once.
// Empty when nothing fits.
std::vector<EncodingGuess> Guess(std::string_view bytes);

// Below this, the window asks the user to pick the encoding.
constexpr int kSureConfidence = 50;

}  // namespace EncodingDetector
