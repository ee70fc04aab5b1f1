// SPDX-License-Identifier: GPL-2.0-or-later
// session/WordsLearned.txt of any bytes: the count loads without harm, and what a save
// writes reads back as the same count.

#include "engine/AtomicFile.h"
#include "engine/SessionFiles.h"
#include "engine/WordState.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ClearSession();
    PutFile(SessionFiles::kWordsLearned,
            std::string_view(reinterpret_cast<const char*>(data), size));
    PutFile(SessionFiles::kToBeViewed.path, "0\n");
    QuietEnv env;
    CWordState first(env);
    first.Load(10, 0);
    first.SaveAll();
    CWordState second(env);
    second.Load(10, 0);
    if (second.GetWordsLearned() != first.GetWordsLearned()) std::abort();
    std::string written;
    if (!ReadWholeFile(SessionFiles::kWordsLearned, written) ||
        written != std::to_string(first.GetWordsLearned()))
        std::abort();
    return 0;
}
