#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Text layout as the Windows DrawText call does it, in the painter's font and pen: alignment,
// single-line or word-wrapped lines, clipping to the rectangle and the ampersand prefix (an
// '&' underlines the character after it and "&&" shows one '&').

#include "platform/Rect.h"

#include <QSize>
#include <QString>

#include <cstdint>
#include <vector>

class QFontMetrics;
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
constexpr uint32_t DT_RTLREADING = 0x20000;

// Draws `text` into `rect` with the DT_ flags in `format`; the background is left as it is.
// A word wider than a wrapped line is not split: it runs over the edge and is clipped. A run
// without spaces (Chinese, Japanese, Thai) breaks where Unicode's line-breaking rules allow.
// DT_RTLREADING reads every line from right to left, as in a paragraph of a right-to-left
// script, whatever script the line begins with. Unlike Windows, DT_VCENTER also centres
// wrapped lines (DT_WORDBREAK) as one block, for a box that shows a definition in the word's
// place.
void DrawText(QPainter& painter, const QString& text, const Rect& rect, uint32_t format);

// Text laid out by the rules of DrawText for one font and rectangle, to be measured before it
// is drawn and drawn without being laid out again.
struct TextLayout {
    struct Line {
        qsizetype start;  // in `visible`
        qsizetype end;
        int width;  // in pixels
    };
    QString visible;               // the text without its prefix ampersands
    std::vector<bool> underlined;  // one flag per character of `visible`
    bool hasPrefix = false;        // some character is underlined
    std::vector<Line> lines;
    int lineHeight = 0;
    int ascent = 0;

    // The widest line by the lines' total height; wider or taller than the rectangle, the
    // text is clipped.
    QSize Size() const;
};

// Lays `text` out for `rect` and `format` in the font of `metrics`; alignment is left to
// drawing.
TextLayout LayOutText(const QFontMetrics& metrics, const QString& text, const Rect& rect,
                      uint32_t format);
// Draws `layout`, made for `rect` and `format` in the painter's font.
void DrawText(QPainter& painter, const TextLayout& layout, const Rect& rect, uint32_t format);
