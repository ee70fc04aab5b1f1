#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's words to the learner, marked for the program's translation. The engine builds
// its messages from these pieces, each said in the learner's words (engine/LearnersWords) as the
// message is built; the file names and details between them stay as they are. The engine needs
// no Qt: the mark is lupdate's, and means nothing here.

#include "engine/LearnersWords.h"  // QT_TRANSLATE_NOOP without Qt

namespace EngineTexts {

inline constexpr const char* kErrorCaption = QT_TRANSLATE_NOOP("Engine", "Error");
inline constexpr const char* kWordStateCaption = QT_TRANSLATE_NOOP("Engine", "Word State");
inline constexpr const char* kMaintainListCaption = QT_TRANSLATE_NOOP("Engine", "Maintain List");
inline constexpr const char* kOpening = QT_TRANSLATE_NOOP("Engine", "Error: Opening ");
inline constexpr const char* kNoRecordFile =
    QT_TRANSLATE_NOOP("Engine", "Error: No Valid Record File");
inline constexpr const char* kNoRandomList =
    QT_TRANSLATE_NOOP("Engine", "Failed to generate random list");
inline constexpr const char* kHistoryUnread =
    QT_TRANSLATE_NOOP("Engine", "Your study history could not be read whole:");
inline constexpr const char* kProgressUnread =
    QT_TRANSLATE_NOOP("Engine", "Some of your progress could not be read:");
inline constexpr const char* kProgressUnsaved =
    QT_TRANSLATE_NOOP("Engine", "Your progress could not be saved.");
inline constexpr const char* kSavedBeforeKept = QT_TRANSLATE_NOOP(
    "Engine",
    "What was saved before is kept as it was. Free some space or fix the file, then save again.");

}  // namespace EngineTexts
