// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordState.h"

#include "engine/AtomicFile.h"
#include "engine/EngineEnv.h"
#include "engine/EngineTexts.h"
#include "engine/LearnersWords.h"
#include "engine/TextScanner.h"

#include <cerrno>
#include <new>
#include <random>
#include <string>

namespace {

// Adds one to a count read from a file, which may already stand at the top of the range.
int32_t Increment(int32_t counter) { return counter == INT32_MAX ? counter : counter + 1; }

}  // namespace

CWordState::CWordState(EngineEnv& env)
    : m_env(env),
      m_unsure(env.Files()),
      m_mistaken(env.Files()),
      m_new(env.Files()),
      m_learning(env.Files()),
      m_toBeViewed(env.Files()),
      m_known(env.Files()),
      m_review(env.Files()) {}

bool CWordState::Load(int32_t total, int32_t reviewSize) {
    if (total > 0) m_totalWords = total;
    if (reviewSize > 0) m_reviewSize = reviewSize;
    // A session read again, after its words were edited, replaces the one in memory: the
    // lists append what they read.
    for (const SessionList& file : SessionFiles::kLists) ListOf(file).Clear();
    m_review.Clear();
    m_guard = ReadGuard();
    RemoveStaleTemporaries(m_env.Files(), SessionFiles::kDirectory);
    LoadWordsLearned();

    // The to-be-viewed file alone decides whether a session exists: one that is there but
    // cannot be read is a session all the same, never a first run.
    CWordList::LoadReport report;
    m_toBeViewed.LoadFile(SessionFiles::kToBeViewed.path, report);
    if (report.error == ENOENT) {
        GenerateToBeViewed();
    } else {
        m_guard.Note(SessionFiles::kToBeViewed.path, report.error, report.damaged, report.original);
        for (const SessionList& file : SessionFiles::kLists) {
            if (file.listId == LIST_TOBEVIEWED) continue;
            ListOf(file).LoadFile(file.path, report);
            m_guard.Note(file.path, report.error, report.damaged, report.original);
        }
        DropOutOfRange();
    }
    LoadUnderReview();
    const std::string problems = m_guard.Describe();
    if (!problems.empty())
        m_env.ShowMessage(
            LearnersWords::Said("Engine", EngineTexts::kProgressUnread) + "\n\n" + problems,
            kCaption, EngineEnv::Icon::Error);
    return true;
}

void CWordState::LoadUnderReview() {
    // Only what the learner is told depends on it: a file that cannot be used is none.
    CWordList::LoadReport report;
    m_review.LoadFile(SessionFiles::kReview, report);
    m_keepsReview = report.error == 0;
    const uint32_t n = static_cast<uint32_t>(m_totalWords);
    if (report.error != 0 || report.damaged)
        m_review.Clear();
    else
        m_review.RemoveIf(
            [n](const CListRec& e) { return e.m_wordIndex < 1 || e.m_wordIndex > n; });
}

void CWordState::LoadWordsLearned() {
    std::string text;
    const int error = m_env.Files().ReadFile(SessionFiles::kWordsLearned, text);
    bool damaged = false;
    if (error == 0) {
        TextScanner scanner(text);
        int32_t learned = 0;
        const bool scanned = scanner.ScanInt(learned) && learned >= 0;
        if (scanned) m_wordsLearned = learned;
        damaged = !scanned || !scanner.AtEnd();
    }
    m_guard.Note(SessionFiles::kWordsLearned, error, damaged, text);
}

void CWordState::DropOutOfRange() {
    // Entries left from a longer word list, or damaged lines read as (0, 0), name no word of
    // this list; the next maintenance puts any word lost that way back. In a list of 65535
    // words or more, word 65535 cannot be told from the no-word mark and is left out.
    const uint32_t n = static_cast<uint32_t>(m_totalWords);
    auto outside = [n](const CListRec& e) {
        return e.m_wordIndex < 1 || e.m_wordIndex > n || e.m_wordIndex == NO_WORD;
    };
    for (const SessionList& file : SessionFiles::kLists) {
        CWordList& list = ListOf(file);
        const int before = list.GetCount();
        list.RemoveIf(outside);
        if (list.GetCount() == before) continue;
        // Keep the file as it was before the save drops those entries for good.
        std::string original;
        m_env.Files().ReadFile(file.path, original);
        m_guard.Note(file.path, 0, true, original);
    }
}

bool CWordState::SaveAll() {
    FileError error;
    const bool saved = ReplaceFiles(m_env.Files(), SaveImages(), error);
    SaveDone(saved, error);
    return saved;
}

std::vector<FileImage> CWordState::SaveImages() const {
    std::vector<FileImage> images;
    for (const SessionList& file : SessionFiles::kLists)
        images.push_back({file.path, const_cast<CWordState*>(this)->ListOf(file).Serialize()});
    images.push_back({SessionFiles::kWordsLearned, std::to_string(m_wordsLearned)});
    // A session that never put a word back for review keeps the files it always had; one that
    // did keeps the file, empty or not, so that its files follow from its state alone.
    if (m_keepsReview || m_review.GetCount() > 0)
        images.push_back({SessionFiles::kReview, m_review.Serialize()});
    m_guard.Prepare(images);
    return images;
}

