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
//   LIST/sync/                      this computer's side, in the list folder
//       folder.txt                  the sync folder's path
//       journal.txt                 this computer's own journal, the truth of its events
//       ...                         ids of the words, checkpoints of the replay

#include "engine/AnswerLog.h"
#include "lists/ListFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ListSync {

// What one sync did, for a line in the study window or the command line.
struct Report {
    size_t answersArrived = 0;    // judgements from other computers not replayed here before
    size_t editsArrived = 0;      // changes of words from other computers
    bool sessionChanged = false;  // the session files of either direction were rewritten
    bool listChanged = false;     // the word list was rewritten
    // Damaged journal lines, files refused or still arriving: one line each.
    std::vector<std::string> notes;
    // "3 answers arrived from another computer", or empty when nothing arrived.
    std::string Line() const;
};

// Whether the list folder is joined to a sync folder, and which.
bool IsJoined(const std::filesystem::path& listFolder);
std::filesystem::path FolderOf(const std::filesystem::path& listFolder);

// Joins the list at `listFolder` (of the data folder `dataHome`, whose device id names this
// computer) to `syncFolder`. When the folder holds a list already, from another computer,
// this list is made from it (words and progress) and what the list held before is replaced,
// after a backup to the trash; otherwise the list's words and progress become the folder's
// base. False with `error` (naming the folder and the reason), nothing changed.
bool Join(const std::filesystem::path& dataHome, const std::filesystem::path& listFolder,
          const std::filesystem::path& syncFolder, Report& report, std::string& error);

// Syncs a joined list: appends `answers` (judgements of `direction` made here since the last
// sync) and any change of the word list since then to this computer's journal, publishes the
// journal to the folder, reads every other computer's journal, and rewrites the list and the
// session files of both directions when the replay of all of them changed them. The seconds
// of use in `answers` go to the journal for the others. The
// word on screen (`wordOnScreen`, a word index, or -1) stays out of its list, as the study window
// keeps it. Never waits for a file still arriving. False with `error` when the list could not
// be synced; `answers` are then to be offered again next time.
bool Sync(const std::filesystem::path& dataHome, const std::filesystem::path& listFolder,
          ListFolder::Direction direction, const std::vector<AnswerLog::Entry>& answers,
          int32_t wordOnScreen, Report& report, std::string& error);

// Stops syncing the list; the folder and the list's progress stay as they are.
bool Leave(const std::filesystem::path& listFolder, std::string& error);

// Seconds of use on other computers, by their journals, for the time of use shown, which is
// the sum of every computer's own.
int64_t OthersSeconds(const std::filesystem::path& listFolder);

}  // namespace ListSync
