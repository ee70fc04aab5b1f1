// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/EntryQueue.h"

#include <algorithm>

namespace {

// Room made at the head at the least, so that a run of additions there moves the entries
// only now and then.
constexpr size_t kLeastRoom = 16;

}  // namespace

void EntryQueue::MakeRoomAtTail() {
    // The block is reused once half of it is free.
    if (m_slots.size() - m_count >= m_slots.size() / 2 && m_slots.size() > kLeastRoom) CloseUp(0);
}

void EntryQueue::push_front(const CListRec& entry) {
    if (m_head == 0) CloseUp(std::max(kLeastRoom, m_count));
    m_slots[--m_head] = {entry, false};
    ++m_count;
}

void EntryQueue::pop_front() {
    ++m_head;
    --m_count;
    TrimEnds();
}

void EntryQueue::pop_back() {
    m_slots.pop_back();
    --m_count;
    TrimEnds();
}

void EntryQueue::clear() {
    m_slots.clear();
    m_head = 0;
    m_count = 0;
    ++m_moves;
}

void EntryQueue::Append(EntryQueue&& other) {
    if (empty()) {
        m_slots.swap(other.m_slots);
        std::swap(m_head, other.m_head);
        std::swap(m_count, other.m_count);
        ++m_moves;
    } else {
        reserve(m_count + other.m_count);
        for (const CListRec& entry : other) push_back(entry);
    }
    other.clear();
}

void EntryQueue::EraseSlot(size_t slot) {
    m_slots[slot].isEmpty = true;
    --m_count;
    TrimEnds();
    if (EmptySlots() > m_count && EmptySlots() > kLeastRoom) CloseUp(m_head);
}

void EntryQueue::InsertAt(size_t position, const CListRec& entry) {
    if (EmptySlots() > 0) CloseUp(m_head);
    m_slots.insert(m_slots.begin() + static_cast<std::ptrdiff_t>(m_head + position),
                   Slot{entry, false});
    ++m_count;
    ++m_moves;
}

void EntryQueue::CloseUp(size_t room) {
    std::vector<Slot> slots;
    const bool isNewBlock = room > m_head;
    if (isNewBlock) slots.reserve(room + m_count + m_count / 2);
    std::vector<Slot>& target = isNewBlock ? slots : m_slots;
    if (isNewBlock) slots.resize(room);
    size_t to = room;
    for (size_t from = m_head; from < m_slots.size(); ++from) {
        if (m_slots[from].isEmpty) continue;
        if (isNewBlock) {
            target.push_back(m_slots[from]);
        } else {
            target[to] = m_slots[from];
        }
        ++to;
    }
    if (isNewBlock) {
        m_slots.swap(slots);
    } else {
        m_slots.resize(to);
    }
    m_head = room;
    ++m_moves;
}

void EntryQueue::TrimEnds() {
    while (m_head < m_slots.size() && m_slots[m_head].isEmpty) ++m_head;
    while (m_slots.size() > m_head && m_slots.back().isEmpty) m_slots.pop_back();
    if (m_count == 0 && !m_slots.empty()) clear();
}
