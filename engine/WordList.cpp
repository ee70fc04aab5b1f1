// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordList.h"

#include "engine/AtomicFile.h"
#include "engine/ListPreload.h"
#include "engine/TextScanner.h"

#include <algorithm>
#include <charconv>

int CWordList::Add(CListRec entry, bool atTail) {
    Note(atTail ? Change::Kind::kAddedAtTail : Change::Kind::kAddedAtHead, entry);
    const bool indexed = IsIndexed();
    if (atTail) {
        m_queue.push_back(entry);
    } else {
        m_queue.push_front(entry);
    }
    if (indexed) Indexed(atTail ? m_queue.BackSlot() : m_queue.FrontSlot());
    return GetCount();
}

int CWordList::RemoveHead(CListRec& entry) {
    if (m_queue.empty()) return -1;
    entry = m_queue.front();
    Note(Change::Kind::kRemovedHead, entry);
    if (IsIndexed()) m_index.slotOf[entry.m_wordIndex] = Index::kNoSlot;
    m_queue.pop_front();
    return GetCount();
}

bool CWordList::IsIndexed() {
    if (m_index.built && m_index.moves != m_queue.Moves()) m_index.Drop();
    return m_index.built;
}

void CWordList::Indexed(size_t slot) {
    // The entries moved to make room: the index is built again when next needed.
    if (!IsIndexed()) return;
    const uint32_t word = m_queue.At(slot).m_wordIndex;
    if (word >= m_index.slotOf.size()) {
        if (word > kMaxStudyWords) {
            m_index.Drop();
            return;
        }
        m_index.slotOf.resize(word + 1, Index::kNoSlot);
    }
    if (m_index.slotOf[word] != Index::kNoSlot) {
        m_index.Drop();
        return;
    }
    m_index.slotOf[word] = static_cast<uint32_t>(slot);
}

bool CWordList::BuildIndex() {
    m_index.Drop();
    uint32_t highest = 0;
    for (const CListRec& entry : m_queue) highest = std::max(highest, entry.m_wordIndex);
    // An entry from a damaged file may name any number: the scan serves such a queue.
    if (highest > kMaxStudyWords) return false;
    m_index.slotOf.assign(size_t{highest} + 1, Index::kNoSlot);
    if (!m_queue.empty()) {
        for (size_t slot = m_queue.FrontSlot(); slot <= m_queue.BackSlot(); ++slot) {
            if (m_queue.IsEmptySlot(slot)) continue;
            uint32_t& at = m_index.slotOf[m_queue.At(slot).m_wordIndex];
            if (at != Index::kNoSlot) {
                m_index.Drop();
                return false;
            }
            at = static_cast<uint32_t>(slot);
        }
    }
    m_index.moves = m_queue.Moves();
    m_index.built = true;
    return true;
}

bool CWordList::TakeAll(uint32_t wordIndex, CListRec& entry) {
    if (IsIndexed() || BuildIndex()) {
        if (wordIndex >= m_index.slotOf.size()) return false;
        uint32_t& slot = m_index.slotOf[wordIndex];
        if (slot == Index::kNoSlot) return false;
        entry = m_queue.At(slot);
        m_isJournalWhole = false;
        m_queue.EraseSlot(slot);
        slot = Index::kNoSlot;
        return true;
    }
    for (const CListRec& waiting : m_queue) {
        if (waiting.m_wordIndex != wordIndex) continue;
        entry = waiting;
        m_isJournalWhole = false;
        m_queue.KeepIf([wordIndex](const CListRec& e) { return e.m_wordIndex != wordIndex; },
                       [](size_t, const CListRec&) {});
        return true;
    }
    return false;
}

void CWordList::Note(Change::Kind kind, const CListRec& entry) {
    if (m_isJournaling) m_journal.push_back({kind, entry});
}

void CWordList::StartJournal() {
    m_journal.clear();
    m_drops.clear();
    m_isJournaling = true;
    m_isJournalWhole = true;
}

void CWordList::Clear() {
    m_queue.clear();
    m_index.Drop();
    StopJournal();
    m_isJournalWhole = false;
}

void CWordList::StopJournal() {
    m_journal.clear();
    m_drops.clear();
    m_isJournaling = false;
}

