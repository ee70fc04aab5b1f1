// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontConversion.h"

#include <QFontMetrics>

#include <cstring>
#include <gtest/gtest.h>

namespace {

TEST(FontConversionTest, FaceName_StopsAtTheFirstZeroOrAfterThirtyTwoBytes) {
    LogFont arial;
    std::memcpy(arial.lfFaceName, "Arial\0junk after zero", 21);
    EXPECT_EQ(FaceName(arial), QStringLiteral("Arial"));
    LogFont full;
    std::memset(full.lfFaceName, 'x', LogFont::kFaceSize);
    EXPECT_EQ(FaceName(full).size(), LogFont::kFaceSize);
    SetFaceName(full, QString(40, QLatin1Char('y')));
    EXPECT_EQ(FaceName(full), QString(31, QLatin1Char('y')));
    EXPECT_EQ(full.lfFaceName[31], 0);
}

TEST(FontConversionTest, ToQFont_CarriesStyleFaceAndCharacterHeight) {
    LogFont lf;
    lf.lfHeight = -16;
    lf.lfWeight = 700;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    SetFaceName(lf, QStringLiteral("DejaVu Serif"));
    const auto font = ToQFont(lf, QFont());
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(font->pixelSize(), 16);
    EXPECT_EQ(font->weight(), QFont::Bold);
    EXPECT_TRUE(font->italic());
    EXPECT_TRUE(font->underline());
    EXPECT_FALSE(font->strikeOut());
}

TEST(FontConversionTest, ToQFont_PositiveHeightIsTheCellHeight) {
    LogFont lf;
    lf.lfHeight = 27;
    SetFaceName(lf, QStringLiteral("DejaVu Sans"));
    const auto font = ToQFont(lf, QFont());
    ASSERT_TRUE(font.has_value());
    EXPECT_NEAR(QFontMetrics(*font).height(), 27, 1);
    EXPECT_LT(font->pixelSize(), 27);
}

TEST(FontConversionTest, ToQFont_RefusesWhatNoFontCanBeBuiltFrom) {
    LogFont lf;
    lf.lfWeight = 1001;
    EXPECT_FALSE(ToQFont(lf, QFont()).has_value());
    lf.lfWeight = 400;
    lf.lfHeight = -(LogFont::kMaxHeight + 1);
    EXPECT_FALSE(ToQFont(lf, QFont()).has_value());
}

TEST(FontConversionTest, FromQFont_EightPointsAtNinetySixDpiIsMinusEleven) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    const LogFont lf = LogFontFromQFont(font, 96);
    EXPECT_EQ(lf.lfHeight, -11);
    EXPECT_EQ(lf.lfWeight, 400);
    EXPECT_EQ(FaceName(lf), QStringLiteral("DejaVu Sans"));
    const auto back = ToQFont(lf, QFont());
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->family(), QStringLiteral("DejaVu Sans"));
}

TEST(FontConversionTest, DialogRoundTrip_KeepsTheRecordUnlessChanged_AndTheHeightUnlessResized) {
    LogFont lf;
    lf.lfHeight = -14;  // 10.5 points at 96 dpi
    lf.lfWeight = 400;
    lf.lfCharSet = 1;
    SetFaceName(lf, QStringLiteral("DejaVu Sans"));
    const auto opened = DialogFontFor(lf, QFont(), 96);
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->styleName(), QStringLiteral("Book"));  // not "Regular", nor an oblique
    EXPECT_DOUBLE_EQ(opened->pointSizeF(), 10.5);
    EXPECT_EQ(ChosenLogFont(lf, *opened, *opened, 96), lf);

    QFont bold = *opened;
    bold.setWeight(QFont::Bold);
    const LogFont restyled = ChosenLogFont(lf, *opened, bold, 96);
    EXPECT_EQ(restyled.lfWeight, 700);
    EXPECT_EQ(restyled.lfHeight, -14);
    QFont larger = *opened;
    larger.setPointSize(20);
    EXPECT_EQ(ChosenLogFont(lf, *opened, larger, 96).lfHeight, -27);
}

}  // namespace
