// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AnswerPicture.h"
#include "platform/BitmapLoader.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "tests/support/CacheAt.h"
#include "tests/support/TempDir.h"
#include "tests/ui/PixelTools.h"
#include "ui/APPUTIL.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTranslator>

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

#include "translations/Translations.h"

namespace {

std::string Encoded(QColor colour, const char* format) {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

class APPUTILTest : public ::testing::Test {
protected:
    APPUTILTest() : m_button(QString(), true) { m_button.resize(60, 50); }

    TempDir m_dir;
    PushButton m_button;
};

TEST_F(APPUTILTest, ButtonBitmap_ComesFromTheFileFirst_FiveSmallerEachWay) {
    WriteFile("list/Yes.bmp", Encoded(Qt::blue, "BMP"));
    const QPixmap shown = SetButtonBitmap(&m_button, "BMP_YES", 5, 5, "list/Yes.bmp");
    ASSERT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), QSize(55, 45));
    EXPECT_EQ(shown.toImage().pixelColor(27, 22), QColor(Qt::blue));
    EXPECT_EQ(m_button.GetBitmap().cacheKey(), shown.cacheKey());
    EXPECT_EQ(m_button.iconSize(), QSize(55, 45));
}

// A list's bitmap is read once, then shown from the cache, until the file changes.
TEST_F(APPUTILTest, ListBitmap_IsKeptForLaterStarts_UntilTheFileChanges) {
    const CacheAt cache(QDir::currentPath() + QStringLiteral("/cache"));
    WriteFile("list/Unsure.bmp", Encoded(Qt::blue, "BMP"));
    const QImage first = LoadBitmapImage("BMP_UNSURE", 55, 45, "list/Unsure.bmp").toImage();
    EXPECT_EQ(first, LoadBitmapFile("list/Unsure.bmp", 55, 45).toImage());
    EXPECT_EQ(1u, QDir(QStringLiteral("cache/quibbix/pictures")).entryList(QDir::Files).size());
    EXPECT_EQ(first, LoadBitmapImage("BMP_UNSURE", 55, 45, "list/Unsure.bmp").toImage());
    WriteFile("list/Unsure.bmp", Encoded(Qt::red, "BMP"));
    EXPECT_EQ(QColor(Qt::red),
              LoadBitmapImage("BMP_UNSURE", 55, 45, "list/Unsure.bmp").toImage().pixelColor(9, 9));
}

TEST_F(APPUTILTest, MissingOrForeignFile_FallsBackToTheBuiltInBitmap) {
    const QImage builtIn = LoadBitmapResource("BMP_YES", 55, 45).toImage();
    ASSERT_FALSE(builtIn.isNull());
    WriteFile("list/Png.bmp", Encoded(Qt::blue, "PNG"));
    WriteFile("list/Text.bmp", "not a picture");
    for (const char* file : {"list/Missing.bmp", "list/Png.bmp", "list/Text.bmp"}) {
        const QPixmap shown = SetButtonBitmap(&m_button, "BMP_YES", 5, 5, file);
        ASSERT_FALSE(shown.isNull()) << file;
        EXPECT_EQ(shown.toImage(), builtIn) << file;
    }
    EXPECT_EQ(LoadBitmapImage("BMP_YES", 55, 45, nullptr).toImage(), builtIn);
}

// An 8 x 8 bitmap of 8-bit indices whose palette has two colours while every pixel asks for
// colour 255.
std::string BitmapWithIndicesPastItsPalette() {
    std::string bmp = "BM";
    const auto put32 = [&bmp](uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const auto put16 = [&bmp](uint16_t v) {
        bmp += static_cast<char>(v & 0xFF);
        bmp += static_cast<char>(v >> 8);
    };
    const uint32_t pixelsAt = 14 + 40 + 2 * 4;
    put32(pixelsAt + 64), put32(0), put32(pixelsAt);
    put32(40), put32(8), put32(8), put16(1), put16(8), put32(0), put32(64), put32(2835),
        put32(2835), put32(2), put32(2);
    put32(0x00FF0000), put32(0x0000FF00);
    bmp += std::string(64, '\xFF');
    return bmp;
}

TEST_F(APPUTILTest, ABitmapWithIndicesPastItsPalette_StretchesThemBlack) {
    WriteFile("list/Yes.bmp", BitmapWithIndicesPastItsPalette());
    // Stretching is where the unchecked lookups happen.
    const QImage shown = LoadBitmapFile("list/Yes.bmp", 55, 45).toImage();
    ASSERT_EQ(shown.size(), QSize(55, 45));
    EXPECT_EQ(CountColour(shown, QColor(Qt::black), shown.rect()), 55 * 45);
}

TEST_F(APPUTILTest, BuiltInBitmaps_HaveTheirSizesAndFaces) {
    const struct {
        const char* name;
        QSize size;
        QColor face;
    } table[] = {
        {"BMP_YES", {53, 54}, QColor(0, 0xFF, 0)},
        {"BMP_UNSURE", {59, 52}, QColor(0xFF, 0xFF, 0)},
        {"BMP_DONOT_KNOW", {76, 50}, QColor(0xFF, 0, 0)},
    };
    for (const auto& t : table) {
        const QImage image = LoadBitmapResource(t.name, 0, 0).toImage();
        EXPECT_EQ(image.size(), t.size) << t.name;
        EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::white)) << t.name;
        EXPECT_GT(CountColour(image, t.face, image.rect()), 200) << t.name;
    }
}