void CWordState::SaveDone(bool saved, const FileError& error) {
    if (saved) {
        m_guard.Saved();
        return;
    }
    m_env.ShowMessage(LearnersWords::Said("Engine", EngineTexts::kProgressUnsaved) + "\n\n" +
                          error.Describe() + "\n\n" +
                          LearnersWords::Said("Engine", EngineTexts::kSavedBeforeKept),
                      kCaption, EngineEnv::Icon::Error);
}

std::unique_ptr<int32_t[]> CWordState::RandomPermutation(int32_t k) {
    if (k < 0) k = 0;
    const uint32_t seed = m_env.GetTickCount();
    if (k > kMaxDrawCount) return ShufflePermutation(seed, k);
    m_random.Seed(seed);
    return DrawPermutation(m_random, k);
}

std::unique_ptr<int32_t[]> CWordState::DrawPermutation(ClassicRandom& random, int32_t k) {
    std::unique_ptr<int32_t[]> result(new (std::nothrow) int32_t[k]());
    // Which values are already drawn: the same answer as scanning the filled part, in
    // constant time.
    std::unique_ptr<bool[]> drawn(new (std::nothrow) bool[k + 1]());
    if (!result || !drawn) return nullptr;
    int32_t filled = 0;
    while (filled < k) {
        const int r = random.Next();
        const auto v = static_cast<int32_t>(static_cast<double>(r) * k / ClassicRandom::kMax + 0.5);
        if (v == 0 || drawn[v]) continue;
        drawn[v] = true;
        result[filled++] = v;
    }
    return result;
}

std::unique_ptr<int32_t[]> CWordState::ShufflePermutation(uint32_t seed, int32_t k) {
    std::unique_ptr<int32_t[]> result(new (std::nothrow) int32_t[k]);
    if (!result) return nullptr;
    for (int32_t i = 0; i < k; ++i) result[i] = i + 1;
    std::mt19937 engine(seed);
    for (int32_t i = k - 1; i > 0; --i) {
        std::uniform_int_distribution<int32_t> pick(0, i);
        std::swap(result[i], result[pick(engine)]);
    }
    return result;
}

bool CWordState::GenerateToBeViewed() {
    bool randomOrder = true;
    if (auto order = RandomPermutation(m_totalWords)) {
        for (int32_t i = 0; i < m_totalWords; ++i) {
            if (static_cast<uint32_t>(order[i]) != NO_WORD)
                m_toBeViewed.Add(CListRec(static_cast<uint32_t>(order[i])), true);
        }
    } else {
        m_env.ShowMessage(LearnersWords::Said("Engine", EngineTexts::kNoRandomList),
                          LearnersWords::Said("Engine", EngineTexts::kWordStateCaption),
                          EngineEnv::Icon::None);
        for (int32_t i = 1; i <= m_totalWords; ++i) {
            if (static_cast<uint32_t>(i) != NO_WORD)
                m_toBeViewed.Add(CListRec(static_cast<uint32_t>(i)), true);
        }
        randomOrder = false;
    }
    m_toBeViewed.SaveFile(SessionFiles::kToBeViewed.path);
    return randomOrder;
}

CWordList& CWordState::ListOf(const SessionList& file) {
    return file.listId == kNoListId ? m_known : *ListById(file.listId);
}

CWordList* CWordState::ListById(int32_t listId) {
    switch (listId) {
        case LIST_UNSURE:
            return &m_unsure;
        case LIST_MISTAKEN:
            return &m_mistaken;
        case LIST_NEW:
            return &m_new;
        case LIST_LEARNING:
            return &m_learning;
        default:
            return &m_toBeViewed;
    }
}

bool CWordState::TakeWord(int32_t listId, CListRec& entry) {
    CWordList* list = ListById(listId);
    if (list == &m_toBeViewed) RefillToBeViewed();
    return list->RemoveHead(entry) >= 0;
}

bool CWordState::TakeWordAt(int32_t wordIndex, int32_t& listId, CListRec& entry) {
    for (int32_t id : {LIST_TOBEVIEWED, LIST_UNSURE, LIST_MISTAKEN, LIST_NEW, LIST_LEARNING}) {
        if (!ListById(id)->TakeAll(static_cast<uint32_t>(wordIndex), entry)) continue;
        listId = id;
        return true;
    }
    return false;
}

bool CWordState::TakeKnownWordAt(int32_t wordIndex, CListRec& entry) {
    return m_known.TakeAll(static_cast<uint32_t>(wordIndex), entry);
}

