#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The journal events that turn a synced list's words, as the last sync left them, into the
// words now: a removal for each word no new word continues, an edit for each word whose text
// changed and for each new word, which takes its id from that edit. Which new word continues
// which old one is the caller's to say (the list store pairs them as a rebase does), so that
// every change of the words is told the way the sessions were moved onto them.

#include "engine/WordRecord.h"
#include "sync/JournalEvent.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace WordDiff {

// In a pairing, an old word that no new word continues.
constexpr uint32_t kGone = UINT32_MAX;

// Words this computer's journal made after the ids as the last sync left them (its events from
// sequence `committed` on), by id, as its latest event left each: a sync that ended between its
// journal and its ids (a kill, a full disk) made them, and the next diff finds them again as
// new words. An older word missing from the ids was removed since, perhaps elsewhere.
std::map<std::string, WordRecord> UncommittedWords(const std::vector<JournalEvent>& own,
                                                   const std::string& device, uint64_t committed,
                                                   const std::vector<std::string>& oldIds);

// The events that turn `oldWords` (named by `oldIds`) into `newWords`, and the id of each new
// word. `newOfOld` holds, for each old word, the new word that continues it, or kGone.
// `nextSequence` is the journal's: a word an edit adds is named after it, unless `uncommitted`
// holds it already with that text, when it keeps that id and no event repeats it.
// requires: oldIds and newOfOld as long as oldWords; no new word continues two old ones.
void DiffWords(const std::vector<WordRecord>& oldWords, const std::vector<std::string>& oldIds,
               const std::vector<WordRecord>& newWords, const std::vector<uint32_t>& newOfOld,
               const std::string& device, uint64_t nextSequence,
               std::map<std::string, WordRecord> uncommitted, std::vector<JournalEvent>& events,
               std::vector<std::string>& newIds);

}  // namespace WordDiff
