// SPDX-License-Identifier: GPL-2.0-or-later
// The study engine as a whole on a working directory laid out from the input: a word list,
// the six list files and the current-word file, then a scripted series of draws, judgements
// and saves. After the last save every word 1..n stands in exactly one list or is the
// current word.

#include "engine/SessionFiles.h"
#include "engine/WordSelect.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

namespace {

void WriteWordList(int words) {
    std::string bytes(static_cast<size_t>(words) * WordListFile::kRecordSize, '\0');
    PutFile("list/kelvo.lst", bytes);
}

void CountEntries(const CWordList& list, std::vector<int>& seen) {
    for (const CListRec& entry : list.Entries()) {
        if (entry.m_wordIndex == 0) continue;  // judged while index 0 was current
        if (entry.m_wordIndex >= seen.size()) std::abort();
        ++seen[entry.m_wordIndex];
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    ClearSession();
    const int words = input.ConsumeIntegralInRange<int>(0, 80);
    WriteWordList(words);
    const char* files[] = {SessionFiles::kToBeViewed.path, SessionFiles::kUnsure.path,
                           SessionFiles::kMistaken.path,   SessionFiles::kNew.path,
                           SessionFiles::kLearning.path,   SessionFiles::kKnown.path};
    for (const char* file : files) {
        if (input.ConsumeBool()) PutFile(file, input.ConsumeRandomLengthString(400));
    }
    if (input.ConsumeBool()) PutFile(SessionFiles::kCurrWord, input.ConsumeBytesAsString(20));

    QuietEnv env;
    env.tick = input.ConsumeIntegral<uint32_t>();
    CWordSelect select(env);
    int32_t listId = 0;
    CListRec entry;
    select.Init(listId, entry);
    for (int step = 0; step < 200 && input.remaining_bytes() > 0; ++step) {
        const uint8_t command = input.ConsumeIntegral<uint8_t>();
        if (command % 8 == 0) {
            select.Save();
        } else if (command % 2 == 0) {
            entry.m_wordIndex = NO_WORD;
            select.GetNextWord(listId, entry);
        } else {
            select.RecordJudgement(static_cast<int32_t>(command >> 4) - 2);
        }
    }
    select.Save();
    if (!select.IsStudyPossible()) return 0;

    std::vector<int> seen(static_cast<size_t>(words) + 1, 0);
    const CWordState& state = select.GetWordState();
    for (const CWordList* list : {&state.GetToBeViewed(), &state.GetUnsure(), &state.GetMistaken(),
                                  &state.GetNew(), &state.GetLearning(), &state.GetKnown()})
        CountEntries(*list, seen);
    const uint32_t current = select.GetCurrent().m_wordIndex;
    if (current >= 1 && current <= static_cast<uint32_t>(words)) ++seen[current];
    for (int i = 1; i <= words; ++i) {
        if (seen[i] != 1) std::abort();
    }
    return 0;
}
