// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/APPUTIL.h"

#include "platform/BitmapLoader.h"
#include "platform/PushButton.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"

QPixmap LoadBitmapImage(const char* name, int width, int height, const char* file) {
    QPixmap bitmap;
    if (file) bitmap = LoadBitmapFile(file, width, height);
    if (bitmap.isNull() && name) bitmap = LoadBitmapResource(name, width, height);
    return bitmap;
}

QPixmap SetButtonBitmap(PushButton* button, const char* name, int marginX, int marginY,
                        const char* file) {
    const Rect client = GetClientRect(button);
    QPixmap bitmap = LoadBitmapImage(name, client.right - marginX, client.bottom - marginY, file);
    if (!bitmap.isNull()) button->SetBitmap(bitmap);
    return bitmap;
}

const EnhMetaFile* SetStaticMetaFile(StaticControl* control, const char* file) {
    std::unique_ptr<EnhMetaFile> picture = file ? EnhMetaFile::Load(file) : nullptr;
    if (!picture) return nullptr;
    const EnhMetaFile* shown = picture.get();
    control->SetEnhMetaFile(std::move(picture));
    return shown;
}
