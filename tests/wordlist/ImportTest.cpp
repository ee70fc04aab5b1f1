// SPDX-License-Identifier: GPL-2.0-or-later
// Import of each format as real files have it, the refusals, and the export round trip.
#include "engine/ListRec.h"
#include "imports/WordFileReader.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/AnkiPackageBuilder.h"
#include "tests/wordlist/ToolRunner.h"
#include "tools/wordlist/WordListTool.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <streambuf>
#include <sys/stat.h>

namespace {

using Records = std::vector<std::pair<std::string, std::string>>;

struct FormatCase {
    const char* name;
    const char* file;
    std::string content;
    std::vector<std::string> options;
    Records expected;
};

const std::string kKvtml = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE kvtml PUBLIC "kvtml2.dtd" "http://edu.kde.org/kvtml/kvtml2.dtd">
<kvtml version="2.0">
  <information><title>Three hard words</title></information>
  <identifiers>
    <identifier id="0"><name>Word</name><locale>en</locale></identifier>
    <identifier id="1"><name>Definition</name><locale>en</locale></identifier>
  </identifiers>
  <entries>
    <entry id="0">
      <translation id="0"><text>laconic</text></translation>
      <translation id="1"><text>using very
          few words &amp; no more </text></translation>
    </entry>
    <entry id="7">
      <translation id="0"><text>ephemeral</text><comment>lasting a very short time</comment></translation>
      <translation id="1"><text>  </text></translation>
    </entry>
    <entry id="2">
      <deactivated>true</deactivated>
      <translation id="0"><text>obsolete</text></translation>
      <translation id="1"><text>no longer in use</text></translation>
    </entry>
    <entry id="3">
      <translation><text>terse</text></translation>
      <translation><text>brief</text></translation>
    </entry>
  </entries>
  <lessons><container><name>Lesson 1</name><entry id="0"/><entry id="7"/></container></lessons>
  <synonym><pair><entry id="0"><translation id="0"/></entry><entry id="3"><translation id="0"/></entry></pair></synonym>
</kvtml>
)";

