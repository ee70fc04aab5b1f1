// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/BitmapLoader.h"

#include "platform/Resources.h"

#include <QImage>
#include <QImageReader>

#include <algorithm>

namespace {

// A damaged bitmap may hold pixel indices past the end of its palette, and Qt's drawing code
// looks them up unchecked (reading past the table, or crashing). Giving the palette every
// entry its depth can index, the new ones opaque black, makes each index safe to look up.
void CompletePalette(QImage& image) {
    QList<QRgb> colors = image.colorTable();
    const qsizetype full = qsizetype{1} << image.depth();
    if (colors.isEmpty() || colors.size() >= full) return;
    colors.resize(full, qRgb(0, 0, 0));
    image.setColorTable(colors);
}

// A button shows a few hundred pixels across; a damaged header may claim millions, which
// would take seconds to fill and scale for nothing.
constexpr int kLargestSide = 8192;

QPixmap LoadStretched(const QString& path, int width, int height) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    // Otherwise Qt asks every image plugin whether it reads "bmp", loading each and the JPEG
    // library with them, though only its own BMP reader ever does.
    reader.setAutoDetectImageFormat(false);
    const QSize claimed = reader.size();
    if (claimed.width() > kLargestSide || claimed.height() > kLargestSide) return QPixmap();
    QImage image;
    if (!reader.read(&image) || image.isNull()) return QPixmap();
    if (image.depth() <= 8) CompletePalette(image);
    const int w = width > 0 ? width : image.width();
    const int h = height > 0 ? height : image.height();
    // Many times the button's size: first cheaply down to twice it, so that the smooth
    // scaling works on the pixels it needs, not on all of a large picture.
    if (image.width() > 4 * w || image.height() > 4 * h)
        image = image.scaled(std::min(image.width(), 2 * w), std::min(image.height(), 2 * h),
                             Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (image.size() != QSize(w, h))
        image = image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap LoadBitmapFile(const std::string& path, int width, int height) {
    // A path starting with ':' would reach into the built-in resources.
    if (path.empty() || path[0] == ':') return QPixmap();
    return LoadStretched(QString::fromStdString(path), width, height);
}

QPixmap LoadBitmapResource(const std::string& name, int width, int height) {
    EnsureBuiltInResources();
    return LoadStretched(QStringLiteral(":/bitmaps/%1.bmp").arg(QString::fromStdString(name)),
                         width, height);
}
