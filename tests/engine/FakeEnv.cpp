#include "tests/engine/FakeEnv.h"

#include "engine/GetWordRecord.h"

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