const std::vector<FormatCase> kFormatCases = {
    {"TsvKdeTitleLinesSkipped",
     "kde.txt",
     "Title:\tMy words\nAutor:\t\nlaconic\tbrief\nNote:\tnot a title here\n",
     {"--format", "tsv"},
     {{"laconic", "brief"}, {"Note:", "not a title here"}}},
    {"TsvLegacyAnkiQuotes",
     "legacy.txt",
     "it's\t\"it's a \"\"thing\"\"\"\ttag1\n\"don't\"\tdo not",
     {},
     {{"it's", "it's a \"thing\""}, {"don't", "do not"}}},
    {"TsvStrayQuoteReadLiterally",
     "floppy.tsv",
     "\"5\" floppy\ta disk\nnext\tone\n",
     {},
     {{"\"5\" floppy", "a disk"}, {"next", "one"}}},
    {"TsvNoQuotes", "plain.tsv", "\"quoted\"\tdef\n", {"--no-quotes"}, {{"\"quoted\"", "def"}}},
    {"TsvChosenColumns",
     "cols.tsv",
     "x\tlaconic\tbrief\n",
     {"--word-column", "2", "--definition-column", "3"},
     {{"laconic", "brief"}}},
    {"CsvRfc4180",
     "words.csv",
     "\xEF\xBB\xBFword,definition\r\n\"a, b\",\"say \"\"hi\"\"\"\r\nplain,text,,\r\n\r\nlast,no "
     "newline",
     {"--header"},
     {{"a, b", "say \"hi\""}, {"plain", "text"}, {"last", "no newline"}}},
    {"CsvSemicolonsFromSpreadsheet",
     "eu.csv",
     "caf\xC3\xA9;coffee\nna\xC3\xAFve;innocent\n",
     {},
     {{"caf\xE9", "coffee"}, {"na\xEFve", "innocent"}}},
    {"CsvCp1252Input",
     "win.csv",
     "caf\xE9,\x93quoted\x94 \x80\n",
     {"--input-encoding", "cp1252"},
     {{"caf\xE9", "\x93quoted\x94 \x80"}}},
    {"AnkiCurrentExport",
     "deck.txt",
     "#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n#tags "
     "column:6\n"
     "f1Xq0pLk9A\tBasic\tEnglish::GRE\tlaconic\tusing <b>very</b> few words&nbsp;\tgre adj\n"
     "a7Rt2mNw4B\tBasic\tEnglish::GRE\t\"C# note\"\t\"a field with a \"\"quote\"\" and<br>a "
     "second\nline\"\t\n"
     "#a comment line\n"
     "x\tBasic\tDeck\tcloze\t{{c1::hidden::hint}} text [sound:a.mp3]<img "
     "src=\"a.png\"><div>end</div>\t\n",
     {},
     {{"laconic", "using very few words"},
      {"C# note", "a field with a \"quote\" and a second line"},
      {"cloze", "hidden text end"}}},
    {"AnkiSpreadsheetHeaderTails",
     "sheet.txt",
     "tags:vocab\n#separator:Semicolon;;\n#html:false;;\n#columns:Back;Front\nbrief;laconic\n",
     {},
     {{"laconic", "brief"}}},
    {"AnkiHeaderOptionDropsAnyFirstRow",
     "deck.txt",
     "#separator:tab\n#html:false\nVocab\tMeaning\nlaconic\tbrief\n",
     {"--header"},
     {{"laconic", "brief"}}},
    {"AnkiSeparatorOptionWins",
     "deck.txt",
     "#html:false\nlaconic,terse; brief\n",
     {"--separator", ","},
     {{"laconic", "terse; brief"}}},
    {"MnemosyneThreeColumns",
     "mnemo.txt",
     "\xEF\xBB\xBF&#33267;\tzhi4\tto send<br>a letter\nhello\t<br>\tgreeting\ta note\n",
     {"--format", "mnemosyne"},
     {{"\xE8\x87\xB3", "to send a letter"}, {"hello", "greeting"}}},
    {"MnemosyneGuessed",
     "mnemo.txt",
     "laconic\t<br>\tusing few words\nterse\tbrief\n",
     {},
     {{"laconic", "using few words"}, {"terse", "brief"}}},
    {"Kvtml",
     "words.kvtml",
     kKvtml,
     {},
     {{"laconic", "using very few words & no more"},
      {"ephemeral", "lasting a very short time"},
      {"terse", "brief"}}},
    {"KvtmlIncludeDeactivated",
     "words.xml",
     kKvtml,
     {"--include-deactivated", "--format", "kvtml"},
     {{"laconic", "using very few words & no more"},
      {"ephemeral", "lasting a very short time"},
      {"obsolete", "no longer in use"},
      {"terse", "brief"}}},
    {"KvtmlVersion1",
     "old.kvtml",
     "<?xml version=\"1.0\"?>\n<kvtml><e><o>laconic</o><t>brief</t><t>other</t></e></kvtml>",
     {},
     {{"laconic", "brief"}}},
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class ImportFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ImportFormat, GivesTheRecordsAUserExpects) {
    const FormatCase& c = GetParam();
    TempDir dir;
    WriteFile(c.file, c.content);
    std::vector<std::string> args = {"import", c.file, "-o", "out.lst"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    if (c.expected.empty()) {
        EXPECT_EQ(RunTool(args).code, 1);
        return;
    }
    const ToolResult result = RunTool(args);
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(ReadRecords("out.lst"), c.expected) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Formats, ImportFormat, testing::ValuesIn(kFormatCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Import, MnemosyneDecodesReferencesAndTakesTheThirdColumn) {
    TempDir dir;
    WriteFile("m.txt", "caf&#233;\tka-fei\tcoffee&#33;\nhello\tgreeting\n");
    ASSERT_EQ(RunTool({"import", "--format", "mnemosyne", "m.txt", "-o", "out.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"caf\xE9", "coffee!"}, {"hello", "greeting"}}));
}

TEST(Import, ReportsTitleLinesHeaderLookalikesAndStrayQuotes) {
    TempDir dir;
    WriteFile("a.tsv", "Title:\tx\nword\tdefinition\n");
    EXPECT_NE(
        RunTool({"import", "a.tsv", "-o", "a.lst"}).err.find("a.tsv:1: note: skipped \"Title:\""),
        std::string::npos);
    WriteFile("b.csv", "Word,Definition\nlaconic,brief\n");
    ToolResult result = RunTool({"import", "b.csv", "-o", "b.lst"});
    EXPECT_NE(result.err.find("b.csv:1: warning: this row looks like column titles"),
              std::string::npos);
    EXPECT_EQ(ReadRecords("b.lst").size(), 2u);
    WriteFile("c.csv", "5\" floppy,disk\n");
    result = RunTool({"import", "c.csv", "-o", "c.lst"});
    EXPECT_NE(result.err.find("c.csv:1: warning: quote inside an unquoted field"),
              std::string::npos);
}

TEST(Import, WritesRecordsByteForByte) {
    TempDir dir;
    const std::string fullWord(30, 'w');
    const std::string fullDefinition(200, 'd');
    WriteFile("in.tsv", fullWord + "\t" + fullDefinition +
                            "\nshort\tcaf\xC3\xA9 \xE2\x80\x94 \xE2\x82\xAC\n");
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "out.lst"}).code, 0);
    EXPECT_EQ(ReadFile("out.lst"),
              RecordImage(fullWord, fullDefinition) + RecordImage("short", "caf\xE9 \x97 \x80"));
}

// The limits apply to Windows-1252 bytes: 30 letters "é" are 60 bytes of UTF-8 but fit.
TEST(Import, LimitsCountConvertedBytes) {
    TempDir dir;
    std::string word;
    for (int i = 0; i < 30; ++i) word += "\xC3\xA9";
    WriteFile("in.tsv", word + "\tthirty accented letters\n");
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "out.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("out.lst")[0].first, std::string(30, '\xE9'));
}

struct RefusalCase {
    const char* name;
    std::string content;
    const char* message;
    std::vector<std::string> options = {};
};

const std::vector<RefusalCase> kRefusals = {
    {"WordTooLong", std::string(31, 'w') + ",def\n",
     "in.csv:2: word \"wwwwwwwwwwwwwwwwwwwwwwwwwwwwwww\" has 31 letters; a word holds at most 28 "
     "(30 in Windows-1252, 14 Chinese, Japanese or Korean characters)"},
    {"DefinitionTooLong", "word," + std::string(201, 'd') + "\n",
     "in.csv:2: definition of \"word\" has 201 letters; a definition holds at most 198 (200 in "
     "Windows-1252, 99 Chinese, Japanese or Korean characters)"},
    {"EmptyWord", ",definition\n", "in.csv:2: empty word"},
    {"NoDefinition", "word\n", "in.csv:2: word \"word\": no definition"},
    {"NoCp1252Form",
     "G\xC3\xB6"
     "del,\xC5\x91rs\xC3\xA9g\n",
     "in.csv:2: definition of \"G\xC3\xB6"
     "del\" holds U+0151 (\xC5\x91), which Windows-1252 cannot hold",
     {"--encoding", "cp1252"}},
    {"LineBreakInField", "word,\"two\nlines\"\n",
     "in.csv:2: definition of \"word\" holds U+000A, which would break the record"},
    {"CarriageReturnInField", "word,\"a\rb\"\n",
     "in.csv:2: definition of \"word\" holds U+000D, which would break the record"},
    {"EndOfFileByte", std::string("wo\x1A") + "rd,def\n",
     "in.csv:2: word \"wo\\x1ard\" holds U+001A, which would break the record"},
    {"Nul", std::string("word,de\0f\n", 10),
     "in.csv:2: definition of \"word\" holds U+0000, which would break the record"},
    {"Utf8WithAStrayByte", "caf\xC3\xA9,na\xC3\xAFve\nbad\xE9,x\n",
     "in.csv:3: not valid UTF-8 (byte 0xE9)"},
    {"NotUtf8AsClaimed",
     "caf\xE9,coffee\n",
     "in.csv:2: not valid UTF-8 (byte 0xE9)",
     {"--input-encoding", "UTF8"}},
    {"NoCharacterInTheEncodingGiven",
     "caf\x98,coffee\n",
     "in.csv:2: byte 0x98 has no character in windows-1251",
     {"--input-encoding", "1251"}},
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class ImportRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ImportRefusal, NamesTheLineAndWritesNothing) {
    TempDir dir;
    WriteFile("in.csv", "good,entry\n" + GetParam().content);
    std::vector<std::string> args = {"import", "in.csv", "-o", "out.lst"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const ToolResult result = RunTool(args);
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists("out.lst"));
}

INSTANTIATE_TEST_SUITE_P(Refusals, ImportRefusal, testing::ValuesIn(kRefusals),
                         [](const auto& param) { return std::string(param.param.name); });

// Neither the file's words nor the name it was given can send a command to the terminal.
TEST(Import, RefusalMessages_ShowControlCharactersEscaped) {
    TempDir dir;
    const std::string file = "list\x1b]0;owned\x07.tsv";
    WriteFile(file, "good\tfine\nti\x1b[2Jtle\x07\tclears the screen\n");
    const ToolResult result = RunTool({"import", file, "-o", "out.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("list\\x1b]0;owned\\x07.tsv:2: word \"ti\\x1b[2Jtle\\x07\""),
              std::string::npos)
        << result.err;
    EXPECT_EQ(std::string::npos, (result.out + result.err).find_first_of("\x1b\x07")) << result.err;
}

TEST(Import, RefusalKeepsAnExistingOutput) {
    TempDir dir;
    WriteFile("out.lst", "previous");
    WriteFile("in.tsv", "ok\tfine\n\tno word\n");
    EXPECT_EQ(RunTool({"import", "in.tsv", "-o", "out.lst"}).code, 1);
    EXPECT_EQ(ReadFile("out.lst"), "previous");
}

TEST(Import, RefusesMoreWordsThanTheProgramCanStudy) {
    TempDir dir;
    std::string text;
    for (uint32_t i = 0; i < kMaxStudyWords; ++i) text += "w" + std::to_string(i) + "\td\n";
    WriteFile("most.tsv", text);
    ASSERT_EQ(RunTool({"import", "most.tsv", "-o", "most.lst"}).code, 0);
    // Refused at the entry past the limit: the quote after it is never read.
    WriteFile("over.tsv", text + "one\ttoo many\n\"unclosed\tquote\n");
    const ToolResult result = RunTool({"import", "over.tsv", "-o", "over.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("over.tsv:65535: more than 65534 entries"), std::string::npos)
        << result.err;
    EXPECT_EQ(result.err.find("does not close"), std::string::npos) << result.err;
    EXPECT_FALSE(FileExists("over.lst"));
}

TEST(Import, SkipBadTruncateAndDedupe) {
    TempDir dir;
    const std::string longDefinition = std::string(195, 'a') + " bcdefghij klm";
    WriteFile("in.tsv", "good\tfine\n\tno word\nlong\t" + longDefinition + "\ngood\tagain\n");
    ToolResult result = RunTool({"import", "in.tsv", "-o", "out.lst", "--skip-bad"});
    ASSERT_EQ(result.code, 0);
    EXPECT_NE(result.err.find("in.tsv:2: warning: skipped: empty word"), std::string::npos);
    EXPECT_NE(result.err.find("in.tsv:4: warning: duplicate word \"good\" (first on line 1)"),
              std::string::npos);
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"good", "fine"}, {"good", "again"}}));

    result = RunTool({"import", "in.tsv", "-o", "out.lst", "--skip-bad", "--truncate", "--dedupe"});
    ASSERT_EQ(result.code, 0);
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"good", "fine"}, {"long", std::string(195, 'a')}}));
}

