#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Pairs the records of an old word list with those of a new one, so that progress kept by
// word index can follow each word to its new place: as the caller says when it knows (an
// editor knows which word became which, whatever its new spelling), else first by word and
// definition, then, for what is left, by the word alone where it names one record on each side.

#include "engine/WordRecord.h"

#include <cstdint>
#include <string>
#include <vector>

class RecordMatcher {
public:
    static constexpr uint32_t kGone = UINT32_MAX;
    // For each new record, the old record it continues, or -1 for a new word. Empty pairs by
    // text.
    using Pairing = std::vector<int>;

    // Given a pairing, pairs as it says and nothing else: a word it calls new is new even
    // where its text matches a word it calls gone. Requires nothing of the lists; either may
    // be empty. requires: CheckPairing accepts `pairing`.
    RecordMatcher(const std::vector<WordRecord>& oldRecords,
                  const std::vector<WordRecord>& newRecords, const Pairing& pairing = {});

    // Why `pairing` cannot pair these lists (a size or record out of range, an old record
    // continued twice), or empty when it can.
    static std::string CheckPairing(const Pairing& pairing, size_t oldCount, size_t newCount);

    // The new record number of old record `oldRecord`, or kGone.
    uint32_t NewRecordOf(uint32_t oldRecord) const { return m_newOfOld[oldRecord]; }
    bool IsMatched(uint32_t newRecord) const { return m_oldOfNew[newRecord] != kGone; }
    // One line per word whose old and new records could be paired in more than one way;
    // they were paired in file order.
    const std::vector<std::string>& Ambiguities() const { return m_ambiguities; }

private:
    void MatchExact(const std::vector<WordRecord>& oldRecords,
                    const std::vector<WordRecord>& newRecords);
    void MatchByWord(const std::vector<WordRecord>& oldRecords,
                     const std::vector<WordRecord>& newRecords);
    void Pair(uint32_t oldRecord, uint32_t newRecord);

    std::vector<uint32_t> m_newOfOld;
    std::vector<uint32_t> m_oldOfNew;
    std::vector<std::string> m_ambiguities;
};
