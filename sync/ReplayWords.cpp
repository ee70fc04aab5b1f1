// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/ReplayWords.h"

#include "engine/ListRec.h"

#include <cstdint>

ReplayWords::ReplayWords(std::vector<WordRecord> base) : m_words(std::move(base)) {
    m_ids.reserve(m_words.size());
    for (size_t record = 1; record <= m_words.size(); ++record)
        m_ids.push_back(std::to_string(record));
}

ReplayWords::ReplayWords(size_t count, std::function<std::vector<WordRecord>()> load)
    : m_load(std::move(load)), m_unnamed(count) {}

void ReplayWords::Name() {
    if (m_unnamed == 0) return;
    m_ids.reserve(m_unnamed);
    for (size_t record = 1; record <= m_unnamed; ++record) m_ids.push_back(std::to_string(record));
    m_unnamed = 0;
}

void ReplayWords::Load() {
    if (!m_load) return;
    Name();
    m_words = m_load();
    m_load = nullptr;
    // A base that no longer reads as many words as it had: the replay must not go on.
    m_isBroken = m_words.size() != m_ids.size();
    m_words.resize(m_ids.size());
}

const std::vector<std::string>& ReplayWords::Ids() {
    Name();
    return m_ids;
}

const std::vector<WordRecord>& ReplayWords::Words() {
    Load();
    return m_words;
}

void ReplayWords::Restore(std::vector<std::string> ids, std::vector<WordRecord> words,
                          const std::vector<std::string>& removedIds) {
    m_ids = std::move(ids);
    m_unnamed = 0;
    m_words = std::move(words);
    m_load = nullptr;
    m_removed = {removedIds.begin(), removedIds.end()};
    m_isIndexed = false;
    m_isChanged = true;
    ++m_revisions;
}

void ReplayWords::Index() {
    if (m_isIndexed) return;
    Name();
    m_recordOf.clear();
    m_recordOf.reserve(m_ids.size());
    for (size_t record = 0; record < m_ids.size(); ++record) m_recordOf[m_ids[record]] = record;
    m_isIndexed = true;
}

bool ReplayWords::IsAddition(const JournalEvent& event) const {
    // A word added is named after the edit that added it; any other unknown id comes from a
    // damaged or foreign journal and names nothing.
    return event.word == event.NewWordId() && !m_removed.count(event.word);
}

uint32_t ReplayWords::IndexOfRecord(size_t record) const {
    return record == 0 ? static_cast<uint32_t>(Size()) : static_cast<uint32_t>(record);
}

uint32_t ReplayWords::IndexOf(const std::string& id) {
    Index();
    const auto found = m_recordOf.find(id);
    return found == m_recordOf.end() ? NO_WORD : IndexOfRecord(found->second);
}

bool ReplayWords::Reshapes(const JournalEvent& event) {
    Index();
    const bool known = m_recordOf.count(event.word) != 0;
    if (event.kind == JournalEvent::Kind::kEdit)
        return !known && IsAddition(event) && Size() < kMaxStudyWords;
    return event.kind == JournalEvent::Kind::kRemove && known && Size() > 1;
}

void ReplayWords::Retext(const JournalEvent& event) {
    Index();
    const auto found = m_recordOf.find(event.word);
    if (event.kind != JournalEvent::Kind::kEdit || found == m_recordOf.end()) return;
    Load();
    m_words[found->second] = {event.text, event.definition};
    m_isChanged = true;
    ++m_revisions;
}

std::vector<uint32_t> ReplayWords::Reshape(const std::vector<JournalEvent>& events, size_t from,
                                           size_t to) {
    Index();
    Load();
    ++m_revisions;
    const size_t oldCount = m_words.size();
    std::vector<bool> kept(oldCount, true);
    size_t count = oldCount;
    for (size_t i = from; i < to; ++i) {
        const JournalEvent& event = events[i];
        const auto found = m_recordOf.find(event.word);
        if (event.kind == JournalEvent::Kind::kEdit && found != m_recordOf.end()) {
            m_words[found->second] = {event.text, event.definition};
        } else if (event.kind == JournalEvent::Kind::kEdit && IsAddition(event) &&
                   count < kMaxStudyWords) {
            m_recordOf[event.word] = m_words.size();
            m_ids.push_back(event.word);
            m_words.push_back({event.text, event.definition});
            kept.push_back(true);
            ++count;
        } else if (event.kind == JournalEvent::Kind::kRemove && found != m_recordOf.end() &&
                   count > 1) {
            kept[found->second] = false;
            m_removed.insert(event.word);
            m_recordOf.erase(found);
            --count;
        }
    }
    // The words that stay, in their order, and where each old record went.
    std::vector<size_t> newRecord(kept.size(), SIZE_MAX);
    size_t next = 0;
    for (size_t record = 0; record < kept.size(); ++record) {
        if (!kept[record]) continue;
        newRecord[record] = next;
        if (next != record) {
            m_ids[next] = std::move(m_ids[record]);
            m_words[next] = std::move(m_words[record]);
        }
        ++next;
    }
    m_ids.resize(next);
    m_words.resize(next);
    m_isIndexed = false;
    m_isChanged = true;

    std::vector<uint32_t> newIndexOf(oldCount + 1, NO_WORD);
    for (size_t index = 1; index <= oldCount; ++index) {
        const size_t moved = newRecord[index == oldCount ? 0 : index];
        if (moved != SIZE_MAX) newIndexOf[index] = IndexOfRecord(moved);
    }
    return newIndexOf;
}
