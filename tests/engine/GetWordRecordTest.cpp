// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/GetWordRecord.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <string>

namespace {

class GetWordRecordTest : public ::testing::Test {
protected:
    void WriteList(const std::string& bytes) { WriteFile("list/kelvo.lst", bytes); }

    TempDir dir;
    FakeEnv env;
    CGetWordRecord reader{env};
};

TEST_F(GetWordRecordTest, BeforeAnyRead_TextsAreSpaces) {
    EXPECT_EQ(std::string(30, ' '), reader.GetWord());
    EXPECT_EQ(std::string(200, ' '), reader.GetDefinition());
}

TEST_F(GetWordRecordTest, GetRecord_WrapsAndBoundsByByteOffset) {
    WriteList(MakeWordList(10));
    ASSERT_TRUE(reader.Open("kelvo"));
    EXPECT_EQ(10, reader.GetCount());
    struct Case {
        int32_t index;
        int32_t next;
        const char* word;
    } cases[] = {
        {3, 4, "word3"},   {9, 0, "word9"},      {-1, 0, "word9"},
        {10, 1, "word10"}, {65535, 1, "word10"}, {-11, 1, "word10"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.next, reader.GetRecord(c.index)) << c.index;
        EXPECT_STREQ(c.word, reader.GetWord()) << c.index;
    }
}

TEST_F(GetWordRecordTest, TrailingPartialRecord_ReadsIntoStartOfBuffer) {
    std::string partial = MakeRecord("tail", "short").substr(0, 30);
    WriteList(MakeWordList(10) + partial);
    ASSERT_TRUE(reader.Open("kelvo"));
    EXPECT_EQ(10, reader.GetCount());
    reader.GetRecord(2);
    EXPECT_EQ(0, reader.GetRecord(10));
    EXPECT_STREQ("tail", reader.GetWord());
    // Bytes 30 onwards are left from record 2.
    EXPECT_STREQ("definition 2", reader.GetDefinition());
}

TEST_F(GetWordRecordTest, EmptyFile_ReadsNothing) {
    WriteList("");
    ASSERT_TRUE(reader.Open("kelvo"));
    EXPECT_EQ(0, reader.GetCount());
    EXPECT_EQ(0, reader.GetRecord(5));
    EXPECT_EQ(std::string(30, ' '), reader.GetWord());
    EXPECT_TRUE(env.messages.empty());
}

TEST_F(GetWordRecordTest, FullFields_AreCutAtTheirSeparators) {
    const std::string word(30, 'w');
    const std::string definition(200, 'd');
    std::string record = MakeRecord(word, definition);
    record[35] = 'X';  // no separator in the file: the reader supplies one
    record[236] = 'Y';
    WriteList(record + MakeRecord("padded    ", "spaces  "));
    ASSERT_TRUE(reader.Open("kelvo"));
    reader.GetRecord(0);
    EXPECT_EQ(word, reader.GetWord());
    EXPECT_EQ(definition, reader.GetDefinition());
    reader.GetRecord(1);
    EXPECT_STREQ("padded    ", reader.GetWord());
    EXPECT_STREQ("spaces  ", reader.GetDefinition());
}

TEST_F(GetWordRecordTest, Failures_ShowTheirMessages) {
    EXPECT_EQ(7, reader.GetRecord(7));
    EXPECT_FALSE(reader.Open("missing"));
    ASSERT_EQ(2u, env.messages.size());
    EXPECT_EQ("Error: No Valid Record File", env.messages[0].text);
    EXPECT_EQ("Error: Opening missing", env.messages[1].text);
    EXPECT_EQ("Error", env.messages[1].caption);
    EXPECT_EQ(EngineEnv::Icon::Error, env.messages[1].icon);

    WriteList(MakeWordList(2));
    WriteFile("list/other.lst", MakeWordList(5));
    EXPECT_TRUE(reader.Open("kelvo"));
    EXPECT_TRUE(reader.Open("other"));
    EXPECT_EQ(5, reader.GetCount());
    EXPECT_FALSE(reader.Open("missing"));
    EXPECT_EQ(5, reader.GetCount());
    EXPECT_EQ(7, reader.GetRecord(7));  // nothing open any more
}

}  // namespace
