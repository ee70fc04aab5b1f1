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
#include <QFile>
#include <QFileInfo>

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

// Whether `file` holds, byte for byte, the picture the program ships for it: only then are
// its English words the program's own and not the user's.
bool IsShippedPicture(const char* file, const AnswerPicture::Default& picture) {
    const std::filesystem::path defaults =
        ListStore::FindDefaults(QCoreApplication::applicationDirPath().toStdString());
    if (defaults.empty()) return false;
    const QString shipped = QString::fromStdString((defaults / picture.listFile).string());
    if (QFileInfo(shipped).size() != QFileInfo(QString::fromLocal8Bit(file)).size()) return false;
    const QByteArray ours = Contents(shipped);
    return !ours.isEmpty() && ours == Contents(QString::fromLocal8Bit(file));
}

// Stretched as a loaded bitmap is; a width or height of 0 or less keeps the picture's own.
QPixmap Stretched(const QImage& image, int width, int height) {
    const int w = width > 0 ? width : image.width();
    const int h = height > 0 ? height : image.height();
    if (image.size() == QSize(w, h)) return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

}  // namespace

QPixmap LoadBitmapImage(const char* name, int width, int height, const char* file) {
    // The program's own pictures carry English captions; a learner reading another language
    // gets them drawn anew, alike but for the words. A user's own pictures stay as they are.
    const AnswerPicture::Default* answer = AnswerPicture::Find(name);
    const QString caption = answer ? LearnersCaption(*answer) : QString();
    QPixmap bitmap;
    if (file) bitmap = LoadBitmapFile(file, width, height);
    if (!bitmap.isNull()) {
        if (caption.isEmpty() || !IsShippedPicture(file, *answer)) return bitmap;
        // As read back from the file, which holds no alpha.
        return Stretched(
            AnswerPicture::DrawListFile(*answer, caption).convertToFormat(QImage::Format_RGB32),
            width, height);
    }
    if (!name) return bitmap;
    if (caption.isEmpty()) return LoadBitmapResource(name, width, height);
    return Stretched(
        AnswerPicture::Draw(answer->answer, answer->width, answer->height, false, caption), width,
        height);
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
