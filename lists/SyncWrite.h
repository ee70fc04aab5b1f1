#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What a sync writes once the replay has run: the list, the session files of each direction it
// may write (the word on screen of each kept out of its list), and this computer's side of the
// sync, each only where it changed; and what it reads of the words as the last sync left them.

#include "engine/AtomicFile.h"
#include "engine/WordRecord.h"
#include "lists/ListFolder.h"
#include "lists/ListSync.h"
#include "lists/SyncSide.h"
#include "sync/HybridTime.h"
#include "sync/ListReplay.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace SyncWrite {

using SyncSide::Local;

// What a sync knows once its journal is written and the replay has run: the replay's result,
// and what it read of the words on disk and of the side as the last sync left it.
struct Replayed {
    ListReplay::Result result;
    std::vector<std::string> ids;         // as the diff left them, before the replay
    std::vector<WordRecord> wordsBefore;  // the list on disk before the replay
    std::string listBytes;                // and its bytes
    // The list file's stamp and checksum before the replay. A list the last sync left as it
    // was is not read (isListRead): its words are the copy's, and its ids are read only when
    // needed (areIdsRead).
    std::string listStamp;
    uint64_t listSum = 0;
    bool isListRead = false;
    bool areIdsRead = false;
    // Whether the side's copy of the list holds the list's bytes (listBytes then empty).
    bool isCopyCurrent = true;
    std::map<std::string, uint64_t> seen;  // what was reported before
    uint64_t nextSequence = 0;             // the journal's, once this sync appended to it
    HybridTime latest;                     // the clock's, once this sync appended
};

// Whether the replay's words differ from the list on disk: by checksum, and where that
// differs and the list was read, word by word, as a list with bytes past its last record
// holds the same words.
bool ListChanged(const Replayed& replayed);

// Whether the ids as the last sync left them name each word of its copy of the list, one each.
bool IdsNameEveryWord(const Local& local, size_t ids, size_t words, std::string& error);

// Reads the ids as the last sync left them, once; the copy of the list is counted, not read.
bool ReadIdsOnce(const Local& local, Replayed& replayed, std::string& error);

// Adds `bytes` for `path` (relative to the list folder) to `images` unless the file holds them.
void AddIfChanged(FileSystem& files, const std::filesystem::path& listFolder,
                  const std::string& path, const std::string& bytes,
                  std::vector<FileImage>& images);

// New words move the progress of both directions: while another program studies either, the
// words and both sessions stay as they are, and the journal holds what arrived until then.
bool WordsWait(const Local& local, const Replayed& replayed);

// Every file the replay changed, the word on screen of each direction out of its list, and
// this computer's side of the sync; in `gone`, a history the replay holds no day of. Such a
// history, left by an earlier sync, would go on counting a judgement taken back since.
std::vector<FileImage> ImagesOf(const Local& local, Replayed& replayed,
                                ListFolder::Direction studied, int32_t wordOnScreen,
                                ListSync::Report& report, std::vector<std::string>& gone);

// This computer's side of the sync as the replay leaves it: the ids and the copy of the
// words (only where they changed), the journal's place, the clock, the others' seconds.
std::vector<FileImage> SideImages(const Local& local, Replayed& replayed);

}  // namespace SyncWrite
