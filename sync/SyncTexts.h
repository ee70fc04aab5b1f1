#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the sync library says to the learner, marked for the program's translation. The library
// needs no Qt, so it builds its messages from these pieces, each said in the learner's words
// (engine/LearnersWords) as the message is built: the file names, quoted lines, device ids and
// numbers between the pieces are never read as text to translate.

#include "engine/LearnersWords.h"  // QT_TRANSLATE_NOOP without Qt

#include <string>

namespace SyncTexts {

// A marked piece in the learner's language; in English where the program installs no
// translation, as in the library's own tests.
std::string Said(const char* piece);

// DeviceId
inline constexpr const char* kNoDeviceId = QT_TRANSLATE_NOOP("Sync", ": held no device id (\"");
inline constexpr const char* kNowNewDevice =
    QT_TRANSLATE_NOOP("Sync", "\"); this computer now syncs as the new device ");
inline constexpr const char* kMadeAt = QT_TRANSLATE_NOOP("Sync", ": the data folder was made at ");
inline constexpr const char* kCopiedFrom = QT_TRANSLATE_NOOP(
    "Sync",
    " (copied or moved from there, where it may still sync); this computer now syncs as the new "
    "device ");
inline constexpr const char* kNotFromTwoPlaces =
    QT_TRANSLATE_NOOP("Sync", ", so that no journal is written from two places");
// Journal
inline constexpr const char* kNewerFormat =
    QT_TRANSLATE_NOOP("Sync", ": written in journal format ");
inline constexpr const char* kReadsFormat =
    QT_TRANSLATE_NOOP("Sync", " by a newer Quibbix; this one reads format ");
inline constexpr const char* kLeftUnread =
    QT_TRANSLATE_NOOP("Sync", " and leaves the journal unread until it is updated");
inline constexpr const char* kNotJournal =
    QT_TRANSLATE_NOOP("Sync", ": not a Quibbix journal (its first line is \"");
inline constexpr const char* kEventOfDevice = QT_TRANSLATE_NOOP("Sync", "an event of device ");
inline constexpr const char* kInJournalOf = QT_TRANSLATE_NOOP("Sync", " in the journal of ");
inline constexpr const char* kJournalOfDevice =
    QT_TRANSLATE_NOOP("Sync", ": the journal of device ");
inline constexpr const char* kNotThisComputers =
    QT_TRANSLATE_NOOP("Sync", ", not of this computer's ");
inline constexpr const char* kHoldsJournalOf =
    QT_TRANSLATE_NOOP("Sync", ": holds the journal of device ");
// KeptCopies
inline constexpr const char* kKeptStays = QT_TRANSLATE_NOOP(
    "Sync",
    "; what was taken from it before stays, and the computer that writes it replaces it at its "
    "next sync");
inline constexpr const char* kNoJournalOfItsName =
    QT_TRANSLATE_NOOP("Sync", ": not the journal its name says; passed over");
inline constexpr const char* kChangedKept = QT_TRANSLATE_NOOP(
    "Sync", ": no longer begins with what was taken from it; both are kept and read");
inline constexpr const char* kHoldsMoreEvents =
    QT_TRANSLATE_NOOP("Sync", ": the journals there hold more than ");
inline constexpr const char* kEventsThanMerged = QT_TRANSLATE_NOOP(
    "Sync",
    " events, more than Quibbix merges; the list keeps its progress here and is not synced");
inline constexpr const char* kWouldHoldMore =
    QT_TRANSLATE_NOOP("Sync", ": taking it would make the journals hold more than ");
inline constexpr const char* kEventsPassedOver =
    QT_TRANSLATE_NOOP("Sync", " events, more than Quibbix merges; passed over");
inline constexpr const char* kChangedTooOften = QT_TRANSLATE_NOOP(
    "Sync", ": changed what it held too many times; passed over, what was taken from it stays");
// JournalLine: why a line is no event
inline constexpr const char* kNoDirection = QT_TRANSLATE_NOOP("Sync", "no direction (f or b)");
inline constexpr const char* kNoDate = QT_TRANSLATE_NOOP("Sync", "no date (YYYY-MM-DD)");
inline constexpr const char* kNoSeconds = QT_TRANSLATE_NOOP("Sync", "no seconds of use");
inline constexpr const char* kNoEarlierEvent =
    QT_TRANSLATE_NOOP("Sync", "the event it undoes is no earlier event of its device");
inline constexpr const char* kNoWordId = QT_TRANSLATE_NOOP("Sync", "no word id");
inline constexpr const char* kNoJudgement = QT_TRANSLATE_NOOP("Sync", "no judgement code (0 to 3)");
inline constexpr const char* kNoOffset = QT_TRANSLATE_NOOP("Sync", "no wall-clock offset");
inline constexpr const char* kNoMediaName =
    QT_TRANSLATE_NOOP("Sync", "no name of a picture or recording");
inline constexpr const char* kBrokenEscape =
    QT_TRANSLATE_NOOP("Sync", "a broken %XX escape in the word's text");
inline constexpr const char* kBadWord =
    QT_TRANSLATE_NOOP("Sync", "a word that is empty, holds a control character or is too long");
inline constexpr const char* kBadDefinition =
    QT_TRANSLATE_NOOP("Sync", "a definition that holds a control character or is too long");
inline constexpr const char* kLaterKinds = QT_TRANSLATE_NOOP(
    "Sync", ": events of a kind a newer Quibbix writes, passed over; update Quibbix to take them");
inline constexpr const char* kSequenceBeyond =
    QT_TRANSLATE_NOOP("Sync", "a sequence number beyond the events before it");
inline constexpr const char* kNoKind =
    QT_TRANSLATE_NOOP("Sync", "no event of this format (J, U, E, R, T or M)");
inline constexpr const char* kItHas = QT_TRANSLATE_NOOP("Sync", "it has ");
inline constexpr const char* kFieldsNot = QT_TRANSLATE_NOOP("Sync", " fields, not ");
inline constexpr const char* kNoClock = QT_TRANSLATE_NOOP("Sync", "no clock time");
inline constexpr const char* kNoDevice = QT_TRANSLATE_NOOP("Sync", "no device id");
inline constexpr const char* kNoSequence = QT_TRANSLATE_NOOP("Sync", "no sequence number");
// ListReplay
inline constexpr const char* kBaseUnreadable = QT_TRANSLATE_NOOP(
    "Sync", "the words of the list as it joined cannot be read; nothing was written");
inline constexpr const char* kReplayHolds = QT_TRANSLATE_NOOP("Sync", "The list to replay holds ");
inline constexpr const char* kStudiesFrom =
    QT_TRANSLATE_NOOP("Sync", " words: a list studies from 1 to ");
// AnswerEvents
inline constexpr const char* kJudgementOfWord = QT_TRANSLATE_NOOP("Sync", "a judgement of word ");
inline constexpr const char* kNotHeldLeftOut =
    QT_TRANSLATE_NOOP("Sync", ", which the list does not hold, was left out");

}  // namespace SyncTexts
