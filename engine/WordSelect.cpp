// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordSelect.h"

#include "engine/AtomicFile.h"
#include "engine/EngineEnv.h"

#include <string>

namespace {

// One round of the schedule; kEitherLearning takes the learning list while it has words and
// the to-be-viewed list after that.
constexpr int32_t kEitherLearning = -1;
constexpr int32_t kRound[] = {LIST_MISTAKEN, LIST_UNSURE,    LIST_NEW,        kEitherLearning,
                              LIST_MISTAKEN, LIST_NEW,       kEitherLearning, LIST_MISTAKEN,
                              LIST_UNSURE,   kEitherLearning};

}  // namespace

CWordSelect::CWordSelect(EngineEnv& env) : m_files(env.Files()), m_state(env), m_reader(env) {}

void CWordSelect::Init(int32_t& listId, CListRec& entry) {
    m_reader.Open(kListName);
    const int32_t n = m_reader.GetCount();
    m_studyPossible = n > 0;
    if (m_studyPossible) {
        m_state.Load(n, static_cast<int32_t>(n * 0.05));
        ReadCurrWord();
    }
    listId = m_currentList;
    entry.m_counter = m_current.m_counter;
    entry.m_wordIndex = m_current.m_wordIndex;
    m_reader.GetRecord(static_cast<int32_t>(m_current.m_wordIndex));
}

bool CWordSelect::GetNextWord(int32_t& listId, CListRec& entry) {
    bool result = true;
    if (m_current.m_wordIndex != NO_WORD) {
        listId = m_currentList;
        entry = m_current;
    } else {
        listId = NextListId();
        if (!m_studyPossible) {
            result = false;
        } else if (!m_state.TakeWord(listId, entry)) {
            m_state.MaintainList(NO_WORD);
            listId = LIST_TOBEVIEWED;
            result = m_state.TakeWord(listId, entry);
        }
        if (!m_studyPossible) listId = LIST_TOBEVIEWED;
        BeginWord(listId, entry);
    }
    ShowCurrent();
    return result;
}

bool CWordSelect::MakeCurrent(int32_t wordIndex) {
    if (m_current.m_wordIndex != NO_WORD || !m_studyPossible) return false;
    int32_t listId = 0;
    CListRec entry;
    if (!m_state.TakeWordAt(wordIndex, listId, entry)) return false;
    BeginWord(listId, entry);
    ShowCurrent();
    return true;
}

void CWordSelect::BeginWord(int32_t listId, const CListRec& entry) {
    m_currentList = listId;
    m_current = entry;
    // The count comes from a file and may already stand at the top of its range.
    if (m_viewedCount < INT32_MAX) ++m_viewedCount;
}

void CWordSelect::ShowCurrent() {
    m_reader.GetRecord(static_cast<int32_t>(m_current.m_wordIndex));
    WriteCurrWord();
}

int32_t CWordSelect::NextListId() {
    if (m_schedule.empty()) BuildSchedule();
    if (m_schedule.empty()) return LIST_TOBEVIEWED;
    const int32_t id = m_schedule.front();
    m_schedule.pop_front();
    return id;
}

void CWordSelect::BuildSchedule() {
    int32_t counts[5] = {m_state.GetToBeViewed().GetCount(), m_state.GetUnsure().GetCount(),
                         m_state.GetMistaken().GetCount(), m_state.GetNew().GetCount(),
                         m_state.GetLearning().GetCount()};
    const int32_t trouble = counts[LIST_MISTAKEN] + counts[LIST_UNSURE] + counts[LIST_NEW];
    // Hysteresis: fresh words stop once the trouble count rises above 30 and come back only
    // after it has fallen under 15.
    if (trouble > 30) {
        m_troubleLimit = 15;
    } else if (trouble < 15) {
        m_troubleLimit = 30;
    }
    auto slot = [&](int32_t id) {
        if (counts[id] <= 0) return;
        m_schedule.push_back(id);
        --counts[id];
    };
    for (int round = 0; round < kScheduleRounds; ++round) {
        if (trouble < m_troubleLimit) {
            slot(LIST_TOBEVIEWED);
            slot(LIST_TOBEVIEWED);
        }
        for (int32_t id : kRound) {
            if (id == kEitherLearning)
                id = counts[LIST_LEARNING] > 0 ? LIST_LEARNING : LIST_TOBEVIEWED;
            slot(id);
        }
    }
}

