// SPDX-License-Identifier: GPL-2.0-or-later
// session/currWord.cfg and session/WordsLearned.txt of any bytes: the selector starts,
// studies and saves without harm, and the word it resumes is one of the list or none.

#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "engine/WordSelect.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>

namespace {

constexpr int kWords = 12;

void WriteWordList() {
    std::vector<WordRecord> records;
    for (int r = 0; r < kWords; ++r) records.push_back({std::string(1, 'a' + r), ""});
    PutFile("list/kelvo.lst", WordListFile::Serialize(records));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    WriteWordList();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearSession();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = size < 24 ? size : 24;
    PutFile(SessionFiles::kCurrWord, bytes.substr(0, split));
    PutFile(SessionFiles::kWordsLearned, bytes.substr(split));
    PutFile(SessionFiles::kToBeViewed.path, "0\n");
    QuietEnv env;
    CWordSelect select(env);
    int32_t listId = 0;
    CListRec entry;
    select.Init(listId, entry);
    if (listId < 0 || listId > 4) std::abort();
    if (entry.m_wordIndex != NO_WORD && entry.m_wordIndex > kWords) std::abort();
    for (int32_t code = -1; code <= 4; ++code) {
        entry.m_wordIndex = NO_WORD;
        select.GetNextWord(listId, entry);
        select.RecordJudgement(code);
    }
    select.Save();
    return 0;
}
