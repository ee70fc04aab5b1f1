#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Draws the pictures of the three answer buttons: a face above its caption on white.

#include <QImage>

enum class Answer { Know, Unsure, DontKnow };

// `rich` draws for true colour (shading, smooth edges); otherwise the picture keeps to the
// 16 colours of the Windows palette with hard edges, to be stored as a 4-bit bitmap.
QImage DrawAnswerPicture(Answer answer, int width, int height, bool rich);
// The program icon: the "I Know" face alone on transparent ground.
QImage DrawIconFace(int size);
