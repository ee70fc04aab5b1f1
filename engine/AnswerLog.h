#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the study flow did since a synced list last wrote its journal: the verdicts recorded
// (which word, which judgement, when), the ones taken back, and the seconds of use by day, as
// the other computers need them. A list that syncs with no other computer keeps none (the
// study flow is given no log).

#include <cstdint>
#include <string>
#include <vector>

class AnswerLog {
public:
    struct Entry {
        enum class Kind { kJudged, kUndone, kUsed };
        Kind kind = Kind::kJudged;
        // The engine's word index (the record number in the word list) and its judgement
        // code, 0 to 3; an undo takes back the latest judgement not yet taken back.
        int32_t wordIndex = 0;
        int32_t judgement = 0;
        // The wall clock in milliseconds since 1970 when it happened.
        int64_t wallMs = 0;
        // kUsed: `seconds` more of use on `date` ("YYYY-MM-DD", the learner's calendar).
        std::string date;
        int64_t seconds = 0;
    };

    void Add(const Entry& entry) {
        m_entries.push_back(entry);
        ++m_added;
    }
    // Verdicts and undos added since the log began, whether handed over or not: the study
    // window tells by it whether the session moved while a sync ran.
    uint64_t Added() const { return m_added; }
    // Seconds of use join those of the same day still waiting here, so that the journal
    // gets one line per day and sync, not one per verdict.
    void AddSeconds(const std::string& date, int64_t seconds, int64_t wallMs) {
        for (Entry& entry : m_entries) {
            if (entry.kind != Entry::Kind::kUsed || entry.date != date) continue;
            entry.seconds += seconds;
            return;
        }
        Entry entry;
        entry.kind = Entry::Kind::kUsed;
        entry.date = date;
        entry.seconds = seconds;
        entry.wallMs = wallMs;
        m_entries.push_back(entry);
    }
    bool IsEmpty() const { return m_entries.empty(); }
    // Hands over what was logged and starts afresh.
    std::vector<Entry> TakeAll() {
        std::vector<Entry> taken;
        taken.swap(m_entries);
        return taken;
    }
    // Puts entries back in front, for a journal that could not be written this time.
    void PutBack(std::vector<Entry> entries) {
        entries.insert(entries.end(), m_entries.begin(), m_entries.end());
        m_entries.swap(entries);
    }

private:
    std::vector<Entry> m_entries;
    uint64_t m_added = 0;
};
