#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The 32-bit colour of the settings file: red in the low byte, then green, then blue, and a
// flag in the high byte (0x00 plain, 0x02 palette-relative). Both kinds draw as their RGB.

#include <QColor>

#include <cstdint>

using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<COLORREF>(r) | static_cast<COLORREF>(g) << 8 |
           static_cast<COLORREF>(b) << 16;
}
constexpr COLORREF PALETTERGB(uint8_t r, uint8_t g, uint8_t b) {
    return 0x02000000u | RGB(r, g, b);
}

inline QColor ColorFromColorref(COLORREF c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>(c >> 8 & 0xFF),
                  static_cast<int>(c >> 16 & 0xFF));
}
inline COLORREF ColorrefFromColor(const QColor& c) {
    return RGB(static_cast<uint8_t>(c.red()), static_cast<uint8_t>(c.green()),
               static_cast<uint8_t>(c.blue()));
}
