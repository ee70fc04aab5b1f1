#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures and recordings of a synced list. Each change of a card's media made on a
// computer becomes a media event in its journal, naming the card by its word and definition
// and giving its four files; every computer keeps, for each card, the latest such event in the
// events' one order, so that they agree whatever order the journals arrive in. The files
// travel in the sync folder's media/, named by their hash as in the list: written once, never
// changed, so no two computers conflict over one, and each is checked against its name, and
// held to the store's limits, before it comes into a list.
//
//   FOLDER/media/<sha-256>.<ext>    every file any card of the list names
//   LIST/sync/media.txt             this computer's view: the events applied, the latest per card
//       quibbix-media-state 1
//       applied<TAB>DEVICE<TAB>SEQUENCE   the highest event of each computer applied
//       M ...                             the latest media event of each card, as a journal line

#include "engine/FileSystem.h"
#include "lists/MediaIndex.h"
#include "sync/JournalEvent.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace SyncMedia {

// In the sync folder.
constexpr const char* kFolderDir = "media";
// In the list folder.
constexpr const char* kStateFile = "sync/media.txt";

struct State {
    std::map<std::pair<std::string, std::string>, JournalEvent> cards;
    std::map<std::string, uint64_t> applied;
};

// Lines that do not read are passed over: the state is this computer's own, and the events
// come again with a full replay.
State Parse(const std::string& text);
std::string Serialize(const State& state);
State Load(FileSystem& files, const std::filesystem::path& listFolder);

// The index the state gives the list: each card with any file, as its latest event left it.
MediaIndex IndexOf(const State& state);
// The events (time, device and sequence still to be given) that tell each difference of the
// list's index from the state's.
std::vector<JournalEvent> Diff(const State& state, const MediaIndex& index);
// Applies the media events among `events`; true when a card's files changed.
bool Apply(State& state, const std::vector<JournalEvent>& events);
// Whether a merge that holds only the events after a checkpoint with the highest event
// `highest` of each computer misses events the state has not applied.
bool MissesEvents(const State& state, const std::map<std::string, uint64_t>& highest);

// Copies each file `index` names into the sync folder when it is not there, and into the
// list when the list lacks it; notes name what was refused. False when a file the list needs
// has not arrived in the folder yet (it comes with a later sync).
bool Exchange(const std::filesystem::path& listFolder, const std::filesystem::path& syncFolder,
              const MediaIndex& index, std::vector<std::string>& notes);

}  // namespace SyncMedia
