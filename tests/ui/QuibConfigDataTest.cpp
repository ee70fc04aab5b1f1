// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Colorref.h"
#include "platform/FontConversion.h"
#include "tests/support/TempDir.h"
#include "ui/QuibConfigData.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

CQuibConfigData Edited() {
    CQuibConfigData d;
    d.m_lfVocabulary.lfHeight = -16;
    d.m_lfVocabulary.lfWeight = 700;
    std::memcpy(d.m_lfVocabulary.lfFaceName, "Arial\0left over", 15);
    d.m_crVocabularyText = RGB(0xFF, 0, 0);
    d.m_crVocabularyBack = RGB(1, 2, 3);
    d.m_lfDefinition.lfHeight = 20;
    d.m_lfDefinition.lfItalic = 1;
    SetFaceName(d.m_lfDefinition, QStringLiteral("DejaVu Serif"));
    d.m_crDefinitionText = RGB(4, 5, 6);
    d.m_crDefinitionBack = RGB(7, 8, 9);
    return d;  // the program background keeps its default grey
}

bool SameStoredFields(const CQuibConfigData& a, const CQuibConfigData& b) {
    return a.m_lfVocabulary == b.m_lfVocabulary && a.m_crVocabularyText == b.m_crVocabularyText &&
           a.m_crVocabularyBack == b.m_crVocabularyBack && a.m_lfDefinition == b.m_lfDefinition &&
           a.m_crDefinitionText == b.m_crDefinitionText &&
           a.m_crDefinitionBack == b.m_crDefinitionBack && a.m_crProgramBack == b.m_crProgramBack;
}

TEST(QuibConfigDataTest, Construction_GivesTheDefaultColours) {
    const CQuibConfigData d;
    EXPECT_EQ(d.m_crProgramBack, 0x02808080u);
    EXPECT_EQ(d.m_crVocabularyText, 0x02000000u);
    EXPECT_EQ(d.m_crVocabularyBack, 0x02FFFFFFu);
    EXPECT_EQ(d.m_crDefinitionText, 0x02000000u);
    EXPECT_EQ(d.m_crDefinitionBack, 0x02FFFFFFu);
}

TEST(QuibConfigDataTest, Save_WritesTheFieldsInFileOrder) {
    TempDir dir;
    ASSERT_EQ(Edited().Save(), 1);
    const std::string bytes = ReadFile(CQuibConfigData::kFileName);
    ASSERT_EQ(bytes.size(), 140u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\xF0\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(28, 15), std::string("Arial\0left over", 15));
    EXPECT_EQ(bytes.substr(60, 4), std::string("\xFF\x00\x00\x00", 4));  // pure red
    EXPECT_EQ(bytes.substr(64, 4), std::string("\x01\x02\x03\x00", 4));
    EXPECT_EQ(bytes.substr(68, 4), std::string("\x14\x00\x00\x00", 4));
    EXPECT_EQ(bytes.substr(128, 4), std::string("\x04\x05\x06\x00", 4));
    EXPECT_EQ(bytes.substr(132, 4), std::string("\x07\x08\x09\x00", 4));
    EXPECT_EQ(bytes.substr(136, 4), std::string("\x80\x80\x80\x02", 4));  // the default grey
    EXPECT_FALSE(FileExists(std::string(CQuibConfigData::kFileName) + ".tmp"));
}

TEST(QuibConfigDataTest, SaveThenLoad_GivesTheSameRecordAndBytes) {
    TempDir dir;
    const CQuibConfigData saved = Edited();
    ASSERT_EQ(saved.Save(), 1);
    const std::string first = ReadFile(CQuibConfigData::kFileName);
    CQuibConfigData loaded;
    ASSERT_EQ(loaded.Load(), 1);
    EXPECT_TRUE(SameStoredFields(loaded, saved));
    ASSERT_EQ(loaded.Save(), 1);
    EXPECT_EQ(ReadFile(CQuibConfigData::kFileName), first);
}

TEST(QuibConfigDataTest, MissingOrShortFile_LoadsNothing) {
    TempDir dir;
    CQuibConfigData d = Edited();
    EXPECT_EQ(d.Load(), 0);
    ASSERT_EQ(CQuibConfigData().Save(), 1);
    const std::string full = ReadFile(CQuibConfigData::kFileName);
    for (size_t size : {size_t{0}, size_t{60}, size_t{139}}) {
        WriteFile(CQuibConfigData::kFileName, full.substr(0, size));
        EXPECT_EQ(d.Load(), 0) << size;
        EXPECT_TRUE(SameStoredFields(d, Edited())) << size;
    }
}

TEST(QuibConfigDataTest, LongerFile_ReadsTheFirst140Bytes) {
    TempDir dir;
    ASSERT_EQ(Edited().Save(), 1);
    WriteFile(CQuibConfigData::kFileName, ReadFile(CQuibConfigData::kFileName) + "trailing bytes");
    CQuibConfigData d;
    EXPECT_EQ(d.Load(), 1);
    EXPECT_TRUE(SameStoredFields(d, Edited()));
}

TEST(QuibConfigDataTest, SaveWithoutListDirectory_FailsQuietly) {
    TempDir dir(false);
    EXPECT_EQ(Edited().Save(), 0);
}

}  // namespace
