// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/APPUTIL.h"

#include "lists/ListStore.h"
#include "platform/AnswerPicture.h"
#include "platform/BitmapLoader.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "platform/Translations.h"
#include "platform/WindowOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdint>
#include <cstring>
#include <filesystem>

namespace {

// The caption of `picture` in the learner's language, as the button's name reads; empty
// while the program speaks English, or the translation has none of its own.
QString LearnersCaption(const AnswerPicture::Default& picture) {
    if (!Translations::Active()) return QString();
    const QString english = QString::fromLatin1(picture.caption);
    const QString caption = Translations::DialogText(english);
    return caption == english ? QString() : caption;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether `bytes`, a list's file, are byte for byte the picture the program ships for it:
// only then are its English words the program's own and not the user's.
bool IsShippedPicture(const QByteArray& bytes, const AnswerPicture::Default& picture) {
    const std::filesystem::path defaults =
        ListStore::FindDefaults(QCoreApplication::applicationDirPath().toStdString());
    if (defaults.empty() || bytes.isEmpty()) return false;
    const QString shipped = QString::fromStdString((defaults / picture.listFile).string());
    return QFileInfo(shipped).size() == bytes.size() && Contents(shipped) == bytes;
}

// FNV-1a over `bytes`, from `basis`: the same on every start, unlike Qt's seeded hashes.
uint64_t Fnv1a(const QByteArray& bytes, uint64_t basis) {
    uint64_t hash = basis;
    for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    return hash;
}

// Where the picture drawn from the list's file `bytes` with `caption` at `size` is kept, so
// that later starts load it instead of drawing it, which takes a font of its own and
// several milliseconds each. Only pictures drawn from the shipped files are kept, so the
// key stands for that check too: two 64-bit hashes of the bytes, as a cryptographic one
// over every start's 120 KB would cost what the cache saves. Empty without a cache folder.
QString CachedPicturePath(const QByteArray& bytes, const QString& caption, QSize size) {
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty()) return QString();
    // The drawing's own version: a changed drawing must not show the old pictures.
    const QByteArray rest = QStringLiteral("1 %1 %2x%3 ")
                                .arg(bytes.size())
                                .arg(size.width())
                                .arg(size.height())
                                .toUtf8() +
                            caption.toUtf8();
    const auto hex = [](uint64_t value) {
        return QString::number(value, 16).rightJustified(16, QLatin1Char('0'));
    };
    return cache + QStringLiteral("/quibbix/pictures/") + hex(Fnv1a(bytes, 0xcbf29ce484222325ULL)) +
           hex(Fnv1a(bytes, 0x84222325cbf29ce4ULL)) + hex(Fnv1a(rest, 0xcbf29ce484222325ULL)) +
           QStringLiteral(".rgb");
}

// The kept picture: a line "quibbix-picture WIDTH HEIGHT", then its pixels as 32-bit RGB,
// read back without an image format or its plugins. Null when it is not such a file.
QImage KeptPicture(const QString& path, QSize size) {
    const QByteArray kept = Contents(path);
    const QByteArray header =
        QStringLiteral("quibbix-picture %1 %2\n").arg(size.width()).arg(size.height()).toLatin1();
    const qsizetype pixels = qsizetype(size.width()) * size.height() * 4;
    if (!kept.startsWith(header) || kept.size() != header.size() + pixels) return QImage();
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull() || image.sizeInBytes() != pixels) return QImage();
    std::memcpy(image.bits(), kept.constData() + header.size(), size_t(pixels));
    return image;
}

// Keeps `image` at `path` for the next start; a cache that cannot be written only costs
// the next start the drawing.
void Keep(QImage image, const QString& path) {
    image = image.convertToFormat(QImage::Format_RGB32);
    const qsizetype pixels = qsizetype(image.width()) * image.height() * 4;
    if (path.isEmpty() || image.sizeInBytes() != pixels || !QDir().mkpath(QFileInfo(path).path()))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(QStringLiteral("quibbix-picture %1 %2\n")
                   .arg(image.width())
                   .arg(image.height())
                   .toLatin1());
    file.write(reinterpret_cast<const char*>(image.constBits()), pixels);
    file.commit();
}

// Stretched as a loaded bitmap is; a width or height of 0 or less keeps the picture's own.
QImage Stretched(const QImage& image, int width, int height) {
    const int w = width > 0 ? width : image.width();
    const int h = height > 0 ? height : image.height();
    if (image.size() == QSize(w, h)) return image;
    return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The list's `file` drawn anew with `caption` when it is the shipped picture, from the cache
// when an earlier start drew it; null when the file is the user's own or cannot be read.
QPixmap TranslatedListPicture(const AnswerPicture::Default& answer, const QString& caption,
                              const char* file, int width, int height) {
    const QByteArray bytes = Contents(QString::fromLocal8Bit(file));
    if (bytes.isEmpty()) return QPixmap();
    const QSize size(width > 0 ? width : answer.width * AnswerPicture::kListScale,
                     height > 0 ? height : answer.height * AnswerPicture::kListScale);
    const QString kept = CachedPicturePath(bytes, caption, size);
    QImage image = kept.isEmpty() ? QImage() : KeptPicture(kept, size);
    if (!image.isNull()) return QPixmap::fromImage(image);
    if (!IsShippedPicture(bytes, answer)) return QPixmap();
    // As read back from the file, which holds no alpha.
    image = Stretched(
        AnswerPicture::DrawListFile(answer, caption).convertToFormat(QImage::Format_RGB32), width,
        height);
    Keep(image, kept);
    return QPixmap::fromImage(image);
}

}  // namespace

QPixmap LoadBitmapImage(const char* name, int width, int height, const char* file) {
    // The program's own pictures carry English captions; a learner reading another language
    // gets them drawn anew, alike but for the words. A user's own pictures stay as they are.
    const AnswerPicture::Default* answer = AnswerPicture::Find(name);
    const QString caption = answer ? LearnersCaption(*answer) : QString();
    if (file && !caption.isEmpty()) {
        QPixmap translated = TranslatedListPicture(*answer, caption, file, width, height);
        if (!translated.isNull()) return translated;
    }
    QPixmap bitmap;
    if (file) bitmap = LoadBitmapFile(file, width, height);
    if (!bitmap.isNull()) return bitmap;
    if (!name) return bitmap;
    if (caption.isEmpty()) return LoadBitmapResource(name, width, height);
    return QPixmap::fromImage(Stretched(
        AnswerPicture::Draw(answer->answer, answer->width, answer->height, false, caption), width,
        height));
}

QPixmap SetButtonBitmap(PushButton* button, const char* name, int marginX, int marginY,
                        const char* file) {
    const Rect client = GetClientRect(button);
    QPixmap bitmap = LoadBitmapImage(name, client.right - marginX, client.bottom - marginY, file);
    if (!bitmap.isNull()) button->SetBitmap(bitmap);
    return bitmap;
}

const EnhMetaFile* SetStaticMetaFile(StaticControl* control, const char* file) {
    if (!control) return nullptr;
    // A picture's place only decorates, shown or not: a screen reader passes it by.
    control->SetDecorative(true);
    std::unique_ptr<EnhMetaFile> picture = file ? EnhMetaFile::Load(file) : nullptr;
    if (!picture) return nullptr;
    const EnhMetaFile* shown = picture.get();
    control->SetEnhMetaFile(std::move(picture));
    return shown;
}
