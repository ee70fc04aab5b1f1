// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PixelCache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdint>
#include <cstring>

namespace {

// FNV-1a over `bytes`, from `basis`. A cryptographic hash over the bytes of every picture at
// every start would cost much of what the cache saves; two 64-bit hashes of the source keep
// a different picture from ever matching by chance.
uint64_t Fnv1a(const QByteArray& bytes, uint64_t basis) {
    uint64_t hash = basis;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    return hash;
}

QString Hex(uint64_t value) {
    return QString::number(value, 16).rightJustified(16, QLatin1Char('0'));
}

// Pictures are kept for each size a window starts at, and a screen or its scale may change
// for good: past this many files the oldest go, and the next start that needs one draws it
// once more.
constexpr qsizetype kMostKept = 64;
// No window shows a picture larger on a side; a header claiming more is not one of ours.
constexpr int kLargestSide = 16384;

void Prune(const QString& folder) {
    const QFileInfoList kept =
        QDir(folder).entryInfoList({QStringLiteral("*.rgb")}, QDir::Files, QDir::Time);
    for (qsizetype i = kMostKept; i < kept.size(); ++i) QFile::remove(kept[i].filePath());
}

// Whether a picture can be kept at `path`, its folder made. Whatever else stands there goes
// first: a file saved over a link would land where the link points, anywhere on the disk.
bool Writable(const QString& path) {
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path())) return false;
    const QFileInfo there(path);
    if (there.isSymLink() || (there.exists() && !there.isFile())) QFile::remove(path);
    return true;
}

QByteArray Header(QSize size, QImage::Format format) {
    const char* kind = format == QImage::Format_RGB32 ? "quibbix-picture" : "quibbix-picture-alpha";
    return QByteArray(kind) + ' ' + QByteArray::number(size.width()) + ' ' +
           QByteArray::number(size.height()) + '\n';
}

}  // namespace

namespace PixelCache {

QString PathFor(const QByteArray& source, const QByteArray& how) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) return QString();
    return cache + QStringLiteral("/quibbix/pictures/") +
           Hex(Fnv1a(source, 0xcbf29ce484222325ULL)) + Hex(Fnv1a(source, 0x84222325cbf29ce4ULL)) +
           Hex(Fnv1a(how, 0xcbf29ce484222325ULL)) + QStringLiteral(".rgb");
}

QImage Load(const QString& path) {
    // Only a plain file: a pipe put in its place would hold the start.
    if (path.isEmpty() || !QFileInfo(path).isFile()) return QImage();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QImage();
    const QByteArray header = file.readLine(64);
    const QList<QByteArray> fields = header.trimmed().split(' ');
    if (fields.size() != 3) return QImage();
    const QImage::Format format =
        fields[0] == "quibbix-picture" ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied;
    const QSize size(fields[1].toInt(), fields[2].toInt());
    if (size.width() < 1 || size.height() < 1 || size.width() > kLargestSide ||
        size.height() > kLargestSide || header != Header(size, format))
        return QImage();
    const qint64 pixels = qint64(size.width()) * size.height() * 4;
    if (file.size() != header.size() + pixels) return QImage();
    QImage image(size, format);
    if (image.isNull() || image.sizeInBytes() != pixels) return QImage();
    if (file.read(reinterpret_cast<char*>(image.bits()), pixels) != pixels) return QImage();
    return image;
}

QImage Load(const QString& path, QSize size, QImage::Format format) {
    const QImage image = Load(path);
    return image.size() == size && image.format() == format ? image : QImage();
}

void Keep(const QImage& image, const QString& path) {
    const QImage kept = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    const qint64 pixels = qint64(kept.width()) * kept.height() * 4;
    if (!Writable(path) || kept.sizeInBytes() != pixels) return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(Header(kept.size(), kept.format()));
    file.write(reinterpret_cast<const char*>(kept.constBits()), pixels);
    if (file.commit()) Prune(QFileInfo(path).path());
}

bool IsNoted(const QString& path) { return !path.isEmpty() && QFileInfo::exists(path); }

void Note(const QString& path) {
    if (!Writable(path)) return;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.commit()) Prune(QFileInfo(path).path());
}

}  // namespace PixelCache
