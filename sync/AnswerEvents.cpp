// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/AnswerEvents.h"

#include "sync/SyncTexts.h"

#include <algorithm>
#include <iterator>

namespace AnswerEvents {

namespace {

// The judgements of `way` in this computer's journal not undone yet, latest last.
std::vector<uint64_t> Standing(const std::vector<JournalEvent>& ownEvents,
                               JournalEvent::Direction way) {
    std::vector<uint64_t> standing;
    for (const JournalEvent& event : ownEvents) {
        if (event.kind == JournalEvent::Kind::kJudgement && event.direction == way)
            standing.push_back(event.sequence);
        if (event.kind == JournalEvent::Kind::kUndo)
            standing.erase(std::remove(standing.begin(), standing.end(), event.undone),
                           standing.end());
    }
    return standing;
}

JournalEvent Usage(const AnswerLog::Entry& entry, JournalEvent::Direction way) {
    JournalEvent usage;
    usage.kind = JournalEvent::Kind::kUsage;
    usage.direction = way;
    usage.date = entry.date;
    // No day holds more, and a journal claiming more is refused as damaged.
    usage.seconds = std::min<int64_t>(entry.seconds, 86400);
    return usage;
}

// Takes back the latest judgement: one of this batch is dropped, an older one undone.
void TakeBack(std::vector<JournalEvent>& events, std::vector<uint64_t>& standing) {
    auto judged = std::find_if(events.rbegin(), events.rend(), [](const JournalEvent& e) {
        return e.kind == JournalEvent::Kind::kJudgement;
    });
    if (judged != events.rend()) {
        events.erase(std::next(judged).base());
    } else if (!standing.empty()) {
        JournalEvent undo;
        undo.kind = JournalEvent::Kind::kUndo;
        undo.undone = standing.back();
        standing.pop_back();
        events.push_back(undo);
    }
}

}  // namespace

int RecordOf(int64_t wordIndex, size_t count) {
    if (count == 0 || wordIndex < 1 || wordIndex > static_cast<int64_t>(count)) return -1;
    return static_cast<int>(wordIndex % static_cast<int64_t>(count));
}

int64_t WordIndexOf(size_t record, size_t count) { return record == 0 ? count : record; }

std::vector<JournalEvent> Of(const std::vector<AnswerLog::Entry>& answers,
                             JournalEvent::Direction way, const std::vector<std::string>& ids,
                             const std::vector<JournalEvent>& ownEvents,
                             std::vector<std::string>& notes) {
    std::vector<uint64_t> standing = Standing(ownEvents, way);
    std::vector<JournalEvent> events;
    for (const AnswerLog::Entry& entry : answers) {
        if (entry.kind == AnswerLog::Entry::Kind::kUsed) {
            if (entry.seconds > 0) events.push_back(Usage(entry, way));
            continue;
        }
        if (entry.kind == AnswerLog::Entry::Kind::kUndone) {
            TakeBack(events, standing);
            continue;
        }
        const int record = RecordOf(entry.wordIndex, ids.size());
        if (record < 0) {
            notes.push_back(SyncTexts::Said(SyncTexts::kJudgementOfWord) +
                            std::to_string(entry.wordIndex) +
                            SyncTexts::Said(SyncTexts::kNotHeldLeftOut));
            continue;
        }
        JournalEvent judgement;
        judgement.word = ids[record];
        judgement.direction = way;
        judgement.code = entry.judgement;
        judgement.wallOffsetS = entry.wallMs / 1000;  // made relative once the time is known
        events.push_back(judgement);
    }
    return events;
}

void CountArrived(const std::vector<JournalEvent>& events, const std::string& device,
                  std::map<std::string, uint64_t>& seen, size_t& answersArrived,
                  size_t& editsArrived) {
    std::map<std::string, uint64_t> highest = seen;
    for (const JournalEvent& event : events) {
        uint64_t& top = highest[event.device];
        top = std::max(top, event.sequence);
        if (event.device == device) continue;
        const auto before = seen.find(event.device);
        if (before != seen.end() && event.sequence <= before->second) continue;
        if (event.kind == JournalEvent::Kind::kJudgement) ++answersArrived;
        if (event.kind == JournalEvent::Kind::kEdit || event.kind == JournalEvent::Kind::kRemove)
            ++editsArrived;
    }
    seen = highest;
}

}  // namespace AnswerEvents
