#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where a study session is kept, under session/ in the working directory: the six list files,
// the words-learned count, the usage time, the current-word record and the study history. Every
// program that reads or writes a session (the window, the driver, the word-list tool's rebase)
// takes the names, list ids and record offsets from here.

#include "engine/ListRec.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// List ids, as the current-word record stores them; the known list has none, since no word
// is drawn from it directly.
constexpr int32_t LIST_TOBEVIEWED = 0;
constexpr int32_t LIST_UNSURE = 1;
constexpr int32_t LIST_MISTAKEN = 2;
constexpr int32_t LIST_NEW = 3;
constexpr int32_t LIST_LEARNING = 4;
constexpr int32_t kNoListId = -1;

// One of the six list files.
struct SessionList {
    int32_t listId;
    // The short name the driver's dump uses.
    const char* name;
    // What reports call it.
    const char* label;
    // Relative to the working directory.
    const char* path;

    // The file's name inside the session directory.
    std::string_view FileName() const { return std::string_view(path).substr(8); }
};

namespace SessionFiles {

constexpr const char* kDirectory = "session";
constexpr const char* kWordsLearned = "session/WordsLearned.txt";
constexpr const char* kTime = "session/Time.txt";
constexpr const char* kCurrWord = "session/currWord.cfg";
// One line per day of study; see HistoryFile.
constexpr const char* kHistory = "session/History.txt";
// The known words the schedule put back for review and that wait there unjudged, in the
// list files' form: still known to the learner, whose counts say so. Written once there are
// any; a file that cannot be read counts as none.
constexpr const char* kReview = "session/review.txt";

// In the order they are saved. The to-be-viewed file alone decides whether a session exists.
constexpr SessionList kToBeViewed{LIST_TOBEVIEWED, "tobeviewed", "to-be-viewed",
                                  "session/tobeviewed.txt"};
constexpr SessionList kUnsure{LIST_UNSURE, "unsure", "unsure", "session/unsure.txt"};
constexpr SessionList kMistaken{LIST_MISTAKEN, "mistaken", "mistaken", "session/mistaken.txt"};
constexpr SessionList kNew{LIST_NEW, "new", "new", "session/new.txt"};
constexpr SessionList kLearning{LIST_LEARNING, "learning", "learning", "session/learning.txt"};
constexpr SessionList kKnown{kNoListId, "known", "known", "session/known.txt"};
constexpr SessionList kLists[] = {kToBeViewed, kUnsure, kMistaken, kNew, kLearning, kKnown};
constexpr size_t kListCount = sizeof kLists / sizeof kLists[0];

}  // namespace SessionFiles

// The current-word record, session/currWord.cfg: five little-endian 32-bit fields,
// kSize = 4 + 4 + 4 + 4 + 4 = 20 bytes.
struct CurrWordRecord {
    static constexpr size_t kListIdOffset = 0;
    static constexpr size_t kReservedOffset = 4;
    static constexpr size_t kCounterOffset = 8;
    static constexpr size_t kWordIndexOffset = 12;
    static constexpr size_t kViewedCountOffset = 16;
    static constexpr size_t kSize = 20;

    int32_t listId = LIST_TOBEVIEWED;
    int32_t counter = 0;
    uint32_t wordIndex = NO_WORD;
    int32_t viewedCount = 0;

    // requires: `bytes` has room for kSize bytes. The reserved field is written as 0.
    void Encode(char* bytes) const;
    // A record shorter than kSize fills the fields it covers, byte by byte in file order;
    // the rest keep their values. Bytes past kSize are ignored.
    void Decode(std::string_view bytes);
};
