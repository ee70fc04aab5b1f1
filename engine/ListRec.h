#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One entry of a word list queue: which word, and a counter whose meaning depends on the
// queue it stands in. Copied by value between the queues, the selector and the window: a
// plain pair, eight bytes, so that a queue of them is one block of memory.

#include <cstdint>

// The word index that means "no word"; never a list entry.
constexpr uint32_t NO_WORD = 65535;
// The longest word list whose every word can be studied: word index NO_WORD would be taken
// for no word at all.
constexpr uint32_t kMaxStudyWords = NO_WORD - 1;

class CListRec {
public:
    CListRec() = default;
    explicit CListRec(uint32_t wordIndex) : m_wordIndex(wordIndex) {}
    CListRec(const CListRec&) = default;
    CListRec& operator=(const CListRec&) = default;

    bool operator==(const CListRec& other) const {
        return m_counter == other.m_counter && m_wordIndex == other.m_wordIndex;
    }

    int32_t m_counter = 0;
    uint32_t m_wordIndex = 0;
};
