// SPDX-License-Identifier: GPL-2.0-or-later
// Which fields read as UTF-8, which as compact text and which, as always, as Windows-1252.
#include "engine/Cp1252.h"
#include "engine/WordListFile.h"
#include "imports/FieldText.h"

#include <QString>

#include <gtest/gtest.h>
#include <string>

namespace {

TEST(FieldText, MultiByteUtf8ReadsAsUtf8AndEverythingElseAsWindows1252) {
    const std::string russian = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
    EXPECT_TRUE(FieldText::IsUtf8(russian));
    EXPECT_EQ(FieldText::ToUtf8(russian), russian);
    // What follows the first NUL is not part of the text.
    EXPECT_EQ(FieldText::ToUtf8(russian + std::string("\0\xFF", 2)), russian);
    for (const std::string& cp1252 :
         {std::string("plain ascii"), std::string("caf\xE9 \x80 \x93quoted\x94"),
          // A UTF-8 character cut short by a 30-byte field, and an overlong form.
          russian.substr(0, 5), std::string("\xC0\xAF"), std::string()}) {
        EXPECT_FALSE(FieldText::IsUtf8(cp1252)) << cp1252;
        EXPECT_EQ(FieldText::ToUtf8(cp1252), Cp1252::ToUtf8(cp1252)) << cp1252;
    }
    // Every byte that can begin a field written before reads as it always did.
    for (int b = 1; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        if (FieldText::IsCompact(one)) continue;
        EXPECT_EQ(FieldText::ToUtf8(one), Cp1252::ToUtf8(one)) << "byte " << b;
    }
    for (char other : {'\t', '\n', '\f', '\r', ' '})
        EXPECT_FALSE(FieldText::IsCompact({&other, 1}));
}

// The words a learner brings, in the compact form, inside a field padded with NULs as the
// list holds it; `letters` of them fit the word field at least.
TEST(FieldText, LongWordsOfEveryScriptFitTheWordFieldCompact) {
    const struct {
        const char* text;
        size_t size;
    } cases[] = {
        {"достопримечательность", 22},         // 21 Cyrillic letters
        {"досто́примеча́тельность", 26},         // with two stress marks
        {"ηλεκτροκαρδιογράφημα", 22},          // Greek, with its accents
        {"აბგდევზთიკლმნოპჟრსტუფქღყშჩცძ", 30},  // 28 Georgian letters
        {"الاستقلالية والديمقراطية", 26},      // Arabic with a space
        {"一丁七万丈三上下不与丐丑专且", 30},  // 14 CJK, ending in a NUL byte
        {"こんにちは世界", 0},
        {"TV-передача", 0},  // begins in ASCII
    };
    for (const auto& c : cases) {
        const std::string compact = FieldText::ToCompact(c.text);
        ASSERT_FALSE(compact.empty()) << c.text;
        if (c.size != 0) {
            EXPECT_LE(compact.size(), c.size) << c.text;
        }
        EXPECT_NE(compact.back(), '\0') << c.text;
        std::string field = compact;
        field.resize(WordListFile::kWordSize * 2, '\0');
        EXPECT_TRUE(FieldText::IsCompact(field)) << c.text;
        EXPECT_FALSE(FieldText::IsUtf8(field)) << c.text;
        EXPECT_EQ(FieldText::ToUtf8(field), c.text);
        EXPECT_EQ(WordListFile::StoredText(field), compact) << c.text;
    }
    EXPECT_EQ(FieldText::ToCompact(""), "");
    EXPECT_EQ(FieldText::ToCompact("\xC0\xAF"), "");
}

TEST(FieldText, BrokenCompactBytesReadAsValidUtf8) {
    for (const std::string& field :
         {std::string("\x01", 1), std::string("\x0E\xD8\x00", 3),
          std::string("\x0F\xD8\x00\x00\x41", 5), std::string("\x0C\xFF"),
          std::string("\x18\x00\x80", 3), std::string("\x0F\xF1", 2)}) {
        const std::string text = FieldText::ToUtf8(field);
        EXPECT_EQ(QString::fromUtf8(text).toUtf8().toStdString(), text);
    }
}

}  // namespace