TEST(Import, ExportThenImportGivesTheSameRecords) {
    TempDir dir;
    WriteFile("in.csv",
              "caf\xC3\xA9,\xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\xA6 \xE2\x82\xAC 5\"\n"
              "Note:,looks like a title line\n"
              "\"\"\"lead\",quote at the start\n"
              "#hash,looks like a comment\n" +
                  std::string(30, 'x') + "," + std::string(200, 'y') + "\n");
    ASSERT_EQ(RunTool({"import", "in.csv", "-o", "first.lst"}).code, 0);
    ASSERT_EQ(RunTool({"export", "first.lst", "-o", "words.tsv"}).code, 0);
    const ToolResult again = RunTool({"import", "words.tsv", "-o", "second.lst"});
    ASSERT_EQ(again.code, 0) << again.err;
    EXPECT_EQ(ReadRecords("first.lst").size(), 5u);
    EXPECT_EQ(ReadFile("second.lst"), ReadFile("first.lst"));
    EXPECT_EQ(RunTool({"export", "first.lst"}).out, ReadFile("words.tsv"));
}

TEST(Import, ExportedMarkupLookalikesComeBackAsTheyWere) {
    TempDir dir;
    WriteFile("in.csv", "amp,use &#38; for and\nbreak,<br> starts this\n");
    ASSERT_EQ(RunTool({"import", "in.csv", "-o", "first.lst"}).code, 0);
    ASSERT_EQ(RunTool({"export", "first.lst", "-o", "words.tsv"}).code, 0);
    ASSERT_EQ(RunTool({"import", "words.tsv", "-o", "second.lst"}).code, 0);
    EXPECT_EQ(ReadFile("second.lst"), ReadFile("first.lst"));
}

