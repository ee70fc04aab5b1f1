#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Moves a list's session onto new records, for the guard and the importer's update alike,
// and sums up in one line what it did for the user.

#include "engine/AtomicFile.h"
#include "engine/WordRecord.h"
#include "lists/ListFolder.h"
#include "lists/RecordMatcher.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace ListRebase {

// The records of a word list file's bytes, in UTF-8, as progress follows the text whichever
// encoding stores it.
std::vector<WordRecord> Records(std::string_view bytes);

// One direction's session to move, from the records it was last studied on.
struct Move {
    ListFolder::Direction direction;
    std::vector<WordRecord> oldRecords;
    // Which of `oldRecords` each new record continues, when the caller knows; empty pairs
    // them by text.
    RecordMatcher::Pairing pairing = {};
};

// Rebases the sessions of `folder` named by `moves` onto `newRecords`, keeping the old files
// as backups, in one change with `alongside` (paths relative to the folder): both directions'
// progress moves, or neither. Words that could pair in several ways are paired in file order:
// a learner cannot settle that, and any pairing beats progress kept by position. On false
// `error` says why and every session is as it was.
// requires: the lock of every session moved; `moves` not empty.
// `alongside` is taken over: a list's images are megabytes each.
bool Run(FileSystem& files, const std::filesystem::path& folder, const std::vector<Move>& moves,
         const std::vector<WordRecord>& newRecords, std::vector<FileImage> alongside,
         std::string& summary, std::string& error);
// The forwards session alone.
bool Run(FileSystem& files, const std::filesystem::path& folder,
         const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
         const std::vector<FileImage>& alongside, std::string& summary, std::string& error);

}  // namespace ListRebase
