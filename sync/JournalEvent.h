#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One thing a learner did to a synced list, as a journal keeps it: a judgement of a word, the
// undo of one, or a change to the list's words. Events are never changed once written, so an
// event is known everywhere by its device and sequence number, and all computers put them in
// one order: by clock, then device, then sequence number.
//
// Word identity. A word is named by an id that it keeps through every update of the list, so
// that judgements made on one computer still reach it after another computer rebased the list:
//  - a word of the list as it was when the list first joined the folder is named by its record
//    number there, counted from 1 ("1523"): the base every computer starts from;
//  - a word that an update or edit adds is named by the device and sequence number of the
//    edit event that added it ("3f09a1c2b7e4.812"), unique without asking anyone.
// When an update is recorded, the rebase's pairing (by word and definition, else by word)
// decides: a paired word keeps its id and gets an edit event if its text changed, a word left
// without a partner gets a removal, and a new word gets an edit event under a new id. Two
// computers editing one word both write edits of the same id; the later by the clock wins.

#include "sync/HybridTime.h"

#include <array>
#include <cstdint>
#include <string>

struct JournalEvent {
    enum class Kind : char {
        kJudgement = 'J',
        kUndo = 'U',
        kEdit = 'E',    // a word's text set, the word made when its id is new
        kRemove = 'R',  // a word taken out of the list
        kUsage = 'T',   // seconds of use on a day in one direction, added to that day's
        kMedia = 'M',   // the pictures and recordings of the card of a word and definition set
    };
    enum class Direction : char { kForwards = 'f', kBackwards = 'b' };

    Kind kind = Kind::kJudgement;
    HybridTime time;
    std::string device;
    uint64_t sequence = 0;  // from 1, one more for each event of the device

    // Judgement, edit and removal.
    std::string word;
    // Judgement and usage.
    Direction direction = Direction::kForwards;
    int code = 0;  // the engine's judgement code, 0 to 3
    // The judging computer's own wall clock minus the clock's time, in seconds: the day a
    // judgement counts for in the history is the learner's, even when the clock ran ahead
    // after reading a computer whose wall clock is fast. Nearly always 0.
    int64_t wallOffsetS = 0;
    // Undo: the sequence number of the device's own event it takes back.
    uint64_t undone = 0;
    // Edit, and the card whose media are set.
    std::string text;
    std::string definition;
    // Media: the card's files (the word's picture and recording, the definition's picture and
    // recording), each a name in the list's media store or empty for none.
    std::array<std::string, 4> files;
    // Usage: `seconds` more of use on `date` ("YYYY-MM-DD", the learner's calendar there).
    // The day a judgement counts for in the history is the date of its device's latest
    // usage event before it: the study flow notes a day's first seconds before that day's
    // first verdict, and every computer reads the same date there, whatever its time zone.
    std::string date;
    int64_t seconds = 0;

    // The judging computer's wall-clock time in seconds since 1970.
    int64_t WallSeconds() const;

    // The id a word added by this (edit) event goes by.
    std::string NewWordId() const { return device + "." + std::to_string(sequence); }

    bool operator==(const JournalEvent& other) const;
    bool operator!=(const JournalEvent& other) const { return !(*this == other); }
};

// The order every computer replays events in: clock, device, sequence number; two different
// events under one device and sequence number (a data folder restored from a backup and used
// on) are ordered by their content, so that every computer keeps the same one.
bool EventOrderLess(const JournalEvent& a, const JournalEvent& b);
