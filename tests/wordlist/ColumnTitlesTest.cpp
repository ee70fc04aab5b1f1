// SPDX-License-Identifier: GPL-2.0-or-later
// A first row of column titles in the languages learners keep their lists in is told from a
// first entry, as English titles always were; the tool warns of it and --header skips it.

#include "imports/ColumnTitles.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <gtest/gtest.h>

namespace {

TEST(ColumnTitles, TitleRowsInEveryLanguage_AndEntriesThatAreNot) {
    const std::pair<const char*, const char*> titles[] = {
        {"Word", "Definition"},     {"term", "translation"},   {"Wort", "Bedeutung"},
        {"Vokabel", "Übersetzung"}, {"Mot", "Traduction"},     {"Palabra", "Significado"},
        {"Palavra", "Tradução"},    {"слово", "перевод"},      {"Слово", "Значение"},
        {"单词", "释义"},           {"単語", "意味"},          {"단어", "뜻"},
        {"Russian", "English"},     {"Русский", "Английский"}, {" Deutsch ", "Englisch"},
        {"Japanese", "意味"},       {"日本語", "英語"},        {"Front", "Back"}};
    for (const auto& [word, definition] : titles)
        EXPECT_TRUE(ColumnTitles::AreTitles(word, definition)) << word << ", " << definition;
    const std::pair<const char*, const char*> entries[] = {
        {"cat", "Katze"},  {"слово", "word"}, {"перевод", "слово"}, {"Russian", "a language"},
        {"word", "слово"}, {"собака", "dog"}, {"単語", "word"},     {"English", ""}};
    for (const auto& [word, definition] : entries)
        EXPECT_FALSE(ColumnTitles::AreTitles(word, definition)) << word << ", " << definition;
}

TEST(ColumnTitles, ARussianTitleRow_IsWarnedOf_AndSkippedWithHeader) {
    TempDir dir;
    WriteFile("ru.csv", "слово,перевод\nсобака,dog\n");
    ToolResult result = RunTool({"import", "ru.csv", "-o", "ru.lst"});
    EXPECT_NE(result.err.find("ru.csv:1: warning: this row looks like column titles"),
              std::string::npos)
        << result.err;
    ASSERT_EQ(RunTool({"import", "--header", "ru.csv", "-o", "skipped.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("skipped.lst").size(), 1u);
}

}  // namespace
