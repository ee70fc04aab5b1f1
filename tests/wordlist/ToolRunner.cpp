// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/wordlist/ToolRunner.h"

#include "engine/WordListFile.h"
#include "tests/support/TempDir.h"
#include "tools/wordlist/WordListTool.h"

#include <sstream>

ToolResult RunTool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    ToolResult result;
    result.code = WordListTool(out, err).Run(args);
    result.out = out.str();
    result.err = err.str();
    return result;
}

std::string RecordImage(const std::string& word, const std::string& definition) {
    return WordListFile::Serialize({{word, definition}});
}

std::vector<std::pair<std::string, std::string>> ReadRecords(const std::string& path) {
    size_t trailing = 0;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const WordRecord& record : WordListFile::ParseAll(ReadFile(path), trailing))
        pairs.emplace_back(record.word, record.definition);
    return pairs;
}

Read ReadWords(const std::string& path) {
    std::ostringstream out;
    Diagnostics diagnostics(out);
    Read read;
    read.file = WordFileReader::Read(path, ImportOptions(), RecordEncoder::Options(), diagnostics);
    read.messages = out.str();
    return read;
}
