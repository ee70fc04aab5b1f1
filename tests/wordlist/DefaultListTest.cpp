// SPDX-License-Identifier: GPL-2.0-or-later
// The default word list that the build makes from WordNet.
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::string BuiltList() {
    const char* dir = std::getenv("QUIBBIX_LIST_DIR");
    return std::string(dir ? dir : QUIBBIX_BUILT_LIST_DIR) + "/kelvo.lst";
}

TEST(DefaultList, PassesCheckAndHoldsAboutFiveThousandWords) {
    const ToolResult result = RunTool({"check", BuiltList()});
    EXPECT_EQ(result.code, 0) << result.err;
    const auto records = ReadRecords(BuiltList());
    EXPECT_GE(records.size(), 4500u);
    EXPECT_LE(records.size(), 5500u);
    for (const auto& [word, definition] : records) {
        EXPECT_EQ(definition.find(word), std::string::npos) << word << ": " << definition;
        EXPECT_GE(word.size(), 5u);
    }
    EXPECT_TRUE(FileExists(BuiltList().substr(0, BuiltList().size() - 9) + "WordNet-LICENSE"));
}

TEST(DefaultList, IsTheSameOnEveryBuild) {
    TempDir dir;
    ASSERT_EQ(RunTool({"wordnet", "-o", "again.lst"}).code, 0);
    EXPECT_TRUE(ReadFile("again.lst") == ReadFile(BuiltList()));
}

}  // namespace
