#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A dialog push button. A picture button (the BS_BITMAP style) shows its bitmap centred
// and never its text; before it has a bitmap it shows nothing. Every button draws a focus
// frame while it has the keyboard, however the focus came (the style's own frame shows only
// after a Tab), since Space presses the button that has it. A caption too wide for the button
// is drawn on two lines.

#include <QPixmap>
#include <QPushButton>

class PushButton : public QPushButton {
public:
    PushButton(const QString& text, bool isPictureButton, QWidget* parent = nullptr);

    // Shows `bitmap` and gives back the one shown before (null when there was none).
    QPixmap SetBitmap(const QPixmap& bitmap);
    const QPixmap& GetBitmap() const { return m_bitmap; }
    bool IsPictureButton() const { return m_isPictureButton; }
    // The caption as drawn: on two lines when it is wider than the button.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_isPictureButton;
    QPixmap m_bitmap;
};
