#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where each word of a list stands in one direction of study, read from that direction's
// session folder without changing it, so that it can be shown while the list is studied.

#include "engine/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <vector>

struct WordProgress {
    // In the order a word usually goes through them, which is how the window sorts them.
    // A known word the schedule put back for review is known still, "under review", until it
    // is judged again.
    enum class State : uint8_t {
        kToBeViewed,
        kNew,
        kMistaken,
        kUnsure,
        kLearning,
        kUnderReview,
        kKnown
    };

    State state = State::kToBeViewed;
    int32_t counter = 0;

    // A word still to be viewed has nothing to lose.
    bool HasProgress() const { return state != State::kToBeViewed; }
    // Words to be viewed and known ones keep a counter of 0 that means nothing.
    bool HasCounter() const {
        return state != State::kToBeViewed && state != State::kKnown &&
               state != State::kUnderReview;
    }
    // The state in the learner's words: "to be viewed", "new", "known", ...
    static const char* Plain(State state);
};

class SessionProgress {
public:
    // The progress of records 0..recordCount-1. A word in no list (the program puts such a
    // word back to be viewed) or a folder without a session reads as to be viewed; the word
    // on screen takes its state from the current-word file.
    static std::vector<WordProgress> Read(FileSystem& files,
                                          const std::filesystem::path& sessionDir,
                                          size_t recordCount);
};
