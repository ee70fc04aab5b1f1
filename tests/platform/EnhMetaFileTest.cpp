// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/AtomicFile.h"
#include "platform/EnhMetaFile.h"
#include "platform/PixelCache.h"
#include "tests/support/CacheAt.h"
#include "tests/support/TempDir.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

std::string ListFile(const char* name) { return std::string(QUIBBIX_BUILT_LIST_DIR) + "/" + name; }
std::string Helper() { return std::string(QUIBBIX_BUILT_BIN_DIR) + "/quibbix-emf2svg"; }

int CountNear(const QImage& image, QColor colour, int tolerance = 40) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                    std::abs(c.blue() - colour.blue()) <=
                tolerance)
                ++count;
        }
    return count;
}

// A stand-in for the helper: a shell script that notes each run in runs.txt, then does `body`.
std::string ScriptHelper(const std::string& body) {
    const std::string path = std::filesystem::absolute("helper.sh").string();
    WriteFile(path, "#!/bin/sh\necho run >>'" + std::filesystem::absolute("runs.txt").string() +
                        "'\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
}

int Runs() {
    const std::string runs = ReadFile("runs.txt");
    return static_cast<int>(std::count(runs.begin(), runs.end(), '\n'));
}

std::string CacheDir() { return std::filesystem::absolute("cache").string(); }

// The drawings the pictures keep go to a cache of this run's own, not the user's.
class RunsOwnCache : public ::testing::Environment {
public:
    void SetUp() override { m_cache = std::make_unique<CacheAt>(m_folder.path()); }
    void TearDown() override { m_cache.reset(); }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<CacheAt> m_cache;
};
::testing::Environment* const kRunsOwnCache = ::testing::AddGlobalTestEnvironment(new RunsOwnCache);

TEST(EnhMetaFileTest, DefaultFrames_DrawStretchedInTheirColours) {
    for (const char* name : {"2Collar_V.emf", "2Collar_H.emf"}) {
        const auto picture = EnhMetaFile::Load(ListFile(name));
        ASSERT_NE(picture, nullptr) << name;
        QImage image(300, 300, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->Draw(painter, QRectF(0, 0, 300, 300));
        painter.end();
        // Stretched over the whole target whatever its shape: no white left in the corners.
        EXPECT_NE(image.pixelColor(1, 1), QColor(Qt::white)) << name;
        EXPECT_NE(image.pixelColor(298, 298), QColor(Qt::white)) << name;
        EXPECT_GT(CountNear(image, QColor(0x1B, 0x2A, 0x4A)), 300 * 300 / 10) << name;
        EXPECT_GT(CountNear(image, QColor(0xD4, 0xA0, 0x17)), 300 * 300 / 50) << name;
    }
}

TEST(EnhMetaFileTest, MissingOrForeignFile_GivesNothing) {
    TempDir dir;
    WriteFile("list/fake.emf", std::string(200, 'x'));
    WriteFile("list/short.emf", std::string("\x01\0\0\0", 4));
    EXPECT_EQ(EnhMetaFile::Load("list/none.emf"), nullptr);
    EXPECT_EQ(EnhMetaFile::Load("list/fake.emf"), nullptr);
    EXPECT_EQ(EnhMetaFile::Load("list/short.emf"), nullptr);
}

// The library frees an EMF+ object twice once it has seen this file three times in one
// process, as the window's three strips of one frame did, and the program aborted at start.
TEST(EnhMetaFileTest, FileTheConverterFreesTwice_LoadsOverAndOverWithoutHarm) {
    const std::string file =
        std::string(QUIBBIX_SOURCE_ROOT) + "/tests/platform/data/EmfPlusObjectFreedTwice.emf";
    for (int i = 0; i < 5; ++i) EnhMetaFile::Load(file);
}

TEST(EnhMetaFileTest, Conversion_RunsTheHelperOnce_LaterLoadsComeFromTheCache) {
    TempDir dir;
    const std::string helper = ScriptHelper("exec '" + Helper() + "'");
    std::filesystem::copy_file(ListFile("2Collar_V.emf"), "list/2Collar_V.emf");
    std::filesystem::copy_file(ListFile("2Collar_H.emf"), "list/2Collar_H.emf");
    {
        const MetaFileConverter converter(helper, CacheDir());
        EXPECT_NE(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr);
        EXPECT_NE(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr);
    }
    // As at the next start.
    const MetaFileConverter converter(helper, CacheDir());
    EXPECT_NE(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr);
    EXPECT_EQ(Runs(), 1);
    // Other bytes are another picture.
    EXPECT_NE(EnhMetaFile::Load("list/2Collar_H.emf", converter), nullptr);
    EXPECT_EQ(Runs(), 2);
}

TEST(EnhMetaFileTest, HelperThatFails_GivesNothingQuickly_AndRunsOncePerFile) {
    const struct {
        const char* what;
        const char* body;
        int timeoutMs;
        int withinMs;
        bool triedAgainAtNextStart;
    } table[] = {
        {"crashes", "kill -SEGV $$", 2000, 1500, false},
        {"refuses", "exit 1", 2000, 1500, false},
        {"writes no SVG", "echo 'not a picture'", 2000, 1500, false},
        {"spins past its processor limit", "while :; do :; done", 10000, 6000, false},
        // Only the clock stops it; a busy machine's slowness is not kept.
        {"sleeps", "exec sleep 30", 300, 1500, true},
    };
    for (const auto& t : table) {
        TempDir dir;
        std::filesystem::copy_file(ListFile("2Collar_V.emf"), "list/2Collar_V.emf");
        const std::string helper = ScriptHelper(t.body);
        QElapsedTimer clock;
        clock.start();
        {
            const MetaFileConverter converter(helper, CacheDir(), t.timeoutMs);
            EXPECT_EQ(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr) << t.what;
            EXPECT_EQ(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr) << t.what;
        }
        EXPECT_LT(clock.elapsed(), t.withinMs) << t.what;
        EXPECT_EQ(Runs(), 1) << t.what;
        const MetaFileConverter converter(helper, CacheDir(), t.timeoutMs);
        EXPECT_EQ(EnhMetaFile::Load("list/2Collar_V.emf", converter), nullptr) << t.what;
        EXPECT_EQ(Runs(), t.triedAgainAtNextStart ? 2 : 1) << t.what;
    }
}

TEST(EnhMetaFileTest, MissingHelper_GivesNothing_AndKeepsNoVerdict) {
    TempDir dir;
    std::filesystem::copy_file(ListFile("2Collar_V.emf"), "list/2Collar_V.emf");
    EXPECT_EQ(EnhMetaFile::Load("list/2Collar_V.emf", MetaFileConverter("none", CacheDir())),
              nullptr);
    EXPECT_NE(EnhMetaFile::Load("list/2Collar_V.emf", MetaFileConverter(Helper(), CacheDir())),
              nullptr);
}

// The picture is kept as pixels between paints: they must be the very pixels the vectors give
// drawn straight onto the window, at every size a strip takes, resized any way, at any scale.
TEST(EnhMetaFileTest, KeptPixels_LookAsTheVectorsDrawnDirectly) {
    std::string emf;
    ASSERT_TRUE(ReadWholeFile(ListFile("2Collar_V.emf"), emf));
    const std::string svg = MetaFileConverter(Helper(), "").ToSvg(emf);
    ASSERT_FALSE(svg.empty());
    QSvgRenderer vectors(QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    // Two pictures of one frame, as the window's strips are: they share one parse.
    const std::unique_ptr<EnhMetaFile> pictures[] = {EnhMetaFile::FromSvg(svg),
                                                     EnhMetaFile::FromSvg(svg)};
    ASSERT_NE(pictures[0], nullptr);
    ASSERT_NE(pictures[1], nullptr);
    const struct {
        int width, height;
        qreal ratio;
    } table[] = {{1180, 9, 1}, {12, 700, 1}, {600, 9, 1}, {1180, 9, 1}, {300, 40, 2}, {7, 3, 1.5}};
    for (size_t i = 0; i < std::size(table); ++i) {
        const auto& t = table[i];
        const auto paint = [&](bool direct) {
            QImage window(QSize(t.width + 20, t.height + 20) * t.ratio, QImage::Format_RGB32);
            window.setDevicePixelRatio(t.ratio);
            window.fill(QColor(0xEC, 0xE9, 0xD8));
            QPainter painter(&window);
            painter.setRenderHint(QPainter::Antialiasing);
            const QRectF target(10, 10, t.width, t.height);
            // As a strip's paint is clipped to its widget.
            painter.setClipRect(target);
            if (direct)
                vectors.render(&painter, target);
            else
                pictures[i % 2]->Draw(painter, target);
            return window;
        };
        EXPECT_TRUE(paint(true) == paint(false)) << t.width << "x" << t.height << " at " << t.ratio;
    }
}

}  // namespace

// A later start finds the first drawing kept and shows it without drawing; a size reached by
// resizing is drawn, never kept, so that dragging a window does not fill the cache.
TEST(EnhMetaFileTest, FirstDrawing_IsKeptForTheNextStart) {
    TempDir dir;
    const CacheAt cache(QString::fromStdString(CacheDir()));
    std::string emf;
    ASSERT_TRUE(ReadWholeFile(ListFile("2Collar_H.emf"), emf));
    const std::string svg = MetaFileConverter(Helper(), "").ToSvg(emf);
    const auto paint = [](const EnhMetaFile& picture, int width) {
        QImage window(width, 9, QImage::Format_RGB32);
        window.fill(Qt::white);
        QPainter painter(&window);
        picture.Draw(painter, QRectF(0, 0, width, 9));
        return window;
    };
    const QImage first = paint(*EnhMetaFile::FromSvg(svg), 300);
    const QDir kept(QString::fromStdString(CacheDir() + "/quibbix/pictures"));
    const auto keptFiles = [&] { return kept.entryInfoList(QDir::Files, QDir::Size); };
    ASSERT_EQ(2, keptFiles().size());  // the drawing, and the note that the picture parses
    EXPECT_EQ(first, paint(*EnhMetaFile::FromSvg(svg), 300));

    // Shown from the cache: a kept drawing changed behind its back shows as it now is.
    QImage red(300, 9, QImage::Format_ARGB32_Premultiplied);
    red.fill(Qt::red);
    PixelCache::Keep(red, keptFiles().front().filePath());
    const auto picture = EnhMetaFile::FromSvg(svg);
    EXPECT_EQ(QColor(Qt::red), paint(*picture, 300).pixelColor(150, 4));
    EXPECT_NE(QColor(Qt::red), paint(*picture, 200).pixelColor(100, 4));
    EXPECT_EQ(2, keptFiles().size());
}

// The cache keeps a bounded number of pictures, the one written last among them.
TEST(EnhMetaFileTest, PixelCache_KeepsTheLatestPicturesOnly) {
    TempDir dir;
    const CacheAt cache(QString::fromStdString(CacheDir()));
    QImage picture(4, 4, QImage::Format_RGB32);
    QString last;
    for (int i = 0; i < 70; ++i) {
        picture.fill(QColor(i, 0, 0));
        last = PixelCache::PathFor(QByteArray::number(i), "size");
        PixelCache::Keep(picture, last);
    }
    EXPECT_EQ(64, QDir(QFileInfo(last).path()).entryList(QDir::Files).size());
    EXPECT_EQ(picture, PixelCache::Load(last, QSize(4, 4), QImage::Format_RGB32));
}

// Transparency survives in any format a screen gives; a link in a picture's place is replaced,
// never written through.
TEST(EnhMetaFileTest, PixelCache_KeepsAlpha_AndNeverWritesThroughALink) {
    TempDir dir;
    QImage half(4, 4, QImage::Format_A2RGB30_Premultiplied);
    half.fill(QColor(0, 0, 255, 0));
    half.setPixelColor(0, 0, Qt::blue);
    const QString kept = PixelCache::PathFor("half", "size");
    PixelCache::Keep(half, kept);
    const QImage back = PixelCache::Load(kept);
    EXPECT_EQ(0, back.pixelColor(3, 3).alpha());
    EXPECT_EQ(QColor(Qt::blue), back.pixelColor(0, 0));

    WriteFile("victim.txt", "mine");
    const QString link = PixelCache::PathFor("link", "size");
    std::filesystem::create_symlink(std::filesystem::absolute("victim.txt"), link.toStdString());
    PixelCache::Keep(half, link);
    EXPECT_EQ("mine", ReadFile("victim.txt"));
    EXPECT_FALSE(QFileInfo(link).isSymLink());
}
