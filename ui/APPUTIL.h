#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Gives the answer buttons and the frame strips their pictures: a file under list/ first, so
// that users can put their own, and for the buttons a built-in bitmap when the file fails.
// A control keeps the picture it is given; a missing picture leaves it as it was.

#include "platform/EnhMetaFile.h"

#include <QPixmap>

class PushButton;
class StaticControl;

// The bitmap `file` (may be null) stretched to width x height, else the built-in bitmap
// `name` at that size; a null pixmap when neither loads. In another language than English an
// answer picture of the program's own, the built-in one or the file as shipped, is drawn
// anew with the caption in the learner's language.
QPixmap LoadBitmapImage(const char* name, int width, int height, const char* file);
// Shows on `button` its picture, marginX and marginY pixels smaller than its client area.
// Returns the picture shown, or a null pixmap when nothing loaded.
QPixmap SetButtonBitmap(PushButton* button, const char* name, int marginX, int marginY,
                        const char* file);
// Shows the enhanced metafile `file` on `control`, stretched over it. Returns the picture,
// which the control owns, or null when the file did not load.
const EnhMetaFile* SetStaticMetaFile(StaticControl* control, const char* file);
