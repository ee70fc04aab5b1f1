#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's words to the learner, marked for the program's translation. The engine writes
// its messages in English from these pieces; the window that shows a message puts each piece
// into the learner's language (platform/QtEngineEnv), the file names and details between them
// staying as they are. The engine needs no Qt: the mark is lupdate's, and means nothing here.

#ifndef QT_TRANSLATE_NOOP
// Spelled as Qt spells it, so that either definition may come first.
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

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

// For the window that translates a message: the captions, each a whole caption, and the
// pieces of the texts.
inline constexpr const char* kCaptions[] = {kErrorCaption, kWordStateCaption, kMaintainListCaption};
inline constexpr const char* kPieces[] = {kOpening,        kNoRecordFile,   kNoRandomList,
                                          kHistoryUnread,  kProgressUnread, kProgressUnsaved,
                                          kSavedBeforeKept};

}  // namespace EngineTexts