void CWordState::RefillToBeViewed() {
    if (m_toBeViewed.GetCount() > m_reviewSize) return;
    CListRec taken[kRecycleCount];
    int k = 0;
    while (k < kRecycleCount && m_known.RemoveHead(taken[k]) >= 0) ++k;
    if (auto order = RandomPermutation(k)) {
        for (int i = 0; i < k; ++i) {
            const CListRec& entry = taken[order[i] - 1];
            if (entry.m_wordIndex == NO_WORD) continue;
            m_toBeViewed.Add(entry, true);
            m_review.Add(CListRec(entry.m_wordIndex), true);
            m_keepsReview = true;
        }
    } else {
        for (int i = 0; i < k; ++i) {
            m_toBeViewed.Add(taken[i], true);
            m_review.Add(CListRec(taken[i].m_wordIndex), true);
            m_keepsReview = true;
        }
    }
}

bool CWordState::ApplyJudgement(int32_t listId, CListRec entry, int32_t judgement) {
    // Judged again, a word under review is what this verdict makes it.
    if (m_review.GetCount() > 0)
        m_review.RemoveIf(
            [&entry](const CListRec& e) { return e.m_wordIndex == entry.m_wordIndex; });
    // A run of JUDGE_KNEW in a troubled list counts up to its promotion limit; every other
    // answer restarts the count in the list the table gives.
    auto knewIn = [&](CWordList& stay, int32_t limit) {
        entry.m_counter = Increment(entry.m_counter);
        (entry.m_counter >= limit ? m_learning : stay).Add(entry, true);
    };
    auto moveTo = [&](CWordList& target) {
        entry.m_counter = 0;
        target.Add(entry, true);
    };

    if (listId == LIST_UNSURE) {
        if (judgement == JUDGE_KNEW) {
            knewIn(m_unsure, kUnsureToLearning);
        } else if (judgement == JUDGE_MISTAKEN || judgement == JUDGE_DONTKNOW) {
            moveTo(m_mistaken);
        } else {
            moveTo(m_unsure);
        }
    } else if (listId == LIST_MISTAKEN) {
        if (judgement == JUDGE_KNEW) {
            knewIn(m_mistaken, kMistakenToLearning);
        } else {
            moveTo(m_mistaken);
        }
    } else if (listId == LIST_NEW && judgement == JUDGE_KNEW) {
        knewIn(m_new, kNewToLearning);
    } else if (judgement == JUDGE_KNEW) {
        // From the learning list the word counts as learned; straight from the to-be-viewed
        // list it was known all along.
        if (listId == LIST_LEARNING) m_wordsLearned = Increment(m_wordsLearned);
        moveTo(m_known);
    } else if (judgement == JUDGE_MISTAKEN) {
        moveTo(m_mistaken);
    } else if (judgement == JUDGE_NOTSURE) {
        moveTo(m_unsure);
    } else {
        moveTo(m_new);
    }
    return true;
}

void CWordState::MaintainList(uint32_t currentIndex) {
    const uint32_t n = static_cast<uint32_t>(m_totalWords);
    // table[i] is nonzero once word i has a place (or is the current word).
    std::unique_ptr<int32_t[]> table(new (std::nothrow) int32_t[n + 1]());
    if (!table) return;
    if (currentIndex != NO_WORD && currentIndex <= n) table[currentIndex] = 1;

    // Each list keeps the first place of each word, in order; words out of range go.
    const auto keep = [&](const CListRec& entry) {
        if (entry.m_wordIndex > n || table[entry.m_wordIndex] != 0) return false;
        table[entry.m_wordIndex] = static_cast<int32_t>(entry.m_wordIndex);
        return true;
    };
    // In place, a journal keeping only what is dropped: a long list is not taken apart and
    // built again at every save, and an undo point can still take it back.
    for (CWordList* list : {&m_mistaken, &m_unsure, &m_new, &m_learning, &m_toBeViewed, &m_known})
        list->KeepInOrder(keep);
    if (table[0] != 0)
        m_env.ShowMessage("[0] != 0",
                          LearnersWords::Said("Engine", EngineTexts::kMaintainListCaption),
                          EngineEnv::Icon::None);
    for (uint32_t pos = 1; pos <= n; ++pos) {
        if (table[pos] == 0 && pos != NO_WORD) m_toBeViewed.Add(CListRec(pos), false);
    }
}

void CWordState::TakeSnapshot() {
    m_snapshotWordsLearned = m_wordsLearned;
    m_snapshotRandom = m_random;
    ForEachList([](CWordList& list) { list.StartJournal(); });
    m_review.StartJournal();
    m_hasSnapshot = true;
}

bool CWordState::RestoreSnapshot() {
    if (!m_hasSnapshot) return false;
    // All or none: a queue left as it is beside others taken back would lose or double words.
    bool canTakeBack = true;
    ForEachList([&](CWordList& list) { canTakeBack = canTakeBack && list.CanTakeBack(); });
    canTakeBack = canTakeBack && m_review.CanTakeBack();
    if (!canTakeBack) {
        DropSnapshot();
        return false;
    }
    ForEachList([](CWordList& list) { list.TakeBack(); });
    m_review.TakeBack();
    m_wordsLearned = m_snapshotWordsLearned;
    m_random = m_snapshotRandom;
    m_hasSnapshot = false;
    return true;
}

void CWordState::DropSnapshot() {
    ForEachList([](CWordList& list) { list.StopJournal(); });
    m_review.StopJournal();
    m_hasSnapshot = false;
}
