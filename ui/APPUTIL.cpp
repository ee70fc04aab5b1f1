// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/APPUTIL.h"

#include "lists/ListStore.h"
#include "platform/AnswerPicture.h"
#include "platform/BitmapLoader.h"
#include "platform/PixelCache.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

#include "translations/Translations.h"

namespace {

// The caption of `picture` in the learner's language, as the button's name reads; empty
// while the program speaks English, or the translation has none of its own.
QString LearnersCaption(const AnswerPicture::Default& picture) {
    if (!Translations::Active()) return QString();
    const QString english = QString::fromLatin1(picture.caption);
    const QString caption = Translations::DialogText(english);
    return caption == english ? QString() : caption;
}

// A plain file's bytes; nothing for a pipe or device, whose opening could wait for good.
QByteArray Contents(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                      : QByteArray();
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

// Where the picture drawn from the list's file `bytes` with `caption` at `size` is kept, so
// that later starts load it instead of drawing it, which takes a font of its own and
// several milliseconds each. Only pictures drawn from the shipped files are kept, so the
// key, a hash of the bytes, stands for that check too.
QString CachedPicturePath(const QByteArray& bytes, const QString& caption, QSize size) {
    // The drawing's own version: a changed drawing must not show the old pictures.
    const QByteArray how = QStringLiteral("1 %1 %2x%3 ")
                               .arg(bytes.size())
                               .arg(size.width())
                               .arg(size.height())
                               .toUtf8() +
                           caption.toUtf8();
    return PixelCache::PathFor(bytes, how);
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
    QImage image = PixelCache::Load(kept, size, QImage::Format_RGB32);
    if (!image.isNull()) return QPixmap::fromImage(image);
    if (!IsShippedPicture(bytes, answer)) return QPixmap();
    // As read back from the file, which holds no alpha.
    image = Stretched(
        AnswerPicture::DrawListFile(answer, caption).convertToFormat(QImage::Format_RGB32), width,
        height);
    PixelCache::Keep(image, kept);
    return QPixmap::fromImage(image);
}

// The list's bitmap `file` as LoadBitmapFile gives it, kept in the cache from the first start
// on: reading a bitmap takes Qt's image reader, which looks through the image plugins, and a
// smooth scaling, where the kept pixels are read in a fraction of the time. A file changed
// since has other bytes, so another key.
QPixmap ListBitmap(const char* file, int width, int height) {
    // A bitmap larger than any button needs is read as it always was, not hashed whole.
    constexpr qint64 kLargestKept = 4 << 20;
    const QString path = QString::fromLocal8Bit(file);
    const QByteArray bytes = QFileInfo(path).size() <= kLargestKept ? Contents(path) : QByteArray();
    const QString kept = bytes.isEmpty()
                             ? QString()
                             : PixelCache::PathFor(bytes, "bitmap 1 " + QByteArray::number(width) +
                                                              'x' + QByteArray::number(height));
    QImage image = PixelCache::Load(kept);
    // Of the size asked for, where one is.
    if ((width > 0 && image.width() != width) || (height > 0 && image.height() != height))
        image = QImage();
    if (!image.isNull()) return QPixmap::fromImage(image);
    const QPixmap bitmap = LoadBitmapFile(file, width, height);
    if (!bitmap.isNull() && !kept.isEmpty()) PixelCache::Keep(bitmap.toImage(), kept);
    return bitmap;
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
    if (file) bitmap = ListBitmap(file, width, height);
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
