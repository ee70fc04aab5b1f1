// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/engine/FakeEnv.h"

#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "engine/WordState.h"
#include "tests/support/TempDir.h"

std::string MakeRecord(const std::string& word, const std::string& definition) {
    return WordListFile::Serialize({{word, definition}});
}

std::string MakeWordList(int count) {
    std::string bytes;
    // Word index n reads record 0, so record 0 carries word n and index i shows "word<i>".
    for (int r = 0; r < count; ++r) {
        const std::string i = std::to_string(r == 0 ? count : r);
        bytes += MakeRecord("word" + i, "definition " + i);
    }
    return bytes;
}

std::string CurrWordBytes(int32_t list, int32_t counter, uint32_t index, int32_t viewed) {
    char bytes[CurrWordRecord::kSize];
    CurrWordRecord{list, counter, index, viewed}.Encode(bytes);
    return std::string(bytes, sizeof bytes);
}

std::string ListFile(const std::vector<uint32_t>& indices) {
    std::string text = std::to_string(indices.size()) + "\n";
    for (uint32_t i : indices) text += std::to_string(i) + "\t0\n";
    return text;
}

void WriteSessionLists(const std::vector<std::vector<uint32_t>>& lists) {
    const char* files[] = {SessionFiles::kUnsure.path,     SessionFiles::kMistaken.path,
                           SessionFiles::kNew.path,        SessionFiles::kLearning.path,
                           SessionFiles::kToBeViewed.path, SessionFiles::kKnown.path};
    for (size_t i = 0; i < lists.size() && i < 6; ++i) WriteFile(files[i], ListFile(lists[i]));
}