// Outputs are replaced by rename, which would turn a FIFO, a device or a link into a plain file
// and would take the place of an input.
TEST(Output, RefusesWhatIsNotAFileOfItsOwn) {
    namespace fs = std::filesystem;
    TempDir dir;
    WriteFile("in.tsv", "laconic\tbrief\n");
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "in.lst"}).code, 0);
    ASSERT_EQ(mkfifo("fifo", 0600), 0);
    fs::create_directory("wn");
    WriteFile("wn/data.noun", "wordnet data");
    fs::create_symlink("in.lst", "link.lst");
    fs::create_hard_link("in.tsv", "hard.tsv");
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"import", "in.tsv", "-o", "fifo"},
         "fifo: is a FIFO, not a regular file; nothing written"},
        {{"import", "in.tsv", "-o", "wn"}, "wn: is a directory, not a regular file"},
        {{"import", "in.tsv", "-o", "hard.tsv"}, "hard.tsv: is the same file as in.tsv"},
        {{"import", "in.tsv", "-o", "link.lst"}, "link.lst: is a symbolic link"},
        {{"export", "in.lst", "-o", "wn/../in.lst"}, "wn/../in.lst: is the same file as in.lst"},
        {{"wordnet", "wn", "-o", "wn/data.noun"}, "wn/data.noun: is the same file as wn/data.noun"},
    };
    for (const auto& [args, message] : cases) {
        const ToolResult result = RunTool(args);
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }
    EXPECT_TRUE(fs::is_fifo("fifo"));
    EXPECT_TRUE(fs::is_symlink("link.lst"));
    EXPECT_EQ(ReadFile("in.tsv"), "laconic\tbrief\n");
    EXPECT_EQ(ReadFile("wn/data.noun"), "wordnet data");
}

