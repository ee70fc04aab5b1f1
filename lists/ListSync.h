#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A list studied on several computers through a folder that a file-sync engine carries
// (Syncthing, Nextcloud, a USB stick): joining the list to the folder, syncing it, leaving.
// Each computer writes only its own files in the folder, its journal of events among them, and
// every computer's progress is the replay of all journals over the list as it first joined,
// so that computers that studied apart agree once their files have arrived, with every
// judgement counted once. No network code: the folder is the only way out.
//
//   FOLDER/                         the sync folder, one list
//       quibbix-list.txt            what the folder holds, with a length and checksum of
//                                   each base file, so that a half-copied base is waited for
//       base/...                    the list's words and progress as it first joined
//       journal-<device>.txt        one per computer, written by that computer alone
//       media/<sha-256>.<ext>       the words' pictures and recordings (SyncMedia)
//   LIST/sync/                      this computer's side, in the list folder
//       folder.txt                  the sync folder's path
//       journal.txt                 this computer's own journal, the truth of its events
//       base/                       a copy of the folder's base, checked once when joining
//       ids.txt, list.lst           each word's id, and the words, as the last sync left them:
//                                   what a change of the words is told from
//       committed.txt               the journal's next sequence number as the ids were written
//       clock.txt                   the latest clock time the last sync saw, for a record
//       seen.txt                    each computer's last event this one has reported
//       kept/                       every other computer's journal as far as this one took
//                                   it: what the folder loses or spoils takes nothing back
//       others-seconds.txt          the seconds of use on the other computers
//       checkpoint/                 where the replay stood
//       stamp.txt                   the journals' lengths and times at the last sync, so that
//                                   a sync that finds them unchanged ends at once
//       media.txt                   each card's latest media event (SyncMedia)
//
// The folder's manifest and base are read and written in SyncManifest, this computer's side in
// SyncSide, a join's two ways in SyncJoin; the events a sync appends are made in sync/WordDiff
// and sync/AnswerEvents. Every file goes through the FileSystem an entry point is given.

#include "engine/AnswerLog.h"
#include "engine/FileSystem.h"
#include "lists/ListFolder.h"
#include "sync/KeptCopies.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ListSync {

// What one sync did, for a line in the study window or the command line.
struct Report {
    size_t answersArrived = 0;    // judgements from other computers not replayed here before
    size_t editsArrived = 0;      // changes of words from other computers
    bool sessionChanged = false;  // the session files of either direction were rewritten
    bool listChanged = false;     // the word list was rewritten
    // The folder could not be read (a stick unplugged, a share not mounted): what was done
    // here waits in this computer's journal for the next sync, and nothing arrived.
    bool isFolderAway = false;
    // The answers given to Sync are in this computer's journal: never to be offered again.
    bool answersTaken = false;
    // The directions whose session files were left as they were, as another program studies
    // them right now (that program brings them up to date at its own next sync); both, with
    // the words, when the words changed and either direction is studied elsewhere.
    std::vector<ListFolder::Direction> skipped;
    // Damaged journal lines, files refused or still arriving: one line each.
    std::vector<std::string> notes;
    // "3 answers arrived from another computer", or empty when nothing arrived.
    std::string Line() const;
};

// How a program calls in, beyond what every call gives.
struct Options {
    // The caller holds the session lock of the direction it syncs (the study window, which
    // syncs while it studies): that lock is not taken again, only the other direction's,
    // when no other program holds it.
    bool callerHoldsLock = false;
    // Milliseconds since 1970 that the journal's clock reads; the system's wall clock when
    // empty. A test gives each computer a clock of its own.
    std::function<int64_t()> wallMs;
    // What every file is read and written through; DefaultFileSystem() when null. A test gives
    // one that fails where it is told to.
    FileSystem* files = nullptr;
    // The most events the journals of the sync folder may hold together (a test lowers it);
    // a folder holding more is not synced, and the list keeps its progress.
    size_t maxEvents = KeptCopies::kMaxEvents;
};

