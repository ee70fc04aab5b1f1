// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordList.h"

#include "engine/AtomicFile.h"
#include "engine/ListPreload.h"
#include "engine/TextScanner.h"

#include <charconv>
#include <iterator>

int CWordList::Add(CListRec entry, bool atTail) {
    Note(atTail ? Change::Kind::kAddedAtTail : Change::Kind::kAddedAtHead, entry);
    if (atTail) {
        m_list.push_back(entry);
        Indexed(std::prev(m_list.end()));
    } else {
        m_list.push_front(entry);
        Indexed(m_list.begin());
    }
    return GetCount();
}

int CWordList::RemoveHead(CListRec& entry) {
    if (m_list.empty()) return -1;
    entry = m_list.front();
    Note(Change::Kind::kRemovedHead, entry);
    if (m_index.built) m_index.positions.erase(entry.m_wordIndex);
    m_list.pop_front();
    return GetCount();
}

void CWordList::Indexed(Position position) {
    if (m_index.built && !m_index.positions.emplace(position->m_wordIndex, position).second)
        m_index.Drop();
}

bool CWordList::BuildIndex() {
    m_index.Drop();
    m_index.positions.reserve(m_list.size());
    for (Position it = m_list.begin(); it != m_list.end(); ++it) {
        if (!m_index.positions.emplace(it->m_wordIndex, it).second) {
            m_index.Drop();
            return false;
        }
    }
    m_index.built = true;
    return true;
}

bool CWordList::TakeAll(uint32_t wordIndex, CListRec& entry) {
    if (m_index.built || BuildIndex()) {
        const auto found = m_index.positions.find(wordIndex);
        if (found == m_index.positions.end()) return false;
        entry = *found->second;
        m_isJournalWhole = false;
        m_list.erase(found->second);
        m_index.positions.erase(found);
        return true;
    }
    for (const CListRec& waiting : m_list) {
        if (waiting.m_wordIndex != wordIndex) continue;
        entry = waiting;
        RemoveIf([wordIndex](const CListRec& e) { return e.m_wordIndex == wordIndex; });
        return true;
    }
    return false;
}

void CWordList::Note(Change::Kind kind, const CListRec& entry) {
    if (m_isJournaling) m_journal.push_back({kind, entry});
}

void CWordList::StartJournal() {
    m_journal.clear();
    m_isJournaling = true;
    m_isJournalWhole = true;
}

void CWordList::Clear() {
    m_list.clear();
    m_index.Drop();
    StopJournal();
    m_isJournalWhole = false;
}

void CWordList::StopJournal() {
    m_journal.clear();
    m_isJournaling = false;
}

bool CWordList::TakeBack() {
    if (!CanTakeBack()) return false;
    m_index.Drop();
    // Each change undone in reverse order finds the queue as that change left it.
    for (auto it = m_journal.rbegin(); it != m_journal.rend(); ++it) {
        switch (it->kind) {
            case Change::Kind::kAddedAtTail:
                m_list.pop_back();
                break;
            case Change::Kind::kAddedAtHead:
                m_list.pop_front();
                break;
            case Change::Kind::kRemovedHead:
                m_list.push_front(it->entry);
                break;
        }
    }
    StopJournal();
    return true;
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
    m_list.splice(m_list.end(), parsed.entries);
    report.damaged = parsed.damaged;
    if (report.damaged) report.original = std::move(text);
    return parsed.count;
}

int32_t CWordList::Parse(std::string_view text, std::list<CListRec>& entries, bool& damaged) {
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

std::string CWordList::Serialize() const {
    std::string text;
    text.reserve(16 + m_list.size() * 12);
    char buffer[16];
    auto append = [&](auto number, char end) {
        auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
        text.append(buffer, result.ptr);
        text.push_back(end);
    };
    append(GetCount(), '\n');
    for (const CListRec& entry : m_list) {
        append(entry.m_wordIndex, '\t');
        append(entry.m_counter, '\n');
    }
    return text;
}