// Standard output on a full disk, as stdio has it: writes go into the buffer and fail when it
// is flushed.
class FullDiskBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int sync() override { return -1; }
};

TEST(Export, FullStandardOutputIsAFailure) {
    TempDir dir;
    WriteFile("in.tsv", "laconic\tbrief\n");
    ASSERT_EQ(RunTool({"import", "in.tsv", "-o", "in.lst"}).code, 0);
    FullDiskBuffer full;
    std::ostream out(&full);
    std::ostringstream err;
    EXPECT_EQ(WordListTool(out, err).Run({"export", "in.lst"}), 1);
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos) << err.str();
}

TEST(Import, KvtmlXmlErrorNamesTheLine) {
    TempDir dir;
    WriteFile("bad.kvtml",
              "<?xml version=\"1.0\"?>\n<kvtml version=\"2.0\">\n<entries>\n</kvtml>\n");
    const ToolResult result = RunTool({"import", "bad.kvtml", "-o", "out.lst"});
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("bad.kvtml:4: XML error"), std::string::npos) << result.err;
}

TEST(Import, KvtmlNestedBeyondReasonIsAnErrorNotACrash) {
    TempDir dir;
    const auto nested = [](int depth) {
        std::string open, close;
        for (int i = 0; i < depth; ++i) open += "<b>", close += "</b>";
        return open + "x" + close;
    };
    const std::string head = "<kvtml version=\"2.0\">\n<entries><entry>\n<translation><text>";
    const std::string tail = "</text></translation></entry></entries></kvtml>\n";
    const std::string deep = nested(100000);
    for (const std::string& content : {head + deep + tail, head + deep.substr(0, 300000),
                                       "<kvtml>\n<e>\n<o>" + deep + "</o></e></kvtml>\n"}) {
        WriteFile("deep.kvtml", content);
        const ToolResult result = RunTool({"import", "deep.kvtml", "-o", "out.lst"});
        EXPECT_EQ(result.code, 1);
        EXPECT_NE(result.err.find("deep.kvtml:3: XML error: elements nested deeper than 256"),
                  std::string::npos)
            << result.err;
    }
    // Markup inside a text, as deep as a real file goes, is still read as text.
    WriteFile("fine.kvtml",
              head + "wo<i>rd</i></text></translation><translation><text>" + nested(200) + tail);
    ASSERT_EQ(RunTool({"import", "fine.kvtml", "-o", "out.lst"}).code, 0);
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"word", "x"}}));
}

