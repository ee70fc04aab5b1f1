#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A synced list as every computer's journal makes it: the words and the progress of both study
// directions, replayed from the list as it first joined (the base) through the merged events
// in their one order. Edits and removals change the words (see ReplayWords): a word an edit
// adds gets the next record of the list, in the order of the events that added them, and
// waits at the head of both directions' to-be-viewed lists, the last added first, as a list
// update places new words; a word taken out leaves the list and every session list, and the
// result is the list without it. Judgements move words through the engine's rules, each
// random draw seeded from its event; one of a word no longer (or never) in the list counts
// in unknownWords. Each direction's
// history is the base's days and, for every day of the events, the seconds of every
// computer's usage events for it, the judgements replayed (an undone one not at all) and the
// lists as they stood after the day's last judgement or usage event. A judgement's day is
// the date of its device's latest usage event before it (the study flow notes a day's first
// seconds before its first verdict), or the UTC date of its clock when there is none, so
// that every computer, in any time zone, counts it on the same day. The same events give
// the same bytes on every computer.
//
// A checkpoint in a folder of this computer's own keeps the replay cheap: when only events
// after it arrived, the replay goes on from it; otherwise it starts again from the base. It
// also seeds the next merge (JournalMerge::Seed), which then reads only what the journals
// hold past it.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"
#include "engine/WordRecord.h"
#include "sync/JournalEvent.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class JournalMerge;
struct ReplayCheckpoint;

class ListReplay {
public:
    // The list as it joined. Session images carry the session paths of SessionFiles
    // ("session/tobeviewed.txt", ..., "session/History.txt"), whichever direction they are
    // of; a missing file counts as the engine counts it.
    struct Base {
        std::vector<WordRecord> words;
        // A base whose words are left out of `words`, to be read only when a run needs their
        // text: their number, and how to read them.
        size_t wordCount = 0;
        std::function<std::vector<WordRecord>()> loadWords;
        // What a caller kept of the words from an earlier run, so that they need not be read
        // to know them: WordsHash and WordsSum of them; 0 when unknown.
        uint64_t wordsHash = 0;
        uint64_t wordsSum = 0;
        std::vector<FileImage> forwards;
        std::vector<FileImage> backwards;

        size_t WordCount() const { return words.empty() ? wordCount : words.size(); }
    };

    struct Result {
        // The words; empty when they are a base's left unread (Base::loadWords), unchanged.
        std::vector<WordRecord> words;
        // WordsSum of the words, whether or not they are in `words`.
        uint64_t wordsSum = 0;
        // Whether this run changed the words (an edit or removal replayed, or a run from the
        // base, which makes them anew).
        bool wordsTouched = false;
        // The id of each word of `words` (JournalEvent's word identity), record by record;
        // empty with `words`, when they are the base's "1" to wordCount.
        std::vector<std::string> wordIds;
        size_t wordCount = 0;
        // The six list files, words learned and the history of each direction, in the
        // engine's bytes, under the same session paths as the base's; no history while it
        // has no day, as the engine keeps none.
        std::vector<FileImage> forwards;
        std::vector<FileImage> backwards;
        // Seconds of use by device, over every day.
        std::map<std::string, int64_t> secondsByDevice;
        // Events replayed in this call (not those the checkpoint held already): judgements
        // applied (not an undone one), edits and removals, and judgements of a word the list
        // did not hold at their place in the order (taken out before, or never made: a
        // damaged or foreign journal).
        size_t judgementsReplayed = 0;
        size_t editsReplayed = 0;
        size_t unknownWords = 0;
        // Whether the replay started again from the base.
        bool fromBase = false;
    };

    // The part of a base's fingerprint its words make, and the checksum of the list file they
    // make: what a caller keeps so that the next run need not read the words.
    static uint64_t WordsHash(const std::vector<WordRecord>& words);
    static uint64_t WordsSum(const std::vector<WordRecord>& words);

    // `checkpointDir`, a folder of this computer's own, keeps the checkpoint between runs;
    // it is made when missing. requires: `files` outlives the replay.
    ListReplay(FileSystem& files, std::string checkpointDir);
    ~ListReplay();

    // Replays `events` (a JournalMerge's Events(), in its order) over `base`, from the
    // checkpoint where it still holds, and saves a new checkpoint (a checkpoint that cannot
    // be written costs the next run its shortcut only). False with `error` only when the base
    // holds no word, or more than a session can study.
    bool Run(const Base& base, const std::vector<JournalEvent>& events, Result& result,
             std::string& error);
    // Seeds `merge`, before it reads anything, with the checkpoint when that names the copies
    // it read.
    void Seed(JournalMerge& merge);
    // Run over the events of `merge`: those after the checkpoint it was seeded with, else all
    // (read again when the checkpoint does not hold for `base`). The checkpoint saved names
    // the copies the merge read.
    bool Run(const Base& base, JournalMerge& merge, Result& result, std::string& error);

private:
    // The checkpoint on disk, read once; null when there is none that reads.
    const ReplayCheckpoint* Saved();
    // Whether the saved checkpoint belongs to a base of `fingerprint` and reads whole.
    bool Fits(const std::string& fingerprint);
    // Run's work; with a seeded merge `events` are those after the checkpoint.
    bool Replay(const Base& base, const std::string& fingerprint,
                const std::vector<JournalEvent>& events, const JournalMerge* merge, Result& result,
                std::string& error);

    FileSystem& m_files;
    std::string m_checkpointDir;
    std::unique_ptr<ReplayCheckpoint> m_saved;
    bool m_isRead = false;
};
