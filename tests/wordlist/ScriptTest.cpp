// SPDX-License-Identifier: GPL-2.0-or-later
// Lists in scripts Windows-1252 lacks: each import format as real files have it, the round
// trip through check and export, cuts that keep characters whole, and lists made on Windows
// set to another code page.
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <gtest/gtest.h>

namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

struct Language {
    const char* name;
    Records words;  // UTF-8
};

const std::vector<Language> kLanguages = {
    {"Greek", {{"λόγος", "λέξη, ομιλία"}, {"θάλασσα", "η μεγάλη έκταση νερού"}}},
    {"Russian", {{"кошка", "домашнее животное"}, {"книга", "печатное издание"}}},
    {"Polish", {{"żółw", "gad z pancerzem"}, {"źdźbło", "łodyga trawy"}, {"kot", "zwierzę"}}},
    {"Czech", {{"řeka", "vodní tok"}, {"škola", "místo výuky"}, {"čeština", "český jazyk"}}},
    {"Chinese", {{"猫", "一种动物"}, {"图书馆", "收藏图书的地方"}}},
    {"Japanese", {{"ねこ", "猫、小さな動物"}, {"本", "書物"}}},
    {"Arabic", {{"كتاب", "مجموعة أوراق مكتوبة"}, {"قطة", "حيوان أليف"}}},
    {"Hebrew", {{"ספר", "חיבור כתוב"}, {"חתול", "חיית מחמד"}}},
};

std::string Kvtml(const Records& words) {
    std::string entries;
    for (size_t i = 0; i < words.size(); ++i)
        entries += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" +
                   words[i].first + "</text></translation><translation id=\"1\"><text>" +
                   words[i].second + "</text></translation></entry>\n";
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" "
           "\"http://edu.kde.org/kvtml/kvtml2.dtd\">\n<kvtml version=\"2.0\">\n<identifiers>"
           "<identifier id=\"0\"><locale>xx</locale></identifier><identifier id=\"1\"><locale>"
           "en</locale></identifier></identifiers>\n<entries>\n" +
           entries + "</entries>\n</kvtml>\n";
}

std::string Anki(const Records& words) {
    std::string text = "#separator:tab\n#html:true\n#tags column:3\n";
    for (const auto& [word, definition] : words)
        text += word + "\t<b>" + definition + "</b>&nbsp;\tvocab\n";
    return text;
}

std::string CsvWithBom(const Records& words) {
    std::string text = "\xEF\xBB\xBF";
    for (const auto& [word, definition] : words) text += word + ",\"" + definition + "\"\r\n";
    return text;
}

// The list's texts as the program shows them.
Records Shown(const std::string& path) {
    Records records = ReadRecords(path);
    for (auto& [word, definition] : records) {
        word = FieldText::ToUtf8(word);
        definition = FieldText::ToUtf8(definition);
    }
    return records;
}

TEST(Scripts, EveryFormatImportsExactlyAndSurvivesCheckExportAndReimport) {
    TempDir dir;
    for (const Language& language : kLanguages) {
        const std::pair<const char*, std::string> files[] = {
            {"list.kvtml", Kvtml(language.words)},
            {"anki.txt", Anki(language.words)},
            {"bom.csv", CsvWithBom(language.words)}};
        for (const auto& [file, content] : files) {
            const std::string where = std::string(language.name) + " " + file;
            WriteFile(file, content);
            const ToolResult imported = RunTool({"import", file, "-o", "first.lst"});
            ASSERT_EQ(imported.code, 0) << where << "\n" << imported.err;
            EXPECT_EQ(Shown("first.lst"), language.words) << where;
            const ToolResult check = RunTool({"check", "first.lst"});
            EXPECT_EQ(check.code, 0) << where << "\n" << check.err;
            ASSERT_EQ(RunTool({"export", "first.lst", "-o", "words.tsv"}).code, 0) << where;
            ASSERT_EQ(RunTool({"import", "words.tsv", "-o", "second.lst"}).code, 0) << where;
            EXPECT_EQ(ReadFile("second.lst"), ReadFile("first.lst")) << where;
        }
    }
}

