#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The study history, session/History.txt: one line per calendar day on which the user
// studied, with the seconds of use, the judgements and the size of every list as they stood
// at the day's last save. Tab-separated under a header line, so that a spreadsheet opens it.
// The history is a record of the past, not progress: a file that cannot be used never stops
// the study. A damaged one is kept as History.txt.bad and the lines that could be read go on;
// one that cannot be read at all is never overwritten.

#include "engine/AtomicFile.h"
#include "engine/ReadGuard.h"
#include "engine/SessionFiles.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CWordState;
class EngineEnv;

// Where the lists stood: the six counts in the order of SessionFiles::kLists, then the
// words learned.
struct HistoryCounts {
    std::array<int32_t, SessionFiles::kListCount> lists{};
    int32_t wordsLearned = 0;

    static HistoryCounts Of(const CWordState& state);
};

struct HistoryDay {
    // "YYYY-MM-DD", local time.
    std::string date;
    int64_t seconds = 0;
    int64_t judgements = 0;
    HistoryCounts counts;
};

class HistoryFile {
public:
    // `env` gives the date and the files and must outlive the history.
    explicit HistoryFile(EngineEnv& env);
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    // Reads the file; a damaged or unreadable one is reported in one message.
    void Load();
    // Adds study to today's line: a day gets a line once it has seconds or judgements, and
    // every note brings the counts of today's line up to date. A run across midnight thus
    // goes on in a new line, and the old day keeps the counts of its last note. Returns the
    // date noted on, "" when the calendar gave no date.
    std::string Note(int64_t seconds, int64_t judgements, const HistoryCounts& counts);
    // Takes one judgement back from today's line, when it has one, and sets its counts to
    // the state the judgement was taken back to.
    void TakeBackJudgement(const HistoryCounts& counts);
    // The files a save replaces (the history, and the first time a copy of a damaged one),
    // and what follows once they are written or not.
    std::vector<FileImage> SaveImages() const;
    void SaveDone(bool saved);
    // Replaces the file now; false when it could not be written (it stays in memory and the
    // next save tries again).
    bool Save();

    // Oldest first, one per date.
    const std::vector<HistoryDay>& Days() const { return m_days; }

    static std::string Header();
    static std::string Serialize(const std::vector<HistoryDay>& days);
    // Fills `days` with the lines that read well, oldest first, one per date; false when any
    // line (or the header) was damaged.
    static bool Parse(std::string_view text, std::vector<HistoryDay>& days);
    // The same table as comma-separated values, for export.
    static std::string ToCsv(const std::vector<HistoryDay>& days);
    // Days since 1970-01-01 of a valid "YYYY-MM-DD", else -1.
    static int64_t DayNumber(std::string_view date);
    // Days studied in a row up to `today`; a streak is still alive when only today is
    // missing from it.
    static int32_t CurrentStreak(const std::vector<HistoryDay>& days, std::string_view today);
    static int32_t LongestStreak(const std::vector<HistoryDay>& days);

private:
    EngineEnv& m_env;
    std::vector<HistoryDay> m_days;
    ReadGuard m_guard;
};
