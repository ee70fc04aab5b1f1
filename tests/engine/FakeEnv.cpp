#include "tests/engine/FakeEnv.h"

#include "engine/GetWordRecord.h"
#include "engine/WordState.h"
#include "tests/support/TempDir.h"

std::string MakeRecord(const std::string& word, const std::string& definition) {
    std::string record(CGetWordRecord::kRecordSize, '\0');
    record.replace(0, 4, "    ");
    record.replace(CGetWordRecord::kWordOffset, word.size(), word);
    record.replace(CGetWordRecord::kDefinitionOffset, definition.size(), definition);
    record.replace(CGetWordRecord::kRecordSize - 2, 2, "\r\n");
    return record;
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

std::string ListFile(const std::vector<uint32_t>& indices) {
    std::string text = std::to_string(indices.size()) + "\n";
    for (uint32_t i : indices) text += std::to_string(i) + "\t0\n";
    return text;
}

void WriteSessionLists(const std::vector<std::vector<uint32_t>>& lists) {
    const char* files[] = {CWordState::kUnsureFile,     CWordState::kMistakenFile,
                           CWordState::kNewFile,        CWordState::kLearningFile,
                           CWordState::kToBeViewedFile, CWordState::kKnownFile};
    for (size_t i = 0; i < lists.size() && i < 6; ++i) WriteFile(files[i], ListFile(lists[i]));
}
