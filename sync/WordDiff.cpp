// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/WordDiff.h"

#include <algorithm>
#include <set>

namespace WordDiff {

namespace {

// For each new word, the old word it continues, or -1; a removal in `events` for each old word
// that none continues.
std::vector<int> OldOfNew(const std::vector<std::string>& oldIds,
                          const std::vector<uint32_t>& newOfOld, size_t newCount,
                          std::vector<JournalEvent>& events) {
    std::vector<int> oldOfNew(newCount, -1);
    for (uint32_t i = 0; i < oldIds.size(); ++i) {
        const uint32_t j = newOfOld[i];
        if (j != kGone) {
            oldOfNew[j] = static_cast<int>(i);
            continue;
        }
        JournalEvent removal;
        removal.kind = JournalEvent::Kind::kRemove;
        removal.word = oldIds[i];
        events.push_back(removal);
    }
    return oldOfNew;
}

// Whether `uncommitted` holds a word of this text: then `id` is the one it holds it under, and
// it is taken out, so that no second new word of the same text gets that id.
bool TakeUncommitted(std::map<std::string, WordRecord>& uncommitted, const WordRecord& word,
                     std::string& id) {
    const auto made = std::find_if(uncommitted.begin(), uncommitted.end(), [&](const auto& held) {
        return held.second.word == word.word && held.second.definition == word.definition;
    });
    if (made == uncommitted.end()) return false;
    id = made->first;
    uncommitted.erase(made);
    return true;
}

}  // namespace

std::map<std::string, WordRecord> UncommittedWords(const std::vector<JournalEvent>& own,
                                                   const std::string& device, uint64_t committed,
                                                   const std::vector<std::string>& oldIds) {
    const std::set<std::string> known(oldIds.begin(), oldIds.end());
    std::map<std::string, WordRecord> words;
    for (const JournalEvent& event : own) {
        if (event.device != device && !event.device.empty()) continue;
        if (event.sequence < committed || known.count(event.word) > 0) continue;
        if (event.kind == JournalEvent::Kind::kRemove) words.erase(event.word);
        if (event.kind != JournalEvent::Kind::kEdit) continue;
        WordRecord& record = words[event.word];
        record.word = event.text;
        record.definition = event.definition;
    }
    return words;
}

void DiffWords(const std::vector<WordRecord>& oldWords, const std::vector<std::string>& oldIds,
               const std::vector<WordRecord>& newWords, const std::vector<uint32_t>& newOfOld,
               const std::string& device, uint64_t nextSequence,
               std::map<std::string, WordRecord> uncommitted, std::vector<JournalEvent>& events,
               std::vector<std::string>& newIds) {
    const std::vector<int> oldOfNew = OldOfNew(oldIds, newOfOld, newWords.size(), events);
    newIds.assign(newWords.size(), std::string());
    for (size_t j = 0; j < newWords.size(); ++j) {
        const int i = oldOfNew[j];
        if (i >= 0) newIds[j] = oldIds[i];
        if (i >= 0 && oldWords[i] == newWords[j]) continue;
        if (i < 0 && TakeUncommitted(uncommitted, newWords[j], newIds[j])) continue;
        JournalEvent edit;
        edit.kind = JournalEvent::Kind::kEdit;
        edit.device = device;
        edit.sequence = nextSequence + events.size();
        edit.word = i >= 0 ? newIds[j] : edit.NewWordId();
        edit.text = newWords[j].word;
        edit.definition = newWords[j].definition;
        newIds[j] = edit.word;
        events.push_back(edit);
    }
}

}  // namespace WordDiff
