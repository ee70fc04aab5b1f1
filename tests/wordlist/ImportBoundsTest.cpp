// SPDX-License-Identifier: GPL-2.0-or-later
// What keeps an import bounded whatever the file: HTML flattened in time linear in its
// length, and messages capped.
#include "imports/Diagnostics.h"
#include "imports/HtmlText.h"

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
