#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The importers' advice on the command-line options that change what they read, each a piece
// of its own after the reason it follows: a window, where no option can be given, finds the
// piece in the learner's language and puts its own advice in its place.

#include "engine/LearnersWords.h"

#include <string>

namespace ImportAdvice {

inline constexpr const char* kHeader =
    QT_TRANSLATE_NOOP("ImportAdvice", "; use --header to skip it, --no-header to keep it");
inline constexpr const char* kEncodingSavedIn =
    QT_TRANSLATE_NOOP("ImportAdvice", "; give the encoding it was saved in with --input-encoding");
inline constexpr const char* kRightEncoding =
    QT_TRANSLATE_NOOP("ImportAdvice", "; give the right encoding with --input-encoding");
inline constexpr const char* kEncodingChooses =
    QT_TRANSLATE_NOOP("ImportAdvice", "; --input-encoding chooses)");
inline constexpr const char* kTruncate = QT_TRANSLATE_NOOP("ImportAdvice", " (--truncate cuts it)");
inline constexpr const char* kFormatChooses =
    QT_TRANSLATE_NOOP("ImportAdvice", " (guessed; --format chooses)");
inline constexpr const char* kIncludeDeactivated =
    QT_TRANSLATE_NOOP("ImportAdvice", " (--include-deactivated keeps it)");

// One of the pieces above as the learner reads it.
inline std::string Text(const char* advice) { return LearnersWords::Said("ImportAdvice", advice); }

}  // namespace ImportAdvice