// The answer buttons' names as a German learner reads them.
class GermanAnswers : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::string(context) != "Dialog") return QString();
        for (const auto& [english, german] :
             {std::pair{"I Know", "Weiß ich"}, std::pair{"Not Sure", "Nicht sicher"},
              std::pair{"Don't Know", "Weiß nicht"}})
            if (std::string(source) == english) return QString::fromUtf8(german);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

std::string BmpBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

// The pictures the program draws are the ones it ships, so that a caption drawn anew in
// another language keeps their look.
TEST_F(APPUTILTest, DrawnPictures_AreTheShippedOnes) {
    for (const AnswerPicture::Default& picture : AnswerPicture::kDefaults) {
        SCOPED_TRACE(picture.listFile);
        EXPECT_EQ(ReadFile(std::string(QUIBBIX_BUILT_LIST_DIR) + "/" + picture.listFile),
                  BmpBytes(AnswerPicture::DrawListFile(picture)));
        EXPECT_EQ(LoadBitmapResource(picture.resourceName, 0, 0).toImage(),
                  AnswerPicture::Draw(picture.answer, picture.width, picture.height, false));
    }
}

// In German the shipped picture and the built-in one carry German captions; a user's own
// picture stays as it is, and in English every picture is what it always was.
TEST_F(APPUTILTest, LearnersLanguage_OnlyTheProgramsOwnPicturesChangeTheirCaptions) {
    const AnswerPicture::Default& yes = AnswerPicture::kDefaults[0];
    std::filesystem::copy_file(std::string(QUIBBIX_BUILT_LIST_DIR) + "/Yes.bmp", "list/Yes.bmp");
    WriteFile("list/Unsure.bmp", Encoded(Qt::blue, "BMP"));
    const QImage englishYes = LoadBitmapImage("BMP_YES", 55, 45, "list/Yes.bmp").toImage();
    const QImage englishNo = LoadBitmapImage("BMP_DONOT_KNOW", 55, 45, "list/No.bmp").toImage();
    EXPECT_EQ(englishYes, LoadBitmapFile("list/Yes.bmp", 55, 45).toImage());
    EXPECT_EQ(englishNo, LoadBitmapResource("BMP_DONOT_KNOW", 55, 45).toImage());

    GermanAnswers german;
    Translations::Use(&german, QStringLiteral("de"));
    std::optional<CacheAt> cache(std::in_place, QDir::currentPath() + QStringLiteral("/cache"));
    const QImage germanYes = LoadBitmapImage("BMP_YES", 55, 45, "list/Yes.bmp").toImage();
    // Drawn once, then kept for the next start, which shows the very same picture.
    EXPECT_EQ(1u, QDir(QStringLiteral("cache/quibbix/pictures")).entryList(QDir::Files).size());
    EXPECT_EQ(germanYes, LoadBitmapImage("BMP_YES", 55, 45, "list/Yes.bmp").toImage());
    cache.reset();
    const QImage germanNo = LoadBitmapImage("BMP_DONOT_KNOW", 55, 45, "list/No.bmp").toImage();
    const QImage ownUnsure = LoadBitmapImage("BMP_UNSURE", 55, 45, "list/Unsure.bmp").toImage();
    QCoreApplication::removeTranslator(&german);
    Translations::Use(&german, QString());
    QCoreApplication::removeTranslator(&german);

    EXPECT_EQ(germanYes, AnswerPicture::DrawListFile(yes, QStringLiteral("Weiß ich"))
                             .convertToFormat(QImage::Format_RGB32)
                             .scaled(55, 45, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    EXPECT_NE(germanYes, englishYes);
    // The faces stay: the German picture differs from the English one in the caption only.
    const QRect face(0, 0, 55, 28);
    EXPECT_EQ(germanYes.copy(face), englishYes.copy(face));
    EXPECT_NE(germanNo, englishNo);
    EXPECT_EQ(ownUnsure.pixelColor(27, 22), QColor(Qt::blue));
}

TEST_F(APPUTILTest, NothingLoads_LeavesTheButtonAsItWas) {
    EXPECT_TRUE(SetButtonBitmap(&m_button, "BMP_NONE", 5, 5, "list/Missing.bmp").isNull());
    EXPECT_TRUE(m_button.GetBitmap().isNull());
    EXPECT_TRUE(m_button.icon().isNull());
}

TEST_F(APPUTILTest, MetaFile_DrawsOverTheStrip_AndAMissingOneLeavesItAlone) {
    const std::string frame = std::string(QUIBBIX_BUILT_LIST_DIR) + "/2Collar_V.emf";
    std::filesystem::copy_file(frame, "list/2Collar_V.emf");
    StaticControl strip;
    strip.setText(QStringLiteral("Static"));
    strip.resize(400, 18);
    EXPECT_EQ(SetStaticMetaFile(&strip, "list/2Collar_H.emf"), nullptr);
    EXPECT_EQ(strip.GetEnhMetaFile(), nullptr);

    const EnhMetaFile* shown = SetStaticMetaFile(&strip, "list/2Collar_V.emf");
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(strip.GetEnhMetaFile(), shown);
    const QImage image = strip.grab().toImage();
    EXPECT_GT(CountColour(image, QColor(0x1B, 0x2A, 0x4A), image.rect()), 400 * 18 / 10);

    EXPECT_EQ(SetStaticMetaFile(&strip, "list/Missing.emf"), nullptr);
    EXPECT_EQ(strip.GetEnhMetaFile(), shown);
}

}  // namespace
