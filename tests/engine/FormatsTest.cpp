// SPDX-License-Identifier: GPL-2.0-or-later
// The byte layouts of the binary files, pinned once: what every reader and writer shares.
#include "engine/LittleEndian.h"
#include "engine/LogFont.h"
#include "engine/SessionFiles.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

LogFont Sample() {
    LogFont lf;
    lf.lfHeight = -16;
    lf.lfWidth = 0x01020304;
    lf.lfEscapement = -2;
    lf.lfOrientation = 900;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 0;
    lf.lfCharSet = 0xEE;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 0x22;
    std::memcpy(lf.lfFaceName, "Arial\0junk after zero", 21);
    return lf;
}

TEST(FormatsTest, LittleEndian_LowByteFirst) {
    uint8_t bytes[4];
    PutLE32(bytes, 0x01020304);
    EXPECT_EQ(std::memcmp(bytes, "\x04\x03\x02\x01", 4), 0);
    EXPECT_EQ(GetLE32(bytes), 0x01020304u);
}

TEST(FormatsTest, CurrWordRecord_FieldsInFileOrder_AndAShortRecordFillsWhatItCovers) {
    char bytes[CurrWordRecord::kSize];
    CurrWordRecord{LIST_NEW, -2, 42, 17}.Encode(bytes);
    EXPECT_EQ(std::string(bytes, sizeof bytes),
              std::string("\x03\0\0\0\0\0\0\0\xFE\xFF\xFF\xFF\x2A\0\0\0\x11\0\0\0", 20));

    CurrWordRecord record{LIST_UNSURE, 5, 9, 8};
    record.Decode(std::string_view(bytes, 13));
    EXPECT_EQ(record.listId, LIST_NEW);
    EXPECT_EQ(record.counter, -2);
    EXPECT_EQ(record.wordIndex, 0x2Au);  // its low byte from the file, the rest kept
    EXPECT_EQ(record.viewedCount, 8);
}

TEST(FormatsTest, Write_PutsEachFieldAtItsOffsetLittleEndian) {
    uint8_t bytes[LogFont::kSize];
    std::memset(bytes, 0xAA, sizeof bytes);
    Sample().Write(bytes);
    const uint8_t head[28] = {0xF0, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF,
                              0xFF, 0xFF, 0x84, 0x03, 0x00, 0x00, 0xBC, 0x02, 0x00, 0x00,
                              1,    1,    0,    0xEE, 3,    2,    1,    0x22};
    EXPECT_EQ(std::memcmp(bytes, head, sizeof head), 0);
    EXPECT_EQ(std::memcmp(bytes + 28, "Arial\0junk after zero", 21), 0);
    for (int i = 28 + 21; i < LogFont::kSize; ++i) EXPECT_EQ(bytes[i], 0) << i;
}

TEST(FormatsTest, ReadThenWrite_GivesTheSameSixtyBytes) {
    uint8_t original[LogFont::kSize];
    for (int i = 0; i < LogFont::kSize; ++i) original[i] = static_cast<uint8_t>(i * 37 + 11);
    LogFont lf;
    lf.Read(original);
    uint8_t written[LogFont::kSize];
    lf.Write(written);
    EXPECT_EQ(std::memcmp(original, written, LogFont::kSize), 0);
}

TEST(FormatsTest, FaceNameBytes_StopAtTheFirstZeroOrAfterThirtyTwo) {
    EXPECT_EQ(Sample().FaceNameBytes(), "Arial");
    LogFont full;
    std::memset(full.lfFaceName, 'x', LogFont::kFaceSize);
    EXPECT_EQ(full.FaceNameBytes().size(), static_cast<size_t>(LogFont::kFaceSize));
}

}  // namespace
