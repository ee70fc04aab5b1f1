#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where a synced list's replay stood when it last ran, kept in one file of this computer's
// own so that the next run replays only what arrived since: the point in the merged events,
// the words and both directions' session files there, and what the history needs to go on.
// One file, so that no part of it can come from another save; it ends with a checksum, and a
// file cut short or damaged reads as no checkpoint at all, which costs a replay from the base.

#include "engine/AtomicFile.h"
#include "engine/WordRecord.h"
#include "sync/JournalEvent.h"
#include "sync/JournalMerge.h"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct ReplayCheckpoint {
    // Of the base the replay started from: a checkpoint of another base never holds.
    std::string fingerprint;
    JournalMerge::Checkpoint merged;
    // The line of the last event replayed: a device's event replaced under the same sequence
    // number (a data folder restored from a backup) is not the one replayed.
    std::string lastEvent;
    // The journal copies' bytes that hold exactly the events replayed, so that the next merge
    // reads only what follows them; none when they do not.
    std::vector<JournalMerge::CopyMark> copies;
    // By device: the date of its latest usage event, the day its next judgement counts for.
    std::map<std::string, std::string> dates;
    std::map<std::string, int64_t> secondsByDevice;
    // The words and their ids once an edit changed them from the base's (empty until then),
    // and the ids of the words taken out, which no later edit brings back.
    std::vector<std::string> wordIds;
    std::vector<WordRecord> words;
    std::vector<std::string> removedIds;
    // ListReplay::WordsSum of the words there (the base's while they are unchanged); 0 when
    // not known, as in a checkpoint of an older version.
    uint64_t wordsSum = 0;
    // Under the session paths, as the result gives them.
    std::vector<FileImage> forwards;
    std::vector<FileImage> backwards;

    // The line that names `event` in lastEvent.
    static std::string LineOf(const JournalEvent& event);
    std::string Serialize() const;
    // False for anything Serialize did not write whole.
    static bool Parse(std::string_view text, ReplayCheckpoint& checkpoint);
};
