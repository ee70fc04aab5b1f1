// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/BitmapLoader.h"

#include "platform/Resources.h"

#include <QImage>
#include <QImageReader>

namespace {

QPixmap LoadStretched(const QString& path, int width, int height) {
    QImageReader reader(path, "bmp");
    reader.setDecideFormatFromContent(false);
    QImage image;
    if (!reader.read(&image) || image.isNull()) return QPixmap();
    const int w = width > 0 ? width : image.width();
    const int h = height > 0 ? height : image.height();
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
