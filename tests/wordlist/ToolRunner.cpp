#include "tests/wordlist/ToolRunner.h"

#include "tests/support/TempDir.h"
#include "tools/wordlist/WordListFile.h"
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
    std::string image(238, '\0');
    image.replace(0, 4, "    ");
    image.replace(5, word.size(), word);
    image.replace(36, definition.size(), definition);
    image[236] = '\r';
    image[237] = '\n';
    return image;
}

std::vector<std::pair<std::string, std::string>> ReadRecords(const std::string& path) {
    size_t trailing = 0;
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const WordRecord& record : WordListFile::ParseAll(ReadFile(path), trailing))
        pairs.emplace_back(record.word, record.definition);
    return pairs;
}
