// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EnhMetaFile.h"
#include "tests/support/TempDir.h"

#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

std::string ListFile(const char* name) { return std::string(QUIBBIX_BUILT_LIST_DIR) + "/" + name; }

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

}  // namespace
