// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/SessionReplay.h"

#include "engine/SessionFiles.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <utility>

namespace {

bool IsSessionFile(const std::string& path) {
    if (path == SessionFiles::kWordsLearned || path == SessionFiles::kReview) return true;
    for (const SessionList& file : SessionFiles::kLists)
        if (path == file.path) return true;
    return false;
}

}  // namespace

uint32_t SessionReplay::WordIndexOf(const std::string& wordId, int32_t totalWords) {
    uint64_t record = 0;
    const char* end = wordId.data() + wordId.size();
    const auto parsed = std::from_chars(wordId.data(), end, record);
    if (wordId.empty() || parsed.ec != std::errc() || parsed.ptr != end) return NO_WORD;
    if (record < 1 || record > static_cast<uint64_t>(totalWords)) return NO_WORD;
    return record == 1 ? static_cast<uint32_t>(totalWords) : static_cast<uint32_t>(record - 1);
}

uint32_t SessionReplay::SeedOf(const JournalEvent& event) {
    // FNV-1a over "DEVICE SEQUENCE": the name every computer gives the event, so every
    // computer draws the same order for it, and events close in time still draw apart.
    uint32_t hash = 2166136261u;
    for (char c : event.device + " " + std::to_string(event.sequence)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

SessionReplay::SessionReplay(const std::vector<FileImage>& session, int32_t totalWords,
                             JournalEvent::Direction direction)
    : m_state(m_env), m_direction(direction) {
    for (const FileImage& image : session) m_env.Memory().Put(image.path, image.bytes);
    // The same review size the selector loads a session with.
    m_state.Load(totalWords, static_cast<int32_t>(totalWords * 0.05));
    m_state.MaintainList(NO_WORD);
    // Sized by the count the engine took, which keeps its own for a count out of range.
    m_inReview.assign(static_cast<size_t>(m_state.GetTotalWords()) + 1, false);
    for (const CWordList* list : {&m_state.GetToBeViewed(), &m_state.GetKnown()})
        for (const CListRec& entry : list->Entries()) m_inReview[entry.m_wordIndex] = true;
}

SessionReplay::Undone SessionReplay::UndoneIn(const std::vector<JournalEvent>& events,
                                              size_t from) {
    Undone undone;
    for (size_t i = from; i < events.size(); ++i) {
        const JournalEvent& event = events[i];
        if (event.kind == JournalEvent::Kind::kUndo) undone.insert({event.device, event.undone});
    }
    return undone;
}

bool SessionReplay::CanContinueIn(JournalEvent::Direction direction,
                                  const std::vector<JournalEvent>& events, size_t from,
                                  const Undone& undone) {
    if (from > events.size()) return false;
    if (from == 0 || undone.empty()) return true;
    // An undo follows what it takes back in the order, as one computer's clock only rises;
    // one whose judgement lies before `from` asks for what this state already holds.
    for (size_t i = 0; i < from; ++i) {
        const JournalEvent& event = events[i];
        if (event.kind == JournalEvent::Kind::kJudgement && event.direction == direction &&
            undone.count({event.device, event.sequence}))
            return false;
    }
    return true;
}

bool SessionReplay::Concerns(JournalEvent::Direction direction,
                             const std::vector<JournalEvent>& events, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i) {
        const JournalEvent& event = events[i];
        if ((event.kind == JournalEvent::Kind::kJudgement ||
             event.kind == JournalEvent::Kind::kUsage) &&
            event.direction == direction)
            return true;
    }
    return false;
}

std::vector<FileImage> SessionReplay::SessionImagesIn(const std::vector<FileImage>& images) {
    std::vector<FileImage> session;
    for (const FileImage& image : images)
        if (IsSessionFile(image.path)) session.push_back(image);
    return session;
}

bool SessionReplay::Replay(const std::vector<JournalEvent>& events, size_t from,
                           const Observer& after) {
    const Undone undone = UndoneIn(events, std::min(from, events.size()));
    if (!CanContinue(events, from, undone)) return false;
    Apply(events, from, events.size(), undone, after);
    return true;
}

void SessionReplay::Apply(const std::vector<JournalEvent>& events, size_t from, size_t to,
                          const Undone& undone, const Observer& after) {
    for (size_t i = from; i < to; ++i) {
        const JournalEvent& event = events[i];
        bool judged = false;
        switch (event.kind) {
            case JournalEvent::Kind::kJudgement:
                if (event.direction != m_direction) {
                    ++m_counts.otherDirection;
                } else if (!undone.empty() && undone.count({event.device, event.sequence})) {
                    ++m_counts.undone;
                } else {
                    judged = Judge(event);
                }
                break;
            case JournalEvent::Kind::kUndo:
            case JournalEvent::Kind::kUsage:
            case JournalEvent::Kind::kMedia:
                break;
            case JournalEvent::Kind::kEdit:
            case JournalEvent::Kind::kRemove:
                ++m_counts.edits;
                break;
        }
        if (after) after(i, judged);
    }
}

bool SessionReplay::Judge(const JournalEvent& event) {
    const uint32_t wordIndex =
        m_indexOf ? m_indexOf(event.word) : WordIndexOf(event.word, m_state.GetTotalWords());
    if (wordIndex == NO_WORD) {
        ++m_counts.unknownWords;
        return false;
    }
    m_env.SetTick(SeedOf(event));
    // The judging computer drew the word; a draw from the to-be-viewed list refills it first.
    // A known word was drawn from there too, once that computer's refill had brought it back.
    if (m_inReview[wordIndex]) m_state.RefillToBeViewed();
    const auto index = static_cast<int32_t>(wordIndex);
    int32_t listId = LIST_TOBEVIEWED;
    CListRec entry(wordIndex);
    // A known word counts as one drawn from the to-be-viewed list, where recycling puts it.
    if (!m_state.TakeWordAt(index, listId, entry)) m_state.TakeKnownWordAt(index, entry);
    m_state.ApplyJudgement(listId, entry, event.code);
    // The word stands in one list, at the back of the one it went to; no judgement places a
    // word in the to-be-viewed list, and the refill only moves words within the two.
    const CWordList& known = m_state.GetKnown();
    m_inReview[wordIndex] = known.GetCount() > 0 && known.Entries().back().m_wordIndex == wordIndex;
    ++m_counts.judged;
    return true;
}

std::vector<FileImage> SessionReplay::Images() const {
    // Without the copies of damaged files the engine would add: those belong to the
    // learner's own session, not to the replay's.
    std::vector<FileImage> images = m_state.SaveImages();
    std::vector<FileImage> session;
    for (FileImage& image : images)
        if (IsSessionFile(image.path)) session.push_back(std::move(image));
    return session;
}
