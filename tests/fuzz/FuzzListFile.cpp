// SPDX-License-Identifier: GPL-2.0-or-later
// A list file of any bytes loads without harm, and what it loads saves and loads again as
// the same entries.

#include "engine/WordList.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("session/list.txt", std::string_view(reinterpret_cast<const char*>(data), size));
    CWordList list;
    list.LoadFile("session/list.txt");
    if (list.SaveFile("session/again.txt") != 1) std::abort();
    CWordList again;
    if (again.LoadFile("session/again.txt") != list.GetCount()) std::abort();
    if (std::vector<CListRec>(list.Entries().begin(), list.Entries().end()) !=
        std::vector<CListRec>(again.Entries().begin(), again.Entries().end()))
        std::abort();
    return 0;
}
