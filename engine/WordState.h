#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The learning state of every word: six queues of word entries (to be viewed, unsure,
// mistaken, new, learning, known), the words-learned count, the moves a judgement causes and
// the maintenance that repairs the queues before they are saved. Every word index 1..n stands
// in exactly one queue after a first-run generation and after every maintenance, except the
// word on screen, which stands in none.

#include "engine/ClassicRandom.h"
#include "engine/ReadGuard.h"
#include "engine/SessionFiles.h"
#include "engine/WordList.h"

#include <cstdint>
#include <memory>
#include <vector>

class EngineEnv;

// Judgement codes made by the answer flow from the two presses.
constexpr int32_t JUDGE_KNEW = 0;
constexpr int32_t JUDGE_MISTAKEN = 1;
constexpr int32_t JUDGE_DONTKNOW = 2;
constexpr int32_t JUDGE_NOTSURE = 3;

class CWordState {
public:
    // The caption of the engine's messages about the session files.
    static constexpr const char* kCaption = "Quibbix";
    static constexpr int32_t kDefaultTotalWords = 65535;
    static constexpr int32_t kDefaultReviewSize = 20;
    // Known words recycled into the to-be-viewed list at one time.
    static constexpr int kRecycleCount = 20;
    // Consecutive JUDGE_KNEW answers that promote a word to the learning list.
    static constexpr int32_t kUnsureToLearning = 3;
    static constexpr int32_t kMistakenToLearning = 5;
    static constexpr int32_t kNewToLearning = 4;
    // The largest count the 15-bit draw of RandomPermutation can complete.
    static constexpr int32_t kMaxDrawCount = ClassicRandom::kMax;

    // `env` supplies the tick count and the messages and must outlive the state.
    explicit CWordState(EngineEnv& env);
    virtual ~CWordState() = default;
    CWordState(const CWordState&) = delete;
    CWordState& operator=(const CWordState&) = delete;

    // Reads the session files, or on a first run (no to-be-viewed file) builds the random
    // order of 1..total and writes it. Entries outside 1..total are dropped. Files that
    // cannot be read, or only in part, are reported in one message.
    bool Load(int32_t total, int32_t reviewSize);
    // Replaces the six list files and the words-learned file together, leaving alone those
    // that could not be read; on failure every old file stays, and a message says why.
    bool SaveAll();
    // SaveAll in two halves, for a save whose writing runs elsewhere: the files to replace,
    // and what follows once they are written (or not).
    std::vector<FileImage> SaveImages() const;
    void SaveDone(bool saved, const FileError& error);
    // True when a session file exists that could not be read.
    bool HasUnreadableFiles() const { return m_guard.HasUnreadable(); }
    int32_t GetWordsLearned() const { return m_wordsLearned; }

    // The numbers 1..k in the order drawn from the tick-seeded generator, or null when the
    // array cannot be allocated. Counts beyond kMaxDrawCount get a uniform shuffle instead.
    std::unique_ptr<int32_t[]> RandomPermutation(int32_t k);
    bool GenerateToBeViewed();

    // Removes the head of list `listId` into `entry`; false (entry untouched) when empty.
    bool TakeWord(int32_t listId, CListRec& entry);
    // Removes word `wordIndex` from the list it waits in, with that list's id; false when it
    // waits in none a word is drawn from (the known list among them).
    bool TakeWordAt(int32_t wordIndex, int32_t& listId, CListRec& entry);
    // Removes word `wordIndex` from the known list; false when it is not there. A judgement
    // replayed from another computer may name a word that waits there in this order of
    // events, as that computer's own recycling had brought it back for review.
    bool TakeKnownWordAt(int32_t wordIndex, CListRec& entry);
    // Recycles up to 20 known words when the to-be-viewed list has run low.
    void RefillToBeViewed();
    // Places a judged word at the back of its next list.
    bool ApplyJudgement(int32_t listId, CListRec entry, int32_t judgement);
    // Removes duplicates and copies of the current word, and puts lost words back at the
    // head of the to-be-viewed list.
    void MaintainList(uint32_t currentIndex);

    // A point to come back to: the words-learned count and the generator are copied, and the
    // queues keep journals of their changes from here (see CWordList). Replaces any earlier
    // point.
    void TakeSnapshot();
    // Everything back as it was at TakeSnapshot, and the point used up; false (nothing
    // changed) when there is no point or a queue cannot take its changes back.
    bool RestoreSnapshot();
    void DropSnapshot();

    const CWordList& GetToBeViewed() const { return m_toBeViewed; }
    const CWordList& GetUnsure() const { return m_unsure; }
    const CWordList& GetMistaken() const { return m_mistaken; }
    const CWordList& GetNew() const { return m_new; }
    const CWordList& GetLearning() const { return m_learning; }
    const CWordList& GetKnown() const { return m_known; }
    // The known words waiting for review (see SessionFiles::kReview).
    const CWordList& GetUnderReview() const { return m_review; }
    int32_t GetTotalWords() const { return m_totalWords; }
    int32_t GetReviewSize() const { return m_reviewSize; }

private:
    CWordList* ListById(int32_t listId);
    template <typename Fn>
    void ForEachList(Fn fn) {
        for (CWordList* list :
             {&m_unsure, &m_mistaken, &m_new, &m_learning, &m_toBeViewed, &m_known})
            fn(*list);
    }
    CWordList& ListOf(const SessionList& file);
    void LoadWordsLearned();
    void LoadUnderReview();
    void DropOutOfRange();
    static std::unique_ptr<int32_t[]> DrawPermutation(ClassicRandom& random, int32_t k);
    static std::unique_ptr<int32_t[]> ShufflePermutation(uint32_t seed, int32_t k);

    EngineEnv& m_env;
    CWordList m_unsure;
    CWordList m_mistaken;
    CWordList m_new;
    CWordList m_learning;
    CWordList m_toBeViewed;
    CWordList m_known;
    CWordList m_review;
    bool m_keepsReview = false;
    int32_t m_wordsLearned = 0;
    int32_t m_reviewSize = kDefaultReviewSize;
    int32_t m_totalWords = kDefaultTotalWords;
    ClassicRandom m_random;
    ReadGuard m_guard;
    bool m_hasSnapshot = false;
    int32_t m_snapshotWordsLearned = 0;
    ClassicRandom m_snapshotRandom;
};
