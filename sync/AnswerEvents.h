#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Between what the study flow logged and the journal: the events of the judgements, undos and
// seconds of use of one direction, each judgement naming its word by id; the word index the
// engine knows a record by; and what arrived from other computers, counted once.

#include "engine/AnswerLog.h"
#include "sync/JournalEvent.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace AnswerEvents {

// The record of the engine's word index `wordIndex` among `count` records, or -1 for none:
// the index names record index % count, so index `count` stands for record 0.
int RecordOf(int64_t wordIndex, size_t count);
// The engine's word index of `record` among `count` records.
int64_t WordIndexOf(size_t record, size_t count);

// The journal events of what the study flow logged in direction `way`, in its order, a
// judgement naming its word by its id in `ids` (by record). A judgement taken back in the same
// batch never reaches the journal; an older one, of `ownEvents` (this computer's journal), is
// undone by an event naming it. `notes` gets a line for each judgement of a word the list
// does not hold, which is left out.
std::vector<JournalEvent> Of(const std::vector<AnswerLog::Entry>& answers,
                             JournalEvent::Direction way, const std::vector<std::string>& ids,
                             const std::vector<JournalEvent>& ownEvents,
                             std::vector<std::string>& notes);

// Counts into `answersArrived` and `editsArrived` what other computers did that this one
// (`device`) has not reported (by `seen`, each device's last event reported), and notes it in
// `seen` as reported.
void CountArrived(const std::vector<JournalEvent>& events, const std::string& device,
                  std::map<std::string, uint64_t>& seen, size_t& answersArrived,
                  size_t& editsArrived);

}  // namespace AnswerEvents
