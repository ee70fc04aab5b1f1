// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/lists/ListTestFiles.h"

#include "engine/SessionFiles.h"
#include "engine/WordList.h"
#include "engine/WordListFile.h"

#include <cstdlib>
#include <gtest/gtest.h>

DataHome::DataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    m_hadXdg = xdg != nullptr;
    if (xdg) m_previousXdg = xdg;
    ::setenv("XDG_DATA_HOME", Xdg().c_str(), 1);
    std::filesystem::create_directories(Defaults());
    WriteWords(Defaults() / "kelvo.lst",
               {{"default", "a word every list starts with"}, {"second", "another one"}});
    WriteFile((Defaults() / "picture.bmp").string(), "BM picture");
}

DataHome::~DataHome() {
    if (m_hadXdg)
        ::setenv("XDG_DATA_HOME", m_previousXdg.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

void WriteWords(const std::filesystem::path& path, const Words& words) {
    std::vector<WordRecord> records;
    for (const auto& [word, definition] : words) records.push_back({word, definition});
    std::filesystem::create_directories(path.parent_path());
    ASSERT_TRUE(WordListFile::Write(path.string(), records));
}

Words ReadWords(const std::filesystem::path& path) {
    size_t trailing = 0;
    Words words;
    for (const WordRecord& record : WordListFile::ParseAll(ReadFile(path.string()), trailing))
        words.emplace_back(record.word, record.definition);
    return words;
}

std::string ListText(const Entries& entries) {
    std::string text = std::to_string(entries.size()) + "\n";
    for (const auto& [index, counter] : entries)
        text += std::to_string(index) + "\t" + std::to_string(counter) + "\n";
    return text;
}

Entries LoadEntries(const std::filesystem::path& path) {
    CWordList list;
    list.LoadFile(path.c_str());
    Entries entries;
    for (const CListRec& entry : list.Entries())
        entries.emplace_back(entry.m_wordIndex, entry.m_counter);
    return entries;
}

void WriteSession(const std::filesystem::path& folder, const Entries& toBeViewed,
                  const Entries& known, const std::string& sessionDir) {
    std::filesystem::create_directories(folder / sessionDir);
    for (const SessionList& list : SessionFiles::kLists) {
        Entries entries;
        if (list.listId == LIST_TOBEVIEWED) entries = toBeViewed;
        if (std::string(list.name) == SessionFiles::kKnown.name) entries = known;
        WriteFile((folder / sessionDir / list.FileName()).string(), ListText(entries));
    }
}
