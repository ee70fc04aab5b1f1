// SPDX-License-Identifier: GPL-2.0-or-later
// What keeps an import bounded whatever the file: HTML flattened in time linear in its
// length, files and entry counts refused at their limits as soon as they are passed, and
// messages capped.
#include "engine/FileSystem.h"
#include "engine/ListRec.h"
#include "imports/Diagnostics.h"
#include "imports/HtmlText.h"
#include "imports/WordFileReader.h"
#include "tests/support/TempDir.h"
#include "tests/wordlist/ToolRunner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string Repeated(const std::string& piece, size_t count) {
    std::string text;
    text.reserve(piece.size() * count);
    for (size_t i = 0; i < count; ++i) text += piece;
    return text;
}

// 400,000 pieces each: a pass that went back over the rest of the field for every piece
// would take hours; a linear one takes milliseconds.
constexpr size_t kPieces = 400000;

struct HtmlCase {
    const char* name;
    std::string html;
    std::string text;
};

const HtmlCase kHtmlCases[] = {
    {"EmptyComments", Repeated("<!---->", kPieces) + "word", "word"},
    {"UnclosedTags", Repeated("<b", kPieces), Repeated("<b", kPieces)},
    {"NestedTags", Repeated("<div>", kPieces) + "word" + Repeated("</div>", kPieces), "word"},
    {"Ampersands", Repeated("&", kPieces) + ";", Repeated("&", kPieces) + ";"},
    {"Entities", Repeated("&amp;", kPieces), Repeated("&", kPieces)},
    {"StylesAndSounds", Repeated("<style>x</style>[sound:a.mp3]", kPieces) + "word", "word"},
};

void PrintTo(const HtmlCase& c, std::ostream* os) { *os << c.name; }

class LinearHtml : public testing::TestWithParam<HtmlCase> {};

TEST_P(LinearHtml, FlattensInOnePassOverTheField) {
    EXPECT_EQ(HtmlText::Flatten(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Fields, LinearHtml, testing::ValuesIn(kHtmlCases),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(LinearHtml, LooksLikeHtmlFindsEachTagEndOnce) {
    EXPECT_FALSE(HtmlText::LooksLikeHtml(Repeated("<", kPieces) + ">"));
    EXPECT_TRUE(HtmlText::LooksLikeHtml(Repeated("<", kPieces) + "<b>"));
}

// The size is checked before a byte is read; a sparse file costs no disk.
TEST(ImportBounds, FileOverTheReadLimitIsRefusedNamingTheLimit) {
    TempDir dir;
    WriteFile("huge.tsv", "word\tdefinition\n");
    std::filesystem::resize_file("huge.tsv", FileSystem::kMaxReadSize + 1);
    const Read read = ReadWords("huge.tsv");
    EXPECT_FALSE(read.file.isReadable);
    EXPECT_NE(read.messages.find("huge.tsv: larger than 64 MiB, the most a word file may be"),
              std::string::npos)
        << read.messages;
}

struct OverCase {
    const char* name;
    const char* file;
    std::string (*content)();
    const char* message;
};

// One entry past the limit, then a line that would draw a message were it read.
const OverCase kOverCases[] = {
    {"AnkiText", "over.txt",
     [] { return "#separator:tab\n" + Repeated("w\td\n", kMaxStudyWords + 1) + "\"unclosed\tq\n"; },
     "over.txt:65536: more than 65534 entries"},
    {"Kvtml", "over.kvtml",
     [] {
         return "<kvtml version=\"2.0\"><entries>\n" +
                Repeated(
                    "<entry><translation id=\"0\"><text>w</text></translation>"
                    "<translation id=\"1\"><text>d</text></translation></entry>\n",
                    kMaxStudyWords + 1) +
                "<entry></entry></entries></kvtml>";
     },
     "over.kvtml:65536: more than 65534 entries"},
};

void PrintTo(const OverCase& c, std::ostream* os) { *os << c.name; }

class EntryLimit : public testing::TestWithParam<OverCase> {};

TEST_P(EntryLimit, StopsAtTheEntryPastTheLimit) {
    TempDir dir;
    WriteFile(GetParam().file, GetParam().content());
    const Read read = ReadWords(GetParam().file);
    EXPECT_FALSE(read.file.isReadable);
    EXPECT_NE(read.messages.find(GetParam().message), std::string::npos) << read.messages;
    EXPECT_EQ(read.messages.find("does not close"), std::string::npos);
    EXPECT_EQ(read.messages.find("empty entry"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Formats, EntryLimit, testing::ValuesIn(kOverCases),
                         [](const auto& param) { return std::string(param.param.name); });

// A line of separators alone would otherwise hold a field for each.
TEST(ImportBounds, LineOfMoreFieldsThanAnyListHasIsRefused) {
    TempDir dir;
    WriteFile("wide.tsv", "w\td\n" + Repeated("\t", 999) + "\n");
    EXPECT_TRUE(ReadWords("wide.tsv").file.isReadable);
    WriteFile("wider.tsv", "w\td\n" + Repeated("\t", 1000) + "x\tmore\n");
    const Read read = ReadWords("wider.tsv");
    EXPECT_FALSE(read.file.isReadable);
    EXPECT_NE(read.messages.find("wider.tsv:2: more than 1000 fields on one line"),
              std::string::npos)
        << read.messages;
}

TEST(ImportBounds, WarningsAndNotesStopAtTheirCapWithOneNote) {
    std::ostringstream out;
    Diagnostics diagnostics(out);
    for (int i = 0; i < Diagnostics::kMaxQuietMessages + 10; ++i) {
        diagnostics.Warning("f", i + 1, "doubtful");
        diagnostics.Note("f", i + 1, "skipped");
    }
    diagnostics.Error("f", 7, "refused");
    const auto& messages = diagnostics.Messages();
    ASSERT_EQ(messages.size(), static_cast<size_t>(Diagnostics::kMaxQuietMessages) + 2);
    EXPECT_EQ(messages[messages.size() - 2].text,
              "more than 65534 warnings and notes; the rest are not shown");
    EXPECT_EQ(messages.back().text, "refused");
    EXPECT_EQ(diagnostics.ErrorCount(), 1);
}

}  // namespace
