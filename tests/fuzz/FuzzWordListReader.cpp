// SPDX-License-Identifier: GPL-2.0-or-later
// A word list of any bytes opens and reads without harm; the texts never run past their
// fields.

#include "engine/GetWordRecord.h"
#include "engine/WordListFile.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("list/kelvo.lst", std::string_view(reinterpret_cast<const char*>(data), size));
    QuietEnv env;
    CGetWordRecord reader(env);
    if (!reader.Open("kelvo")) std::abort();
    const int32_t count = reader.GetCount();
    for (int32_t index :
         {0, 1, count - 1, count, count + 1, -1, -count - 1, 65535, INT32_MIN, INT32_MAX}) {
        const int32_t next = reader.GetRecord(index);
        if (next < 0 || (count > 0 && next >= count)) std::abort();
        if (std::strlen(reader.GetWord()) > WordListFile::kWordSize) std::abort();
        if (std::strlen(reader.GetDefinition()) > WordListFile::kDefinitionSize) std::abort();
    }
    return 0;
}
