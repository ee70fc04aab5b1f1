#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A rectangle by its four edges, right and bottom exclusive, the way window code does its
// arithmetic ("move the right edge by d"); QRect's inclusive right() invites off-by-ones.

#include <QRect>

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    // Moves all four edges `d` pixels inward (outward when negative).
    void Deflate(int d) {
        left += d;
        top += d;
        right -= d;
        bottom -= d;
    }
    QRect ToQRect() const { return QRect(left, top, Width(), Height()); }
    static Rect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    bool operator==(const Rect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};