TEST(Import, GuessSurvivesALongRunOfDigitsAfterAnAmpersand) {
    TempDir dir;
    WriteFile("m.txt", "number\t&#" + std::string(60000, '1') + "\ncaf&#233;\tcoffee\n");
    const ToolResult result = RunTool({"import", "m.txt", "-o", "out.lst", "--skip-bad"});
    EXPECT_NE(result.err.find("read as mnemosyne (guessed"), std::string::npos) << result.err;
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"caf\xE9", "coffee"}}));
}

// KWordQuiz keeps the blank rows a user leaves between groups as entries with empty columns.
TEST(Import, KvtmlEmptyRowsAreSkippedWithANote) {
    TempDir dir;
    WriteFile("quiz.kvtml", R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml version="2.0"><entries>
  <entry id="0"><translation id="0"><text>laconic</text></translation>
    <translation id="1"><text>brief</text></translation></entry>
  <entry id="1"><translation id="0"/><translation id="1"/></entry>
  <entry id="2"><translation id="0"><text> </text></translation>
    <translation id="1"><text></text></translation></entry>
  <entry id="3"><translation id="0"><text>terse</text></translation>
    <translation id="1"><text>short</text></translation></entry>
</entries></kvtml>
)");
    const ToolResult result = RunTool({"import", "quiz.kvtml", "-o", "out.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(ReadRecords("out.lst"), (Records{{"laconic", "brief"}, {"terse", "short"}}));
    EXPECT_NE(result.err.find("quiz.kvtml:5: note: empty entry skipped"), std::string::npos)
        << result.err;
    WriteFile("old.kvtml", "<kvtml title=\"Old words\"><e><o></o><t> </t></e></kvtml>");
    EXPECT_NE(RunTool({"import", "old.kvtml", "-o", "old.lst"}).err.find("note: empty entry"),
              std::string::npos);
}

TEST(Import, KvtmlTitleBecomesTheFileTitle) {
    TempDir dir;
    WriteFile("words.kvtml", kKvtml);
    std::ostringstream out;
    Diagnostics diagnostics(out);
    const WordFile file =
        WordFileReader::Read("words.kvtml", {}, RecordEncoder::Options(), diagnostics);
    EXPECT_EQ(file.title, "Three hard words");
    WriteFile("old.kvtml", "<kvtml title=\" Old  words \"><e><o>a</o><t>b</t></e></kvtml>");
    EXPECT_EQ(WordFileReader::Read("old.kvtml", {}, RecordEncoder::Options(), diagnostics).title,
              "Old words");
}

// A spreadsheet, known by its name or by what its archive holds, gets one message that says
// what to do, whatever format was asked for.
TEST(Import, SpreadsheetsAreToldToBeSavedAsCsv) {
    TempDir dir;
    AnkiPackageBuilder::WriteZip(
        "excel.csv", {{"[Content_Types].xml", "<Types/>"}, {"xl/workbook.xml", "<workbook/>"}});
    AnkiPackageBuilder::WriteZip("calc",
                                 {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
                                  {"content.xml", "<office:document-content/>"}});
    WriteFile("named.xlsx", "laconic,brief\n");
    for (const char* file : {"excel.csv", "calc", "named.xlsx"}) {
        std::ostringstream out;
        Diagnostics diagnostics(out);
        ImportOptions options;
        options.format = ::ImportFormat::Csv;
        const WordFile read = WordFileReader::Read(file, options, {}, diagnostics);
        EXPECT_FALSE(read.isReadable) << file;
        ASSERT_EQ(diagnostics.Messages().size(), 1u) << out.str();
        EXPECT_EQ(out.str(), std::string(file) +
                                 ": this is a spreadsheet; save it as CSV (comma-separated "
                                 "values) and import that\n");
    }
}

TEST(Usage, BadUsageExitsWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"import", "in.tsv"},
                                               {"import", "in.tsv", "-o"},
                                               {"import", "--format", "xls", "in", "-o", "x"},
                                               {"import", "--word-column", "0", "in", "-o", "x"},
                                               {"check"},
                                               {"rebase", "a", "b"},
                                               {"export", "a", "--bogus"}}) {
        EXPECT_EQ(RunTool(args).code, 2) << testing::PrintToString(args);
    }
    const ToolResult help = RunTool({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("rebase"), std::string::npos);
}

}  // namespace
