#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures drawn once and kept as raw pixels in the user's cache folder, so that later starts
// read them back instead of drawing them again: a picture with words in it or a vector frame
// takes milliseconds to draw, its pixels a fraction of one to read. A kept file is a line
// "quibbix-picture WIDTH HEIGHT" (opaque pixels) or "quibbix-picture-alpha WIDTH HEIGHT"
// (premultiplied), then the pixels at 32 bits each, read without an image format or its
// plugins. Keys are hashes that are the same on every start (Qt's own are seeded). The folder
// keeps the 64 files written last; older ones are removed as new ones come.

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace PixelCache {

// Where the picture drawn from `source` in the way `how` tells (its size, its caption, the
// drawing's version: whatever else changes the pixels) is kept; empty without a cache folder.
QString PathFor(const QByteArray& source, const QByteArray& how);
// The picture kept at `path`, in Format_RGB32 or Format_ARGB32_Premultiplied as it was kept;
// null when there is none or the file is not such a picture.
QImage Load(const QString& path);
// The same, null unless the picture is of `size` in `format`.
QImage Load(const QString& path, QSize size, QImage::Format format);
// Keeps `image` at `path`, opaque unless it is premultiplied ARGB. A cache that cannot be
// written only costs the next start the drawing.
void Keep(const QImage& image, const QString& path);
// A verdict on a source kept without pixels, such as "this picture parses": whether an
// earlier start noted it at `path`, and noting it there.
bool IsNoted(const QString& path);
void Note(const QString& path);

}  // namespace PixelCache
