// SPDX-License-Identifier: GPL-2.0-or-later
// Files in the encodings people save word lists in: named in any spelling, told by their
// byte order mark, or guessed, and read with the right letters.
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace {

// `utf8` as a file saved in `charset` holds it, through the C library's own converters.
std::string Encoded(const std::string& utf8, const char* charset) {
    iconv_t cd = iconv_open(charset, "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << charset;
    std::string in = utf8, out(utf8.size() * 4 + 16, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    EXPECT_NE(iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<size_t>(-1)) << charset;
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

// The first word of `list`, stored as UTF-8.
std::string FirstWord(const std::string& list) {
    const auto records = ReadRecords(list);
    return records.empty() ? std::string() : records.front().first;
}

struct EncodingCase {
    const char* charset;  // the C library's name, to write the file
    const char* option;   // as a user spells it
    const char* word;
};

const EncodingCase kEncodings[] = {
    {"CP874", "windows-874", "สวัสดี"},
    {"CP1250", "cp1250", "žluťoučký"},
    {"CP1251", "1251", "собака"},
    {"CP1252", "Windows-1252", "Straße"},
    {"CP1253", "CP1253", "καλημέρα"},
    {"CP1254", "1254", "güzel"},
    {"CP1255", "windows-1255", "שלום"},
    {"CP1256", "cp1256", "مرحبا"},
    {"CP1257", "1257", "ąžuolas"},
    {"CP1258", "windows-1258", "cơm"},
    {"MACINTOSH", "mac-roman", "café"},
    {"MAC-CENTRALEUROPE", "x-mac-ce", "zażółć"},
    {"MAC-CYRILLIC", "mac-cyrillic", "собака"},
    {"ISO-8859-1", "iso-8859-1", "señor"},
    {"ISO-8859-2", "ISO8859-2", "zażółć"},
    {"ISO-8859-3", "iso_8859-3", "għada"},
    {"ISO-8859-4", "iso-8859-4", "ąžuolas"},
    {"ISO-8859-5", "iso-8859-5", "собака"},
    {"ISO-8859-6", "iso-8859-6", "مرحبا"},
    {"ISO-8859-7", "iso-8859-7", "καλημέρα"},
    {"ISO-8859-8", "iso-8859-8", "שלום"},
    {"ISO-8859-9", "iso-8859-9", "güzel"},
    {"ISO-8859-10", "iso-8859-10", "þorp"},
    {"ISO-8859-11", "iso-8859-11", "สวัสดี"},
    {"ISO-8859-13", "iso-8859-13", "ąžuolas"},
    {"ISO-8859-14", "iso-8859-14", "ŵyr"},
    {"ISO-8859-15", "iso-8859-15", "œuvre"},
    {"ISO-8859-16", "iso-8859-16", "știință"},
    {"KOI8-R", "KOI8-R", "собака"},
    {"KOI8-U", "koi8u", "їжак"},
    {"SHIFT_JIS", "sjis", "日本語"},
    {"EUC-JP", "EUC-JP", "日本語"},
    {"GB18030", "gbk", "你好"},
    {"BIG5", "Big5", "學生"},
    {"EUC-KR", "euckr", "학생"},
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << c.charset; }

class NamedEncoding : public testing::TestWithParam<EncodingCase> {};

TEST_P(NamedEncoding, ReadsTheLettersAsSaved) {
    TempDir dir;
    const EncodingCase& c = GetParam();
    WriteFile("in.tsv", Encoded(std::string(c.word) + "\tmeaning\n", c.charset));
    const ToolResult result = RunTool(
        {"import", "in.tsv", "--input-encoding", c.option, "--encoding", "utf-8", "-o", "x.lst"});
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_EQ(FirstWord("x.lst"), c.word);
}

INSTANTIATE_TEST_SUITE_P(Encodings, NamedEncoding, testing::ValuesIn(kEncodings),
                         [](const auto& param) {
                             std::string name = param.param.charset;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(Encodings, UnicodeWithAByteOrderMarkNeedsNoOption) {
    TempDir dir;
    const std::string text = "Straße,street\nсобака,dog\n日本語,Japanese\n";
    const struct {
        const char* charset;
        std::string mark;
    } unicode[] = {{"UTF-16LE", "\xFF\xFE"},
                   {"UTF-16BE", "\xFE\xFF"},
                   {"UTF-32LE", std::string("\xFF\xFE\0\0", 4)},
                   {"UTF-32BE", std::string("\0\0\xFE\xFF", 4)}};
    for (const auto& u : unicode) {
        // A spreadsheet's "Unicode text"; the commas tell CSV only once the text is decoded.
        WriteFile("sheet.csv", u.mark + Encoded(text, u.charset));
        const ToolResult result = RunTool({"import", "sheet.csv", "-o", "x.lst"});
        ASSERT_EQ(result.code, 0) << u.charset << result.err;
        const auto records = ReadRecords("x.lst");
        ASSERT_EQ(records.size(), 3u) << u.charset;
        EXPECT_EQ(records[1].first, "собака") << u.charset;
        EXPECT_EQ(records[2].second, "Japanese") << u.charset;
        // Named outright, the byte order the name gives makes the mark no part of the text.
        ASSERT_EQ(RunTool({"import", "sheet.csv", "--input-encoding", u.charset, "--encoding",
                           "utf-8", "-o", "x.lst"})
                      .code,
                  0);
        EXPECT_EQ(ReadRecords("x.lst").front().first, "Straße") << u.charset;
    }
}

TEST(Encodings, GuessesWhatAFileDoesNotSayAndSaysHowSure) {
    TempDir dir;
    const struct {
        const char* charset;
        const char* guess;
        std::string words;
    } files[] = {
        {"CP1251", "windows-1251",
         "собака\tdog\nкошка\tcat\nмолоко\tmilk\nхлеб\tbread\nвода\twater\nдом\thouse\n"},
        {"KOI8-R", "koi8-r",
         "собака\tdog\nкошка\tcat\nмолоко\tmilk\nхлеб\tbread\nвода\twater\nдом\thouse\n"},
        {"SHIFT_JIS", "shift_jis",
         "日本語\tJapanese\n食べる\tto eat\n飲む\tto drink\n見る\tto see\n聞く\tto hear\n話す\t"
         "to speak\n読む\tto read\n書く\tto write\n学校\tschool\n先生\tteacher\n"},
        {"GB18030", "gb18030",
         "你好\thello\n谢谢\tthanks\n再见\tgoodbye\n学生\tstudent\n老师\tteacher\n朋友\tfriend\n"},
    };
    for (const auto& f : files) {
        WriteFile("in.tsv", Encoded(f.words, f.charset));
        const ToolResult result =
            RunTool({"import", "in.tsv", "--encoding", "utf-8", "-o", "x.lst"});
        ASSERT_EQ(result.code, 0) << f.charset << result.err;
        EXPECT_NE(result.err.find("read as " + std::string(f.guess) + " (guessed, "),
                  std::string::npos)
            << result.err;
        EXPECT_NE(result.err.find("% sure; --input-encoding chooses)"), std::string::npos);
        EXPECT_EQ(FirstWord("x.lst"), f.words.substr(0, f.words.find('\t'))) << f.charset;
    }
    // Nothing reads a byte no encoding has a letter for in that place.
    WriteFile("in.tsv", std::string("a\tb\n\x81\x81\x81\tc\n"));
    const ToolResult refused = RunTool({"import", "in.tsv", "-o", "x.lst"});
    EXPECT_NE(refused.code, 0);
}

TEST(Encodings, EveryOptionTakesEverySpellingOfACodePage) {
    TempDir dir;
    WriteFile("in.lst", RecordImage(Encoded("собака", "CP1251"), "dog"));
    std::vector<std::pair<std::string, std::string>> first;
    for (const char* spelling : {"cp1251", "WINDOWS-1251", "1251"}) {
        ASSERT_EQ(RunTool({"recode", "--from", spelling, "in.lst", "-o", "r.lst"}).code, 0);
        if (first.empty()) first = ReadRecords("r.lst");
        EXPECT_EQ(ReadRecords("r.lst"), first) << spelling;
    }
    EXPECT_EQ(first.front().first, "собака");
    WriteFile("in.tsv", "café\tcoffee\n");
    for (const char* spelling : {"cp1252", "Windows-1252", "1252", "UTF-8", "utf8"})
        EXPECT_EQ(RunTool({"import", "in.tsv", "--encoding", spelling, "-o", "x.lst"}).code, 0)
            << spelling;
    const ToolResult unknown = RunTool({"import", "in.tsv", "--input-encoding", "klingon"});
    EXPECT_EQ(unknown.code, 2);
    EXPECT_NE(unknown.err.find("--help lists the encodings"), std::string::npos) << unknown.err;
    EXPECT_EQ(RunTool({"import", "in.tsv", "--encoding", "koi8-r", "-o", "x.lst"}).code, 2);
    // The help names each encoding once.
    const std::string help = RunTool({"--help"}).out;
    for (const char* name : {"iso-8859-5", "koi8-r", "shift_jis", "windows-874"}) {
        EXPECT_NE(help.find(name), std::string::npos) << name;
        EXPECT_EQ(help.find(name), help.rfind(name)) << name;
    }
}

}  // namespace