bool CWordSelect::RecordJudgement(int32_t judgement) {
    // With no word on screen there is nothing to place: the no-word mark must never become
    // a list entry.
    if (m_current.m_wordIndex == NO_WORD) return true;
    const bool placed = m_state.ApplyJudgement(m_currentList, m_current, judgement);
    m_current.m_wordIndex = NO_WORD;
    WriteCurrWord();
    return placed;
}

bool CWordSelect::Save() {
    if (!m_studyPossible) return true;
    WriteCurrWord();
    m_state.MaintainList(m_current.m_wordIndex);
    return m_state.SaveAll();
}

std::vector<FileImage> CWordSelect::PrepareSave() {
    if (!m_studyPossible) return {};
    WriteCurrWord();
    m_state.MaintainList(m_current.m_wordIndex);
    return m_state.SaveImages();
}

void CWordSelect::TakeSnapshot() {
    m_snapshot.viewedCount = m_viewedCount;
    m_snapshot.current = m_current;
    m_snapshot.currentList = m_currentList;
    m_snapshot.troubleLimit = m_troubleLimit;
    m_snapshot.schedule = m_schedule;
    m_state.TakeSnapshot();
    m_hasSnapshot = true;
}

bool CWordSelect::RestoreSnapshot() {
    if (!m_hasSnapshot || !m_state.RestoreSnapshot()) {
        DropSnapshot();
        return false;
    }
    m_hasSnapshot = false;
    m_viewedCount = m_snapshot.viewedCount;
    m_current = m_snapshot.current;
    m_currentList = m_snapshot.currentList;
    m_troubleLimit = m_snapshot.troubleLimit;
    m_schedule.swap(m_snapshot.schedule);
    m_reader.GetRecord(static_cast<int32_t>(m_current.m_wordIndex));
    WriteCurrWord();
    return true;
}

void CWordSelect::DropSnapshot() {
    m_state.DropSnapshot();
    m_hasSnapshot = false;
}

CurrWordRecord CWordSelect::CurrWord() const {
    CurrWordRecord record;
    record.listId = m_currentList;
    record.counter = m_current.m_counter;
    record.wordIndex = m_current.m_wordIndex;
    record.viewedCount = m_viewedCount;
    return record;
}

void CWordSelect::WriteCurrWord() {
    if (!m_studyPossible) return;
    char bytes[CurrWordRecord::kSize];
    CurrWord().Encode(bytes);
    OverwriteFixedSizeFile(m_files, SessionFiles::kCurrWord, std::string_view(bytes, sizeof bytes));
}

void CWordSelect::ReadCurrWord() {
    m_current.m_wordIndex = NO_WORD;
    std::string file;
    if (!ReadWholeFile(m_files, SessionFiles::kCurrWord, file)) return;
    CurrWordRecord record = CurrWord();
    record.Decode(file);
    m_currentList = record.listId;
    m_current.m_counter = record.counter;
    m_current.m_wordIndex = record.wordIndex;
    m_viewedCount = record.viewedCount;

    // A list id or word index this list cannot have means no current word; the viewed count
    // is kept.
    const uint32_t n = static_cast<uint32_t>(m_reader.GetCount());
    const bool validList = m_currentList >= LIST_TOBEVIEWED && m_currentList <= LIST_LEARNING;
    const bool validWord = m_current.m_wordIndex == NO_WORD || m_current.m_wordIndex <= n;
    if (!validList || !validWord) {
        m_currentList = LIST_TOBEVIEWED;
        m_current.m_wordIndex = NO_WORD;
    }
}