TEST(Scripts, TextWindows1252HoldsStaysInItAndTheRestIsUtf8) {
    TempDir dir;
    // "Ã©tat" in Windows-1252 would be the UTF-8 of "état", so it is stored in UTF-8.
    WriteFile("in.tsv", "škola\tmísto výuky\nřeka\tvodní tok\nÃ©tat\tmojibake\n");
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "auto.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("auto.lst"), (Records{{"\x9Akola", "m\xEDsto v\xFDuky"},
                                                {"řeka", "vodn\xED tok"},
                                                {"Ã©tat", "mojibake"}}));
    const ToolResult single = RunTool({"import", "--encoding", "cp1252", "in.tsv", "-o", "x.lst"});
    EXPECT_EQ(single.code, 1);
    EXPECT_NE(single.err.find("in.tsv:2: word \"řeka\" holds U+0159 (ř), which Windows-1252"),
              std::string::npos)
        << single.err;
    EXPECT_NE(single.err.find("in.tsv:3: word \"Ã©tat\" would read back as \"état\""),
              std::string::npos)
        << single.err;
    // ASCII reads the same either way, so it is no reason to refuse.
    ASSERT_EQ(RunTool({"import", "--encoding", "utf-8", "in.tsv", "-o", "utf8.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("utf8.lst")[0],
              (std::pair<std::string, std::string>{"škola", "místo výuky"}));
    EXPECT_EQ(ReadRecords("utf8.lst")[2].second, "mojibake");
    EXPECT_EQ(Shown("utf8.lst"), Shown("auto.lst"));
}

std::string Repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// Words as learners have them, longer than UTF-8 holds in a field, take the compact form; a
// longer one is refused in letters, or cut at its last whole letter that fits.
TEST(Scripts, LongWordsOfEveryScriptFit_TooLongIsToldInLetters) {
    TempDir dir;
    std::string definition;
    for (int i = 0; i < 19; ++i) definition += "ηλεκτρικό ";  // 190 letters and spaces
    definition += "ρεύμα";
    const Records words = {{"достопримечательность", "sight"},
                           {"досто́примеча́тельность", "sight, stressed"},
                           {"ηλεκτροκαρδιογράφημα", definition},
                           {"一丁七万丈三上下不与丐丑专且", "fourteen characters"},
                           {"الديمقراطيةوالاستقلالية", "Arabic"},
                           {"plain", "as it always was"}};
    std::string file;
    for (const auto& [word, meaning] : words) file += word + "\t" + meaning + "\n";
    const std::string tooLong = Repeat("ж", 35);
    WriteFile("in.tsv", file + tooLong + "\tx\n");
    ToolResult result = RunTool({"import", "in.tsv", "-o", "out.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("in.tsv:7: word \"" + tooLong +
                              "\" has 35 letters; a word holds at most 28 (30 in Windows-1252, "
                              "14 Chinese, Japanese or Korean characters)"),
              std::string::npos)
        << result.err;
    WriteFile("in.tsv", file);
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "out.lst"}).code, 0);
    EXPECT_EQ(Shown("out.lst"), words);
    // The list as the tool exports it reads as it was imported.
    result = RunTool({"export", "out.lst"});
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(result.out, file);
    // A field today's forms hold is stored as it always was.
    EXPECT_EQ(ReadFile("out.lst").substr(5 * WordListFile::kRecordSize),
              RecordImage("plain", "as it always was"));

    WriteFile("long.tsv", tooLong + "\tx\n");
    ASSERT_EQ(RunTool({"import", "--truncate", "long.tsv", "-o", "cut.lst"}).code, 0);
    EXPECT_EQ(Shown("cut.lst")[0].first, Repeat("ж", 29));
}

bool IsCombining(char32_t ch) {
    return (ch >= 0x300 && ch <= 0x36F) || ch == 0xE31 || (ch >= 0xE34 && ch <= 0xE3A) ||
           (ch >= 0xE47 && ch <= 0xE4E);
}

