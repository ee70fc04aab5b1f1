#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The study engine's front door: opens the word list and resumes the last session, decides
// from which list the next word comes (a schedule that mixes the troubled lists with the
// learning list and fresh words), records judgements, and remembers the word on screen in
// session/currWord.cfg (CurrWordRecord) so that a restart shows it again.

#include "engine/GetWordRecord.h"
#include "engine/ListRec.h"
#include "engine/WordState.h"

#include <cstdint>
#include <deque>

class EngineEnv;
class FileSystem;

class CWordSelect {
public:
    static constexpr const char* kListName = "kelvo";
    static constexpr int32_t kStartTroubleLimit = 10;
    static constexpr int kScheduleRounds = 3;

    // `env` must outlive the selector.
    explicit CWordSelect(EngineEnv& env);
    virtual ~CWordSelect() = default;
    CWordSelect(const CWordSelect&) = delete;
    CWordSelect& operator=(const CWordSelect&) = delete;

    // Opens the word list, loads the session (or builds the first order) and the saved
    // current word; hands out copies of the current word's list id and entry. With no word
    // list, or an empty one, no study is possible and no session file is touched.
    void Init(int32_t& listId, CListRec& entry);
    // The word to show: the current one again, or the next one drawn by the schedule.
    // False when no word could be found; `entry` then stays as the caller passed it.
    bool GetNextWord(int32_t& listId, CListRec& entry);
    // With no word on screen, makes word `wordIndex` the current one, taken from the list it
    // waits in, as a draw would; false when there is a current word or it waits in no list
    // a word is drawn from.
    bool MakeCurrent(int32_t wordIndex);
    // Places the current word by the judgement code and clears it; nothing when no word is
    // current.
    bool RecordJudgement(int32_t judgement);
    // Writes the current word, maintains the lists and writes the session files; false (and
    // a message, every old file kept) when they could not all be written.
    bool Save();
    // Save in two halves, for a save whose writing runs elsewhere (see CWordState).
    std::vector<FileImage> PrepareSave();
    void SaveDone(bool saved, const FileError& error) { m_state.SaveDone(saved, error); }

    // A point to come back to, before a judgement: the current word, the counts, the schedule
    // and the word states (see CWordState::TakeSnapshot). Replaces any earlier point.
    void TakeSnapshot();
    // Everything back as it was at TakeSnapshot, the current word read again and written to
    // the current-word file; the point is used up. False (nothing changed) when there is none.
    bool RestoreSnapshot();
    void DropSnapshot();

    const char* GetWord() const { return m_reader.GetWord(); }
    const char* GetDefinition() const { return m_reader.GetDefinition(); }
    std::string_view WordField() const { return m_reader.WordField(); }
    std::string_view DefinitionField() const { return m_reader.DefinitionField(); }
    const CGetWordRecord& GetRecordReader() const { return m_reader; }
    const CWordState& GetWordState() const { return m_state; }
    int32_t GetViewedCount() const { return m_viewedCount; }
    const CListRec& GetCurrent() const { return m_current; }
    int32_t GetCurrentList() const { return m_currentList; }
    bool IsStudyPossible() const { return m_studyPossible; }
    int32_t GetTroubleLimit() const { return m_troubleLimit; }
    const std::deque<int32_t>& GetSchedule() const { return m_schedule; }
    // Exposed for the schedule's own tests: fills the schedule from the current counts.
    void BuildSchedule();

private:
    int32_t NextListId();
    // `entry`, taken from list `listId`, becomes the word on screen, counted as viewed.
    void BeginWord(int32_t listId, const CListRec& entry);
    // Reads the current word's record and writes the current-word file.
    void ShowCurrent();
    CurrWordRecord CurrWord() const;
    void WriteCurrWord();
    void ReadCurrWord();

    FileSystem& m_files;
    int32_t m_viewedCount = 0;
    CListRec m_current{NO_WORD};
    int32_t m_currentList = 0;
    CWordState m_state;
    CGetWordRecord m_reader;
    int32_t m_troubleLimit = kStartTroubleLimit;
    std::deque<int32_t> m_schedule;
    bool m_studyPossible = false;

    struct Snapshot {
        int32_t viewedCount = 0;
        CListRec current{NO_WORD};
        int32_t currentList = 0;
        int32_t troubleLimit = kStartTroubleLimit;
        std::deque<int32_t> schedule;
    };
    bool m_hasSnapshot = false;
    Snapshot m_snapshot;
};
