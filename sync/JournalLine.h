#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The text form of a journal: a header line naming the format version and the device, then one
// line per event, its fields separated by single spaces:
//
//   quibbix-journal 1 3f09a1c2b7e4
//   J 1765276381123 0 3f09a1c2b7e4 48213 1523 f 2 0
//     judgement: clock (ms, counter), device, sequence, word, direction (f/b), code, wall offset
//   U 1765276382004 0 3f09a1c2b7e4 48214 48213
//     undo: clock, device, sequence, the sequence of the event taken back
//   E 1765276390000 0 3f09a1c2b7e4 48215 3f09a1c2b7e4.48215 chat cat%20(French)
//     edit: clock, device, sequence, word, its text and its definition
//   R 1765276390000 1 3f09a1c2b7e4 48216 77
//     removal: clock, device, sequence, word
//   T 1765276391000 0 3f09a1c2b7e4 48217 f 2026-12-09 340
//     usage: clock, device, sequence, direction, date, seconds more of use on that date
//   M 1765276392000 0 3f09a1c2b7e4 48218 chat cat - 9f86...08.ogg 2c26...ae.png -
//     media: clock, device, sequence, the card's word and definition, and its files (the
//     word's picture and recording, the definition's picture and recording; - for none)
//
// Text fields escape '%', the space and the control characters as %XX, so that a line is one
// line and its fields split at every space. A judgement of a base word takes about 50 bytes.
// A new format only ever adds: a reader refuses a version above its own rather than guess at
// what it cannot read.

#include "sync/JournalEvent.h"

#include <string>
#include <string_view>

class JournalLine {
public:
    static constexpr int kFormatVersion = 1;
    static constexpr const char* kMagic = "quibbix-journal";

    enum class HeaderStatus { kOk, kNewerFormat, kNotJournal };

    // The header line, with its line end.
    static std::string EncodeHeader(const std::string& device);
    // Reads a header line (without its line end). kNewerFormat sets `version`, so that a
    // message can name it; kOk sets `device` too.
    static HeaderStatus DecodeHeader(std::string_view line, int& version, std::string& device);

    // The event's line, with its line end.
    static std::string Encode(const JournalEvent& event);
    // Reads one line (without its line end); on false `reason` says what is wrong with it.
    static bool Decode(std::string_view line, JournalEvent& event, std::string& reason);

    // Whether the line is an event of a kind a newer version writes: an upper-case letter this
    // one does not know, then a clock, a device and a sequence number. It is passed over, not
    // taken for damage.
    static bool IsLaterKind(std::string_view line);

    // Checks the word and the definition an edit sets, as the bytes of their fields; false
    // with `problem` saying why. The library alone refuses only what breaks the list
    // (BreaksList); the list store installs the program's own checker, the one every entry of
    // a list passes.
    using EntryCheck = bool (*)(std::string_view word, std::string_view definition,
                                std::string& problem);
    // Null puts the library's own check back.
    static void UseEntryCheck(EntryCheck check);
    // How an edit's fields travel: `toLine` turns a field's bytes into what its line holds,
    // `toField` the reverse, for a field of `size` bytes. The list store installs the
    // program's own, under which a compact field travels as its UTF-8 text and every computer
    // stores it in its own form; null puts the library's own back, which keeps the bytes.
    using FieldForm = std::string (*)(std::string_view text, size_t size);
    static void UseFieldForms(FieldForm toLine, FieldForm toField);
    // Whether an edit's fields break the word list, whatever else a checker finds: an empty
    // word, a control character, more bytes than a field holds.
    static bool BreaksList(std::string_view word, std::string_view definition);

    // Whether `word` names a word: a base record number or a device and sequence.
    static bool IsWordId(std::string_view word);
};
