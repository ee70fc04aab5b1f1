// SPDX-License-Identifier: GPL-2.0-or-later
// A journal copy of any bytes, as another computer or anyone with the sync folder may write
// it: read, merged beside a copy of another device and replayed over a small list without
// harm, and what the replay makes is a list a session can study.

#include "engine/ListRec.h"
#include "engine/SessionFiles.h"
#include "sync/JournalMerge.h"
#include "sync/ListReplay.h"
#include "sync/MemoryFileSystem.h"

#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    JournalMerge merge;
    std::vector<std::string> problems;
    // The same bytes under two names: read as one device's and refused as another's, or read
    // twice, each event once.
    merge.AddCopies(
        {{"journal-3f09a1c2b7e4.txt", "a", bytes}, {"journal-a07c55d2e913.txt", "b", bytes}},
        problems);
    ListReplay::Base base;
    for (int i = 1; i <= 5; ++i)
        base.words.push_back({"w" + std::to_string(i), "meaning " + std::to_string(i)});
    MemoryFileSystem files;
    ListReplay replay(files, "checkpoint");
    ListReplay::Result result;
    std::string error;
    if (!replay.Run(base, merge, result, error)) std::abort();
    if (result.words.empty() || result.words.size() > kMaxStudyWords ||
        result.words.size() != result.wordIds.size())
        std::abort();
    // Again from the checkpoint the first run left: the same list.
    ListReplay again(files, "checkpoint");
    ListReplay::Result resumed;
    if (!again.Run(base, merge.Events(), resumed, error) || resumed.words != result.words ||
        resumed.forwards.size() != result.forwards.size())
        std::abort();
    return 0;
}
