#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The progress of one study direction of a synced list, made from the events every computer
// journaled: the session files as they were when the list joined the sync folder, with every
// judgement applied in the one order all computers share, by the engine's own word moves. Every
// random choice (recycling known words into the to-be-viewed list) is seeded from the event
// that causes it, never from a clock, so that the same events give the same bytes everywhere.
//
// A judgement takes its word out of whatever list it waits in and places it as the engine
// would; when that list is the to-be-viewed list, or the known list (another computer's
// recycling brought it back for review there), the to-be-viewed list is refilled first, as a
// draw from it would. A judgement that an undo takes back is left out altogether.
//
// The session files after some events are a checkpoint: a replay started from them continues
// exactly where the one that wrote them stopped.

#include "engine/AtomicFile.h"
#include "engine/WordState.h"
#include "sync/JournalEvent.h"
#include "sync/ReplayEnv.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <utility>
#include <vector>

class SessionReplay {
public:
    // What the replay passed over, so that the caller can say what it could not apply yet.
    struct Counts {
        size_t judged = 0;          // applied
        size_t undone = 0;          // judgements an undo took back
        size_t otherDirection = 0;  // judgements that belong to the other direction's replay
        size_t unknownWords = 0;    // judgements of words the base list does not hold
        size_t edits = 0;           // edits and removals of words, not replayed here
    };

    // The word index the engine uses for `wordId`, a base record number (from 1) of a list of
    // `totalWords`, or NO_WORD when it names no base word: the engine keeps the first record
    // under the last index.
    static uint32_t WordIndexOf(const std::string& wordId, int32_t totalWords);
    // The tick count a judgement's random choices are seeded with.
    static uint32_t SeedOf(const JournalEvent& event);

    // `session` holds the six list files and the words-learned file under their session paths
    // (SessionFiles), as the list had them when it joined, or as Images() gave them at a
    // checkpoint; a missing file counts as the engine counts it. Words that stand in no list
    // (the word that was on screen) are put back, as the engine's maintenance does.
    // requires: 1 <= totalWords <= kMaxStudyWords.
    SessionReplay(const std::vector<FileImage>& session, int32_t totalWords,
                  JournalEvent::Direction direction);
    SessionReplay(const SessionReplay&) = delete;
    SessionReplay& operator=(const SessionReplay&) = delete;

    // Told after each event, with its index in the events and whether it was a judgement
    // applied here, while State() stands just after it: what the history of a day needs.
    using Observer = std::function<void(size_t index, bool judged)>;
    // The judgements undos take back, by device and sequence number.
    using Undone = std::set<std::pair<std::string, uint64_t>>;

    // Applies events[from], events[from + 1], ... (a JournalMerge's Events()) onto the state.
    // False, with nothing applied, when an undo among them takes back an event before `from`
    // (the state holds that judgement: the replay must start again from the base), or when
    // there are fewer than `from` events.
    bool Replay(const std::vector<JournalEvent>& events, size_t from = 0,
                const Observer& after = {});
    // Replay in parts, for a caller that changes the words between them: the undos among
    // events[from...], whether the state can take them, and the events of [from, to).
    static Undone UndoneIn(const std::vector<JournalEvent>& events, size_t from);
    bool CanContinue(const std::vector<JournalEvent>& events, size_t from,
                     const Undone& undone) const {
        return CanContinueIn(m_direction, events, from, undone);
    }
    // The same for a state of `direction` not made yet.
    static bool CanContinueIn(JournalEvent::Direction direction,
                              const std::vector<JournalEvent>& events, size_t from,
                              const Undone& undone);
    // Whether events[from, to) would change a state of `direction` or its history: its
    // judgements and its usage.
    static bool Concerns(JournalEvent::Direction direction, const std::vector<JournalEvent>& events,
                         size_t from, size_t to);
    // The images among `images` that Images() gives, in their order: those of a state made
    // from the images another state's Images() gave, to which nothing was applied.
    static std::vector<FileImage> SessionImagesIn(const std::vector<FileImage>& images);
    void Apply(const std::vector<JournalEvent>& events, size_t from, size_t to,
               const Undone& undone, const Observer& after = {});
    // The word index a judged word id names, NO_WORD for none, when the words are no longer
    // the base's; WordIndexOf until then.
    void SetWordIndex(std::function<uint32_t(const std::string&)> indexOf) {
        m_indexOf = std::move(indexOf);
    }

    // The six list files and the words-learned file, in the engine's order and bytes.
    std::vector<FileImage> Images() const;
    const CWordState& State() const { return m_state; }
    const Counts& GetCounts() const { return m_counts; }
    // The engine's messages about session files that were damaged when read.
    const std::vector<std::string>& Problems() const { return m_env.Messages(); }

private:
    bool Judge(const JournalEvent& event);

    ReplayEnv m_env;
    CWordState m_state;
    JournalEvent::Direction m_direction;
    Counts m_counts;
    std::function<uint32_t(const std::string&)> m_indexOf;
    // By word index: whether the word waits in the to-be-viewed or the known list, which
    // would take a scan of both, some 30000 entries, for every judgement.
    std::vector<bool> m_inReview;
};
