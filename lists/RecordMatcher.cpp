// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/RecordMatcher.h"

#include "engine/Counted.h"
#include "engine/LearnersWords.h"

#include <map>
#include <unordered_map>

RecordMatcher::RecordMatcher(const std::vector<WordRecord>& oldRecords,
                             const std::vector<WordRecord>& newRecords, const Pairing& pairing)
    : m_newOfOld(oldRecords.size(), kGone), m_oldOfNew(newRecords.size(), kGone) {
    if (!pairing.empty()) {
        for (uint32_t i = 0; i < pairing.size(); ++i)
            if (pairing[i] >= 0) Pair(static_cast<uint32_t>(pairing[i]), i);
        return;
    }
    MatchExact(oldRecords, newRecords);
    MatchByWord(oldRecords, newRecords);
}

std::string RecordMatcher::CheckPairing(const Pairing& pairing, size_t oldCount, size_t newCount) {
    if (pairing.empty()) return std::string();
    if (pairing.size() != newCount)
        return LearnersWords::Filled(
            LearnersWords::Said("ListRebase", "the pairing names %1 for %2"),
            {LearnersWords::Counted("ListRebase", QT_TRANSLATE_N_NOOP("ListRebase", "%n record(s)"),
                                    pairing.size(), Counted(pairing.size(), "record")),
             LearnersWords::Counted("ListRebase",
                                    QT_TRANSLATE_N_NOOP("ListRebase", "%n new record(s)"), newCount,
                                    Counted(newCount, "new record"))});
    std::vector<bool> isTaken(oldCount, false);
    for (size_t i = 0; i < pairing.size(); ++i) {
        const int old = pairing[i];
        if (old == -1) continue;
        if (old < 0 || static_cast<size_t>(old) >= oldCount)
            return LearnersWords::Filled(
                LearnersWords::Said(
                    "ListRebase",
                    "the pairing gives new record %1 old record %2, which is not among the %3"),
                {std::to_string(i), std::to_string(old),
                 LearnersWords::Counted("ListRebase",
                                        QT_TRANSLATE_N_NOOP("ListRebase", "%n old record(s)"),
                                        oldCount, Counted(oldCount, "old record"))});
        if (isTaken[old])
            return LearnersWords::Filled(
                LearnersWords::Said("ListRebase",
                                    "the pairing gives old record %1 to two new records"),
                {std::to_string(old)});
        isTaken[old] = true;
    }
    return std::string();
}

void RecordMatcher::Pair(uint32_t oldRecord, uint32_t newRecord) {
    m_newOfOld[oldRecord] = newRecord;
    m_oldOfNew[newRecord] = oldRecord;
}

// Identical records are interchangeable, so copies pair off in file order without doubt. The
// copies of a record are chained through `next` rather than queued per key: a queue each would
// cost an allocation per word of the list.
void RecordMatcher::MatchExact(const std::vector<WordRecord>& oldRecords,
                               const std::vector<WordRecord>& newRecords) {
    std::unordered_map<std::string, uint32_t> firstFree;
    firstFree.reserve(newRecords.size());
    std::vector<uint32_t> next(newRecords.size(), kGone);
    for (uint32_t i = static_cast<uint32_t>(newRecords.size()); i-- > 0;) {
        auto [slot, isNew] =
            firstFree.try_emplace(newRecords[i].word + '\0' + newRecords[i].definition, i);
        if (!isNew) {
            next[i] = slot->second;
            slot->second = i;
        }
    }
    for (uint32_t i = 0; i < oldRecords.size(); ++i) {
        auto found = firstFree.find(oldRecords[i].word + '\0' + oldRecords[i].definition);
        if (found == firstFree.end() || found->second == kGone) continue;
        Pair(i, found->second);
        found->second = next[found->second];
    }
}

void RecordMatcher::MatchByWord(const std::vector<WordRecord>& oldRecords,
                                const std::vector<WordRecord>& newRecords) {
    // Ordered, so that the ambiguities come out in a stable order.
    std::map<std::string, std::pair<std::vector<uint32_t>, std::vector<uint32_t>>> byWord;
    for (uint32_t i = 0; i < oldRecords.size(); ++i)
        if (m_newOfOld[i] == kGone) byWord[oldRecords[i].word].first.push_back(i);
    for (uint32_t i = 0; i < newRecords.size(); ++i) {
        auto found = byWord.find(newRecords[i].word);
        if (m_oldOfNew[i] == kGone && found != byWord.end()) found->second.second.push_back(i);
    }
    for (const auto& [word, sides] : byWord) {
        const auto& [olds, news] = sides;
        if (news.empty()) continue;
        if (olds.size() > 1 || news.size() > 1) {
            m_ambiguities.push_back("\"" + word + "\": " + Counted(olds.size(), "old record") +
                                    " and " + Counted(news.size(), "new record") +
                                    " with different definitions");
        }
        for (size_t k = 0; k < olds.size() && k < news.size(); ++k) Pair(olds[k], news[k]);
    }
}
