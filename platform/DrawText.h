#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Text layout as the Windows DrawText call does it, in the painter's font and pen: alignment,
// single-line or word-wrapped lines, clipping to the rectangle and the ampersand prefix (an
// '&' underlines the character after it and "&&" shows one '&').

#include "platform/Rect.h"

#include <QString>

#include <cstdint>

class QPainter;

constexpr uint32_t DT_LEFT = 0x0;
constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_NOPREFIX = 0x800;

// Draws `text` into `rect` with the DT_ flags in `format`; the background is left as it is.
// A word wider than a wrapped line is not split: it runs over the edge and is clipped. A run
// without spaces (Chinese, Japanese, Thai) breaks where Unicode's line-breaking rules allow.
void DrawText(QPainter& painter, const QString& text, const Rect& rect, uint32_t format);
