#include "engine/WordList.h"

#include "engine/AtomicFile.h"
#include "engine/TextScanner.h"

#include <charconv>

int CWordList::Add(CListRec entry, bool atTail) {
    if (atTail) {
        m_list.push_back(entry);
    } else {
        m_list.push_front(entry);
    }
    return GetCount();
}

int CWordList::RemoveHead(CListRec& entry) {
    if (m_list.empty()) return -1;
    entry = m_list.front();
    m_list.pop_front();
    return GetCount();
}

int CWordList::LoadFile(const char* name) {
    m_fileName = name ? name : "";
    if (m_fileName.empty()) return -1;
    std::string text;
    if (!ReadWholeFile(*m_files, m_fileName, text)) return 0;

    TextScanner scanner(text);
    int32_t count = 0;
    if (!scanner.ScanInt(count)) count = 0;
    // A real entry takes at least two bytes, so a count beyond the file's size cannot be
    // real; appending that many (0, 0) entries would only exhaust memory.
    const int64_t cap = static_cast<int64_t>(text.size());
    const int64_t toAppend = count < cap ? count : cap;
    for (int64_t i = 0; i < toAppend; ++i) {
        CListRec entry;
        // "%u\t%d\n": a failed conversion stops the scan, so the counter stays 0 too.
        if (scanner.ScanUnsigned(entry.m_wordIndex)) scanner.ScanInt(entry.m_counter);
        m_list.push_back(entry);
    }
    return count;
}

int CWordList::SaveFile(const char* name) {
    if (!name) return 0;
    m_fileName = name;
    if (m_fileName.empty()) return 0;

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
    return WriteFileAtomically(*m_files, m_fileName, text) ? 1 : 0;
}
