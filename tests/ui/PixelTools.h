#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Pixel questions the widget tests ask of rendered images.

#include <QColor>
#include <QImage>
#include <QRect>

// The smallest rectangle holding every pixel inside `area` that differs from `background`
// (empty when there is none).
inline QRect InkBounds(const QImage& image, QColor background, QRect area) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != background) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline int CountColour(const QImage& image, QColor colour, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++count;
    return count;
}
