#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Joining a list to a sync folder, the two ways it goes: the first computer makes the folder's
// base of its list; a later one makes its list of the folder's base, after a backup of what the
// list held to the trash. Either way this computer's side starts afresh, and the sync that
// follows the join replays every journal there.

#include "engine/FileSystem.h"
#include "lists/ListStore.h"
#include "lists/SyncManifest.h"
#include "lists/SyncSide.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace SyncJoin {

// The first computer: the list becomes the folder's base, the manifest last, so that no
// other computer takes a base still being written. `name` is the list's.
bool StartFolder(const SyncSide::Local& local, const std::filesystem::path& syncFolder,
                 const std::string& name, std::vector<std::string>& notes, std::string& error);

// A later computer: the list is made from the folder's base (which `manifest` names) and every
// journal there. False with `error`, the list as it was, while the base is still arriving;
// `notes` then names its files.
bool JoinFolder(const SyncSide::Local& local, const std::filesystem::path& syncFolder,
                const SyncManifest::Manifest& manifest, std::vector<std::string>& notes,
                std::string& error);

// The list as the store shows it: its name (the first list may have no name file) and when
// it was last studied.
ListSummary SummaryOf(FileSystem& files, const std::filesystem::path& dataHome,
                      const std::filesystem::path& listFolder);

// A join writes the session files of both directions, among them those the store dates the
// last study by; a join is no study, so they are dated back to the last study (to the epoch,
// "never", for a list never studied).
void KeepLastStudied(const std::filesystem::path& listFolder, int64_t lastStudied);

}  // namespace SyncJoin