bool CWordList::TakeBack() {
    if (!CanTakeBack()) return false;
    m_index.Drop();
    // Each change undone in reverse order finds the queue as that change left it.
    for (auto it = m_journal.rbegin(); it != m_journal.rend(); ++it) {
        switch (it->kind) {
            case Change::Kind::kAddedAtTail:
                m_queue.pop_back();
                break;
            case Change::Kind::kAddedAtHead:
                m_queue.pop_front();
                break;
            case Change::Kind::kRemovedHead:
                m_queue.push_front(it->entry);
                break;
            case Change::Kind::kKept:
                UndoKept(*it);
                break;
        }
    }
    StopJournal();
    return true;
}

void CWordList::UndoKept(const Change& change) {
    // Put back first to last, each at the place it had among all of them, the later ones
    // find the earlier ones in place again.
    for (size_t i = 0; i < change.dropCount; ++i) {
        const Drop& drop = m_drops[change.dropsFrom + i];
        m_queue.InsertAt(drop.position, drop.entry);
    }
}

int CWordList::LoadFile(const char* name) {
    LoadReport report;
    return LoadFile(name, report);
}

int CWordList::LoadFile(const char* name, LoadReport& report) {
    report = LoadReport();
    m_isJournalWhole = false;
    m_index.Drop();
    m_fileName = name ? name : "";
    if (m_fileName.empty()) return -1;
    std::string text;
    report.error = m_files->ReadFile(m_fileName, text);
    if (report.error != 0) return 0;

    ListPreload::Parsed parsed;
    if (!ListPreload::Take(m_fileName, text, parsed))
        parsed.count = Parse(text, parsed.entries, parsed.damaged);
    m_queue.Append(std::move(parsed.entries));
    report.damaged = parsed.damaged;
    if (report.damaged) report.original = std::move(text);
    return parsed.count;
}

int32_t CWordList::Parse(std::string_view text, EntryQueue& entries, bool& damaged) {
    TextScanner scanner(text);
    int32_t count = 0;
    if (!scanner.ScanInt(count)) {
        count = 0;
        damaged = true;
    }
    if (count < 0) damaged = true;
    // A real entry takes at least two bytes, so a count beyond the file's size cannot be
    // real; appending that many (0, 0) entries would only exhaust memory.
    const int64_t cap = static_cast<int64_t>(text.size());
    const int64_t toAppend = count < cap ? count : cap;
    if (toAppend < count) damaged = true;
    entries.reserve(entries.size() + static_cast<size_t>(std::max<int64_t>(toAppend, 0)));
    for (int64_t i = 0; i < toAppend; ++i) {
        CListRec entry;
        // "%u\t%d\n": a failed conversion stops the scan, so the counter stays 0 too.
        const bool scanned =
            scanner.ScanUnsigned(entry.m_wordIndex) && scanner.ScanInt(entry.m_counter);
        if (!scanned) damaged = true;
        entries.push_back(entry);
    }
    // Pairs beyond the count would be lost at the next save.
    if (!scanner.AtEnd()) damaged = true;
    return count;
}

int CWordList::SaveFile(const char* name) {
    if (!name) return 0;
    m_fileName = name;
    if (m_fileName.empty()) return 0;
    return WriteFileAtomically(*m_files, m_fileName, Serialize()) ? 1 : 0;
}

namespace {

// The characters std::to_chars writes for `number`.
template <typename Number>
size_t Width(Number number) {
    size_t width = number < 0 ? 2 : 1;
    for (auto rest = number / 10; rest != 0; rest /= 10) ++width;
    return width;
}

}  // namespace

std::string CWordList::Serialize() const {
    // Measured first and written straight into place: a queue of 65,534 entries is written
    // at every save, and a guess at its length would be paged in whole.
    size_t length = Width(GetCount()) + 1;
    for (const CListRec& entry : m_queue)
        length += Width(entry.m_wordIndex) + Width(entry.m_counter) + 2;
    std::string text(length, '\0');
    char* at = text.data();
    char* const end = at + length;
    auto append = [&at, end](auto number, char after) {
        at = std::to_chars(at, end, number).ptr;
        *at++ = after;
    };
    append(GetCount(), '\n');
    for (const CListRec& entry : m_queue) {
        append(entry.m_wordIndex, '\t');
        append(entry.m_counter, '\n');
    }
    return text;
}