TEST(Scripts, CutFieldsNeverEndInsideACharacter) {
    TempDir dir;
    // Heads that push each cut onto every byte of a character and between a letter and its
    // marks: Cyrillic, Chinese, emoji, decomposed Vietnamese and Thai, with and without spaces.
    const std::vector<std::string> pieces = {"ж", "中", "😀", "e\xCC\x81\xCC\xA3", "กี่", "ab ж"};
    std::string input;
    std::vector<std::string> words, definitions;
    for (const std::string& piece : pieces) {
        for (int lead = 0; lead < 4; ++lead) {
            words.push_back(std::string(lead, 'a') + std::to_string(words.size()) +
                            Repeat(piece, 40));
            definitions.push_back(std::string(lead, 'b') + Repeat(piece, 120));
            input += words.back() + "\t" + definitions.back() + "\n";
        }
    }
    WriteFile("in.tsv", input);
    const ToolResult result = RunTool({"import", "--truncate", "in.tsv", "-o", "out.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    const Records stored = ReadRecords("out.lst");
    ASSERT_EQ(stored.size(), words.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        const std::tuple<std::string, std::string, size_t> fields[] = {
            {stored[i].first, words[i], 30}, {stored[i].second, definitions[i], 200}};
        for (const auto& [bytes, original, limit] : fields) {
            const std::string text = FieldText::ToUtf8(bytes);
            ASSERT_LE(bytes.size(), limit) << original;
            ASSERT_FALSE(text.empty()) << original;
            ASSERT_EQ(original.compare(0, text.size(), text), 0) << original << "\n" << text;
            size_t next = text.size();
            EXPECT_FALSE(IsCombining(Utf8::Next(original, next))) << text;
        }
    }
}

TEST(Scripts, CheckReportsBrokenUtf8AndControlsInIt) {
    TempDir dir;
    WriteFile("bad.lst", RecordImage("\xD0\x9A\x8D", "fine") +
                             RecordImage("\xD0\x9A\xC2\x85", "fine") +
                             RecordImage("\xD0\x9A\xD0\xBE", "\xD0\xB4\xD0\xB0") +
                             RecordImage("ok", "\xD0\xB4\xD0\xB0\xD0"));
    const ToolResult result = RunTool({"check", "bad.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("record 0 (word index 4): undefined byte 0x8D in the word, which "
                              "is not valid UTF-8 either"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("record 1 (word index 1): control character U+0085 at byte 2 of "
                              "the word (UTF-8)"),
              std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("record 2"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("record 3 (word index 3): the definition is UTF-8 cut off inside "
                              "its last character"),
              std::string::npos)
        << result.err;
}

// Words as Windows set to each code page saved them, and as they should show.
const std::vector<std::tuple<const char*, std::string, std::string>> kCodePageWords = {
    {"1250", "\xBF\xF3\xB3w", "żółw"},
    {"1251", "\xEA\xEE\xF8\xEA\xE0", "кошка"},
    {"1253", "\xEB\xFC\xE3\xEF\xF2", "λόγος"},
    {"1254", "\xFE\xF0", "şğ"},
    {"1255", "\xF1\xF4\xF8", "ספר"},
    {"1256", "\xDF\xCA\xC7\xC8", "كتاب"},
    {"1257", "\xE0\xFE", "ąž"},
    {"1258", "Vi\xEA\xCCt", "Vi\xE1\xBB\x81t"},
    {"874", "\xE1\xC1\xC7", "แมว"},
};

TEST(Recode, EachCodePageShowsAsWrittenInTheSameOrder) {
    TempDir dir;
    for (const auto& [codePage, bytes, text] : kCodePageWords) {
        WriteFile("in.lst", RecordImage("first", "plain") + RecordImage(bytes, bytes + " x") +
                                RecordImage("ready", "\xD0\xB4\xD0\xB0"));
        const ToolResult result =
            RunTool({"recode", "--from", codePage, "in.lst", "-o", "out.lst"});
        ASSERT_EQ(result.code, 0) << codePage << "\n" << result.err;
        EXPECT_NE(result.err.find("record 2 (word index 2): the definition already reads as "
                                  "UTF-8"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(Shown("out.lst"),
                  (Records{{"first", "plain"}, {text, text + " x"}, {"ready", "да"}}))
            << codePage;
    }
}

TEST(Recode, RefusesWhatItCannotCarryAndWritesNothing) {
    TempDir dir;
    const std::string longDefinition(200, '\xEA');  // 200 letters, which UTF-8 doubles
    WriteFile("in.lst", RecordImage("ok", "fine") + RecordImage("x", longDefinition));
    ToolResult result = RunTool({"recode", "--from", "1251", "in.lst", "-o", "out.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("record 1 (word index 1): definition \"" + Repeat("к", 200) +
                              "\" has 200 letters; a definition holds at most 198"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(FileExists("out.lst"));
    ASSERT_EQ(RunTool({"recode", "--from", "1251", "--truncate", "in.lst", "-o", "out.lst"}).code,
              0);
    EXPECT_EQ(Shown("out.lst")[1].second, Repeat("к", 199));

    WriteFile("greek.lst", RecordImage("ok", "\xAA"));
    result = RunTool({"recode", "--from", "1253", "greek.lst", "-o", "g.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("record 0 (word index 1): byte 0xAA of the definition has no "
                              "character in windows-1253"),
              std::string::npos)
        << result.err;
    result = RunTool({"recode", "--from", "1251", "in.lst", "-o", "./in.lst"});
    EXPECT_NE(result.err.find("is the same file as in.lst"), std::string::npos) << result.err;
    EXPECT_EQ(RunTool({"recode", "--from", "utf-16", "in.lst", "-o", "x.lst"}).code, 2);
}

TEST(CommandLine, DashWritesToStandardOutputAndCountsAgree) {
    TempDir dir;
    WriteFile("in.tsv", "laconic\tbrief\n");
    ToolResult result = RunTool({"import", "in.tsv", "-o", "-"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(result.out, RecordImage("laconic", "brief"));
    EXPECT_NE(result.err.find("-: 1 record\n"), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists("-"));
    WriteFile("one.lst", result.out);
    EXPECT_EQ(RunTool({"export", "one.lst", "-o", "-"}).out, "laconic\tbrief\n");
    EXPECT_EQ(RunTool({"check", "one.lst"}).out, "one.lst: 1 record\n");
    EXPECT_FALSE(FileExists("-"));
}

TEST(CommandLine, CheckOfAFileToImportPointsToImport) {
    TempDir dir;
    WriteFile("words.tsv", "laconic\tbrief\n");
    for (const char* command : {"check", "export"}) {
        const ToolResult result = RunTool({command, "words.tsv"});
        EXPECT_EQ(result.code, 1) << command;
        EXPECT_NE(result.err.find("words.tsv: not a word list; to make one from it: "
                                  "quibbix-wordlist import words.tsv"),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.out.find("0 records"), std::string::npos) << result.out;
    }
}

}  // namespace
