#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A dialog push button. A picture button (the BS_BITMAP style) shows its bitmap centred
// and never its text; before it has a bitmap it shows nothing.

#include <QPixmap>
#include <QPushButton>

class PushButton : public QPushButton {
public:
    PushButton(const QString& text, bool isPictureButton, QWidget* parent = nullptr);

    // Shows `bitmap` and gives back the one shown before (null when there was none).
    QPixmap SetBitmap(const QPixmap& bitmap);
    const QPixmap& GetBitmap() const { return m_bitmap; }
    bool IsPictureButton() const { return m_isPictureButton; }

private:
    bool m_isPictureButton;
    QPixmap m_bitmap;
};