// Whether the list folder is joined to a sync folder, and which.
bool IsJoined(const std::filesystem::path& listFolder, FileSystem& files = DefaultFileSystem());
std::filesystem::path FolderOf(const std::filesystem::path& listFolder,
                               FileSystem& files = DefaultFileSystem());

// Joins the list at `listFolder` (of the data folder `dataHome`, whose device id names this
// computer) to `syncFolder`. When the folder holds a list already, from another computer,
// this list is made from it (words and progress) and what the list held before is replaced,
// after a backup to the trash; otherwise the list's words and progress become the folder's
// base. False with `error` (naming the folder and the reason), nothing changed: for a folder
// holding another list or files of no list, or a base still arriving (Report::notes names
// its files). Joining a list joined already to `syncFolder` syncs it; to another folder, is
// refused. requires: no program studies the list.
bool Join(const std::filesystem::path& dataHome, const std::filesystem::path& listFolder,
          const std::filesystem::path& syncFolder, Report& report, std::string& error,
          const Options& options = {});

// The name of the list a sync folder holds, when its manifest says so; empty otherwise. A
// program joining a list it does not have yet makes one by this name, with `words` (the
// base's word list, empty when it has not arrived whole) as its words.
std::string ListNameIn(const std::filesystem::path& syncFolder, std::string& words,
                       FileSystem& files = DefaultFileSystem());

// Syncs a joined list: appends `answers` (judgements of `direction` made here since the last
// sync) and any change of the word list since then to this computer's journal, publishes the
// journal to the folder, reads every other computer's journal, and rewrites the list and the
// session files of both directions when the replay of all of them changed them; a direction
// another program studies is left alone (Report::skipped). Syncs of one list take turns, each
// waiting a few seconds at most for the one before. The seconds
// of use in `answers` go to the journal for the others. The word on screen (`wordOnScreen`, a
// word index, or -1) stays out of its list, as the study window keeps it. Never waits for a
// file still arriving. False with `error` when the list could not
// be synced; `answers` are then to be offered again next time unless Report::answersTaken,
// when they are in the journal already (the sync failed after taking them).
// The other direction's word on screen, which its currWord.cfg names, stays out of its list as
// well; when the words move to other records, the word on screen of each direction follows its
// word in currWord.cfg (the caller then reloads the list: Report::listChanged).
bool Sync(const std::filesystem::path& dataHome, const std::filesystem::path& listFolder,
          ListFolder::Direction direction, const std::vector<AnswerLog::Entry>& answers,
          int32_t wordOnScreen, Report& report, std::string& error, const Options& options = {});

// Appends `answers` (judgements of `direction` made here since the last sync or record), and
// any change of the word list, to this computer's journal, without the sync folder: what a
// program studying the list calls before it saves the session files that count them, so that
// a kill after the save loses none of them. Waits a few seconds at most for a sync under way.
// False with `error` when they could not be taken: they are then to be offered again (to
// Record or Sync). The next Sync publishes and replays them.
bool Record(const std::filesystem::path& dataHome, const std::filesystem::path& listFolder,
            ListFolder::Direction direction, const std::vector<AnswerLog::Entry>& answers,
            Report& report, std::string& error, const Options& options = {});

// The word index on screen in `direction`'s currWord.cfg, or -1: what a program that studies
// nothing passes to Sync.
int32_t WordOnScreen(const std::filesystem::path& listFolder, ListFolder::Direction direction,
                     FileSystem& files = DefaultFileSystem());

// Stops syncing the list; the folder and the list's progress stay as they are.
bool Leave(const std::filesystem::path& listFolder, std::string& error,
           FileSystem& files = DefaultFileSystem());

// Seconds of use on other computers, by their journals, for the time of use shown, which is
// the sum of every computer's own; at most INT32_MAX, the most a time of use shows.
int64_t OthersSeconds(const std::filesystem::path& listFolder,
                      FileSystem& files = DefaultFileSystem());

}  // namespace ListSync
