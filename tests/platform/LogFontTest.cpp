#include "platform/LogFont.h"

#include <QFontMetrics>

#include <cstring>
#include <gtest/gtest.h>

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

TEST(LogFontTest, Write_PutsEachFieldAtItsOffsetLittleEndian) {
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

TEST(LogFontTest, ReadThenWrite_GivesTheSameSixtyBytes) {
    uint8_t original[LogFont::kSize];
    for (int i = 0; i < LogFont::kSize; ++i) original[i] = static_cast<uint8_t>(i * 37 + 11);
    LogFont lf;
    lf.Read(original);
    uint8_t written[LogFont::kSize];
    lf.Write(written);
    EXPECT_EQ(std::memcmp(original, written, LogFont::kSize), 0);
}

TEST(LogFontTest, FaceName_StopsAtTheFirstZeroOrAfterThirtyTwoBytes) {
    EXPECT_EQ(Sample().FaceName(), QStringLiteral("Arial"));
    LogFont full;
    std::memset(full.lfFaceName, 'x', LogFont::kFaceSize);
    EXPECT_EQ(full.FaceName().size(), LogFont::kFaceSize);
    full.SetFaceName(QString(40, QLatin1Char('y')));
    EXPECT_EQ(full.FaceName(), QString(31, QLatin1Char('y')));
    EXPECT_EQ(full.lfFaceName[31], 0);
}

TEST(LogFontTest, ToQFont_CarriesStyleFaceAndCharacterHeight) {
    LogFont lf = Sample();
    lf.lfWidth = 0;
    lf.SetFaceName(QStringLiteral("DejaVu Serif"));
    const auto font = lf.ToQFont(QFont());
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(font->pixelSize(), 16);
    EXPECT_EQ(font->weight(), QFont::Bold);
    EXPECT_TRUE(font->italic());
    EXPECT_TRUE(font->underline());
    EXPECT_FALSE(font->strikeOut());
}

TEST(LogFontTest, ToQFont_PositiveHeightIsTheCellHeight) {
    LogFont lf;
    lf.lfHeight = 27;
    lf.SetFaceName(QStringLiteral("DejaVu Sans"));
    const auto font = lf.ToQFont(QFont());
    ASSERT_TRUE(font.has_value());
    EXPECT_NEAR(QFontMetrics(*font).height(), 27, 1);
    EXPECT_LT(font->pixelSize(), 27);
}

TEST(LogFontTest, ToQFont_RefusesWhatNoFontCanBeBuiltFrom) {
    LogFont lf;
    lf.lfWeight = 1001;
    EXPECT_FALSE(lf.ToQFont(QFont()).has_value());
    lf.lfWeight = 400;
    lf.lfHeight = -(LogFont::kMaxHeight + 1);
    EXPECT_FALSE(lf.ToQFont(QFont()).has_value());
}

TEST(LogFontTest, FromQFont_EightPointsAtNinetySixDpiIsMinusEleven) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    const LogFont lf = LogFont::FromQFont(font, 96);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(lf.FaceName(), QStringLiteral("DejaVu Sans"));
    const auto back = lf.ToQFont(QFont());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->family(), QStringLiteral("DejaVu Sans"));
}

}  // namespace
