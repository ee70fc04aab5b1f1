#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The words of a synced list as the edit and removal events so far make them, and the word
// index each id has among them. An edit of a known id sets its text (the later in the order
// wins); an edit of a new id, the one named after that edit, adds a word as the next record;
// a removal takes a word out for good, so that no later edit of its id brings it back. The list
// never loses its last word nor grows past what a session can study: such an event changes nothing.
//
// The engine knows a word by its index, record r at index r, the first record at the last
// index; a change that adds or takes out words (Reshape) moves indices, and says where each
// old index went, so that the sessions can follow.

#include "engine/WordRecord.h"
#include "sync/JournalEvent.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

class ReplayWords {
public:
    // The base's words, ids "1".."N".
    explicit ReplayWords(std::vector<WordRecord> base);
    // The same for a base of `count` words whose text `load` reads only when an edit or the
    // caller needs it: a list that is never edited is studied without its words in memory.
    ReplayWords(size_t count, std::function<std::vector<WordRecord>()> load);
    // Words a checkpoint kept (when an edit had changed them).
    void Restore(std::vector<std::string> ids, std::vector<WordRecord> words,
                 const std::vector<std::string>& removedIds);

    // NO_WORD for an id that names no word now.
    uint32_t IndexOf(const std::string& id);
    // Whether `event` (an edit or a removal) adds or takes out a word.
    bool Reshapes(const JournalEvent& event);
    // Applies an edit or removal that does not reshape the list (a text set, or nothing).
    void Retext(const JournalEvent& event);
    // Applies the edits and removals of events[from, to); returns, by old word index (from 1),
    // its new one or NO_WORD for a word taken out. Words added have no old index: they stand
    // in no session list yet.
    std::vector<uint32_t> Reshape(const std::vector<JournalEvent>& events, size_t from, size_t to);

    // The ids, made first for a base's words left unnamed.
    const std::vector<std::string>& Ids();
    // The words, read first when they were left to be loaded.
    const std::vector<WordRecord>& Words();
    bool IsLoaded() const { return !m_load; }
    // Whether the base's words, once read, were not all there (a read that failed).
    bool IsBroken() const { return m_isBroken; }
    // How many changes of the words were applied so far, restored ones included.
    size_t Revisions() const { return m_revisions; }
    const std::set<std::string>& RemovedIds() const { return m_removed; }
    // Whether anything differs from the base: ids, texts or removals.
    bool IsChanged() const { return m_isChanged; }
    int32_t Count() const { return static_cast<int32_t>(Size()); }

private:
    // Record by id, built at the first edit: a list that is never edited needs none.
    void Index();
    void Load();
    // Gives the base's words their ids "1".."N" when they have none yet.
    void Name();
    size_t Size() const { return m_unnamed != 0 ? m_unnamed : m_ids.size(); }
    uint32_t IndexOfRecord(size_t record) const;
    bool IsAddition(const JournalEvent& event) const;

    std::vector<std::string> m_ids;
    std::vector<WordRecord> m_words;
    std::unordered_map<std::string, size_t> m_recordOf;
    std::set<std::string> m_removed;
    bool m_isIndexed = false;
    bool m_isChanged = false;
    size_t m_revisions = 0;
    // Reads the base's words while they are not loaded yet; empty once they are.
    std::function<std::vector<WordRecord>()> m_load;
    // The number of base words whose ids are not made yet: a list that is never edited needs
    // none of them.
    size_t m_unnamed = 0;
    bool m_isBroken = false;
};
