#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// This computer's side of a synced list, in the list folder's sync/ (see ListSync.h for what
// each file holds): its paths, the texts of its ids and of what was reported, the stamps that
// let a sync with nothing to do end at once, the locks a sync takes, this computer's journal
// and copy of the base, and the side written afresh, cleared or kept from a join.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"
#include "lists/ListFolder.h"
#include "lists/SyncManifest.h"
#include "sync/Journal.h"
#include "sync/KeptCopies.h"
#include "sync/ListReplay.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "posix/FolderLock.h"

namespace SyncSide {

// Relative to the list folder, so that a transaction can carry them.
constexpr const char* kSyncDir = ListFolder::kSyncSideDir;
constexpr const char* kFolderFile = "sync/folder.txt";
constexpr const char* kJournalFile = "sync/journal.txt";
constexpr const char* kIdsFile = "sync/ids.txt";
constexpr const char* kListCopyFile = "sync/list.lst";
// The journal's next sequence number as the ids were written: its events from there on are
// not in the ids yet.
constexpr const char* kCommittedFile = "sync/committed.txt";
// The latest clock time the last sync saw in any journal: a record between syncs orders its
// events after what this computer had replayed, whatever its own clock says.
constexpr const char* kClockFile = "sync/clock.txt";
constexpr const char* kSeenFile = "sync/seen.txt";
constexpr const char* kOthersSecondsFile = "sync/others-seconds.txt";
constexpr const char* kLocalBaseDir = "sync/base";
constexpr const char* kCheckpointDir = "sync/checkpoint";
constexpr const char* kStampFile = "sync/stamp.txt";
constexpr const char* kKeptDir = "sync/kept";
// What the last sync knew of the word list file: its stamp and the checksum of its bytes, so
// that a sync that finds the same file need not read megabytes of words to learn that they
// did not change.
constexpr const char* kListMemoFile = "sync/list-sum.txt";
// What a replay keeps of the base's words, for the same reason: their stamp, number,
// fingerprint and checksum.
constexpr const char* kBaseMemoFile = "sync/checkpoint/base-words.txt";

// This computer, as a join, sync or record sees it.
struct Local {
    FileSystem& files;
    std::filesystem::path dataHome, listFolder;
    std::string device;
    std::function<int64_t()> wallMs;
    // The directions this sync may rewrite, by ListFolder::Direction: not one that another
    // program studies right now, as it would save its own lists over the sync's.
    bool writable[2] = {true, true};
    // The most events the sync folder's journals may hold together.
    size_t maxEvents = KeptCopies::kMaxEvents;

    bool MayWrite(ListFolder::Direction direction) const {
        return writable[static_cast<int>(direction)];
    }
    bool MayWriteBoth() const { return writable[0] && writable[1]; }
};

// The ids file: each word's id, by record.
std::vector<std::string> ReadIds(const std::string& text);
std::string IdsText(const std::vector<std::string>& ids);
// The seen file: each computer's last event this one has reported.
std::map<std::string, uint64_t> ReadSeen(const std::string& text);
std::string SeenText(const std::map<std::string, uint64_t>& seen);

// What a sync notes to tell, next time, that nothing arrived, with nothing studied since: then
// the sync ends without reading a journal, as a program does at every start. The other
// computers' journals are noted before they are read, so that one arriving during a sync is
// read by the next; this computer's own files (its journal, its copy, the word list) and the
// word on screen after the sync wrote them. A file changed within the same length and time
// stamp (a file system that keeps times to 2 seconds) is read at the next change.
std::string OthersStamp(FileSystem& files, const std::filesystem::path& syncFolder,
                        const std::string& device);
std::string OwnStamp(const Local& local, const std::filesystem::path& syncFolder,
                     ListFolder::Direction direction, int32_t wordOnScreen);

// The locks of both directions but the one the caller holds.
bool LockBoth(const std::filesystem::path& listFolder, std::optional<ListFolder::Direction> held,
              FolderLock (&locks)[2], std::string& error);
// The locks of the directions no other program studies, but the one the caller holds; a
// direction held elsewhere is marked not to be written.
void LockFree(Local& local, std::optional<ListFolder::Direction> held, FolderLock (&locks)[2]);
// This computer's side of the list (its journal, the ids, the replay's checkpoint) is one
// sync's at a time, whichever direction each program studies.
bool LockSide(const std::filesystem::path& listFolder, FolderLock& lock, std::string& error);

// This computer's device id, into `local`; `notes` gets a line when it had to be made anew.
bool LoadDevice(Local& local, std::vector<std::string>& notes, std::string& error);
// Opens this computer's journal of the list. One left by another device id (a data folder
// copied from another computer, which now has an id of its own) is kept aside, as that
// computer goes on writing it.
bool OpenJournal(const Local& local, Journal& journal, std::vector<std::string>& notes,
                 std::string& error);

// This computer's copy of the folder's base, as the replay takes it.
// The word list file's stamp (length, time, inode), empty when there is none.
std::string ListStamp(const std::filesystem::path& listFolder);
// The checksum the memo gives the list file of `stamp`; 0 when it names another file.
uint64_t ListSumByMemo(FileSystem& files, const std::filesystem::path& listFolder,
                       const std::string& stamp);
// Notes `sum` as the checksum of the list file of `stamp`, or forgets the memo when `stamp`
// is empty; written only when it changes.
void NoteListSum(FileSystem& files, const std::filesystem::path& listFolder,
                 const std::string& stamp, uint64_t sum);

// Why a sync stops when the base's words cannot be read.
std::string BaseWordsUnreadable(const std::filesystem::path& listFolder);

// The base as this computer keeps it: the session files, and the words left to be read when
// a replay needs them, by the memo of an earlier read.
bool ReadLocalBase(FileSystem& files, const std::filesystem::path& listFolder,
                   ListReplay::Base& base, std::string& error);

// One spelling of a folder, so that "FOLDER/" and "./FOLDER" name the one it joined.
std::filesystem::path Absolute(const std::filesystem::path& folder);

// This computer's journal, before a join clears the side: events no folder has yet must not go
// with it. Published to `syncFolder` when it is that folder's (`manifest`, null for a folder
// this join starts), else kept in the trash, and said so in `notes`.
bool KeepJournal(const Local& local, const std::filesystem::path& syncFolder,
                 const SyncManifest::Manifest* manifest, std::vector<std::string>& notes,
                 std::string& error);
// This computer's side starts afresh: a journal of another folder must not reach this one.
void ClearSide(FileSystem& files, const std::filesystem::path& listFolder);
// The copy of the base, then the sync folder's path, which makes the list joined.
bool WriteSide(const Local& local, const std::filesystem::path& syncFolder,
               const std::vector<FileImage>& base, std::string& error);

}  // namespace SyncSide
