// SPDX-License-Identifier: GPL-2.0-or-later
// session/Time.txt of any bytes loads without harm, and a saved total saves again unchanged.

#include "engine/AtomicFile.h"
#include "engine/SessionFiles.h"
#include "engine/TimeWordRecord.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile(SessionFiles::kTime, std::string_view(reinterpret_cast<const char*>(data), size));
    QuietEnv env;
    std::string first, second;
    {
        CTimeWordRecord record(env);
        record.Load();
        record.Start();
        env.now += 7;
        (void)record.GetRunTime();
        (void)record.GetTotalTime();
        record.Stop();
    }  // destruction saves
    ReadWholeFile(SessionFiles::kTime, first);
    {
        CTimeWordRecord record(env);
        record.Load();
    }
    ReadWholeFile(SessionFiles::kTime, second);
    if (first != second) std::abort();
    return 0;
}
