#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The entries of a word list queue in one block of memory, head to tail, so that a queue of
// 65,000 words is read, written, kept up and freed without an allocation per entry.
//
// Besides a queue's own moves at its two ends, an entry can be taken from the middle in
// constant time: its slot is left empty, passed over by every reader, and the empty slots are
// closed up once there are as many as entries. A slot keeps its number until the entries move
// (a close-up, room made at the head, a removal in order), which Moves() counts: a map from
// words to slots is stale once it changes.

#include "engine/ListRec.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <vector>

class EntryQueue {
    struct Slot {
        CListRec entry;
        bool isEmpty = false;
    };

public:
    // Walks the entries head to tail, passing over empty slots.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CListRec;
        using difference_type = std::ptrdiff_t;
        using pointer = const CListRec*;
        using reference = const CListRec&;

        const_iterator() = default;
        reference operator*() const { return m_slot->entry; }
        pointer operator->() const { return &m_slot->entry; }
        const_iterator& operator++() {
            do ++m_slot;
            while (m_slot != m_end && m_slot->isEmpty);
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator before = *this;
            ++*this;
            return before;
        }
        bool operator==(const const_iterator& other) const { return m_slot == other.m_slot; }
        bool operator!=(const const_iterator& other) const { return m_slot != other.m_slot; }

    private:
        friend class EntryQueue;
        const_iterator(const Slot* slot, const Slot* end) : m_slot(slot), m_end(end) {}
        const Slot* m_slot = nullptr;
        const Slot* m_end = nullptr;
    };

    size_t size() const { return m_count; }
    bool empty() const { return m_count == 0; }
    // requires: !empty(). Neither end is ever an empty slot.
    const CListRec& front() const { return m_slots[m_head].entry; }
    const CListRec& back() const { return m_slots.back().entry; }
    const_iterator begin() const { return {Data() + m_head, Data() + m_slots.size()}; }
    const_iterator end() const { return {Data() + m_slots.size(), Data() + m_slots.size()}; }

    // At least `count` entries fit without the block growing.
    void reserve(size_t count) { m_slots.reserve(m_head + count); }
    void push_back(const CListRec& entry) {
        if (m_slots.size() == m_slots.capacity()) MakeRoomAtTail();
        m_slots.push_back({entry, false});
        ++m_count;
    }
    void push_front(const CListRec& entry);
    // requires: !empty().
    void pop_front();
    void pop_back();
    void clear();
    // Takes `other`'s entries at the tail, leaving it empty.
    void Append(EntryQueue&& other);

    // The slot of the head and of the tail; requires: !empty().
    size_t FrontSlot() const { return m_head; }
    size_t BackSlot() const { return m_slots.size() - 1; }
    // Whether `slot`, between the head's and the tail's, holds no entry.
    bool IsEmptySlot(size_t slot) const { return m_slots[slot].isEmpty; }
    // The entry in `slot`, which must hold one.
    const CListRec& At(size_t slot) const { return m_slots[slot].entry; }
    // Takes the entry in `slot`, which must hold one, out of the queue.
    void EraseSlot(size_t slot);
    // The entry `entry` put back as the queue's `position`th (from 0), the others in order.
    void InsertAt(size_t position, const CListRec& entry);

    // Keeps, in order, the entries `keep(entry)` accepts, asked head to tail and once each;
    // `dropped(position, entry)` hears of every other, with its position (from 0) in the
    // queue as it was.
    template <typename Keep, typename Dropped>
    void KeepIf(Keep keep, Dropped dropped) {
        size_t to = m_head;
        size_t position = 0;
        for (size_t from = m_head; from < m_slots.size(); ++from) {
            if (m_slots[from].isEmpty) continue;
            if (keep(m_slots[from].entry)) {
                m_slots[to++] = m_slots[from];
            } else {
                dropped(position, m_slots[from].entry);
            }
            ++position;
        }
        if (to == m_slots.size()) return;
        m_slots.resize(to);
        m_count = to - m_head;
        ++m_moves;
    }

    uint64_t Moves() const { return m_moves; }

private:
    const Slot* Data() const { return m_slots.data(); }
    size_t EmptySlots() const { return m_slots.size() - m_head - m_count; }
    // Before the block grows: a queue that takes from its head and adds at its tail would
    // otherwise grow for ever.
    void MakeRoomAtTail();
    // Moves the entries to the front of a block with `room` free slots before them.
    void CloseUp(size_t room);
    // After a change at either end: neither end is an empty slot, and an empty queue holds
    // no slot.
    void TrimEnds();

    std::vector<Slot> m_slots;
    // Slots before this one are free room for entries added at the head.
    size_t m_head = 0;
    size_t m_count = 0;
    uint64_t m_moves = 0;
};
