// SPDX-License-Identifier: GPL-2.0-or-later
#include "FrameMetaFile.h"

extern "C" {
#include <uemf.h>
}

#include <cstdint>
#include <vector>

namespace {

// The strip is drawn across in a kLength x kThickness box and turned for the other direction.
constexpr int kLength = 1200;
constexpr int kThickness = 48;
constexpr int kDiamonds = 30;

struct Writer {
    EMFTRACK* et = nullptr;
    EMFHANDLES* eht = nullptr;
    StripDirection direction;
    bool ok = true;

    void Append(char* record) {
        if (!record || emf_append(reinterpret_cast<U_ENHMETARECORD*>(record), et, 1) != 0)
            ok = false;
    }

    U_POINT16 Point(int along, int across) const {
        return direction == StripDirection::Across
                   ? point16_set(static_cast<int16_t>(along), static_cast<int16_t>(across))
                   : point16_set(static_cast<int16_t>(across), static_cast<int16_t>(along));
    }

    U_RECTL Box(int along0, int across0, int along1, int across1) const {
        const U_POINT16 a = Point(along0, across0), b = Point(along1, across1);
        return rectl_set(point32_set(a.x, a.y), point32_set(b.x, b.y));
    }

    void Fill(uint8_t r, uint8_t g, uint8_t b) {
        uint32_t brush = 0;
        Append(createbrushindirect_set(&brush, eht,
                                       logbrush_set(U_BS_SOLID, colorref3_set(r, g, b), 0)));
        Append(selectobject_set(brush, eht));
    }

    void Rectangle(int along0, int across0, int along1, int across1) {
        Append(U_EMRRECTANGLE_set(Box(along0, across0, along1, across1)));
    }

    void Diamond(int centre, int halfLength, int top, int bottom) {
        const int middle = (top + bottom) / 2;
        const U_POINT16 points[4] = {Point(centre - halfLength, middle), Point(centre, top),
                                     Point(centre + halfLength, middle), Point(centre, bottom)};
        Append(U_EMRPOLYGON16_set(Box(centre - halfLength, top, centre + halfLength, bottom), 4,
                                  points));
    }

    void Dot(int centre, int radius, int middle) {
        Append(U_EMRELLIPSE_set(
            Box(centre - radius, middle - radius, centre + radius, middle + radius)));
    }
};

void DrawStrip(Writer& w) {
    w.Append(selectobject_set(U_NULL_PEN, w.eht));
    w.Fill(0x1B, 0x2A, 0x4A);  // midnight blue band
    w.Rectangle(0, 0, kLength, kThickness);
    w.Fill(0xD4, 0xA0, 0x17);  // gold edges
    w.Rectangle(0, 0, kLength, 6);
    w.Rectangle(0, kThickness - 6, kLength, kThickness);
    w.Fill(0x8A, 0x5A, 0x0C);  // their darker inner lines
    w.Rectangle(0, 6, kLength, 9);
    w.Rectangle(0, kThickness - 9, kLength, kThickness - 6);

    const int pitch = kLength / kDiamonds;
    for (int i = 0; i < kDiamonds; ++i) {
        const int centre = pitch / 2 + i * pitch;
        w.Fill(0xF2, 0xC9, 0x4C);
        w.Diamond(centre, pitch / 2 - 4, 12, kThickness - 12);
        w.Fill(0x1B, 0x2A, 0x4A);
        w.Diamond(centre, pitch / 4, 18, kThickness - 18);
        w.Fill(0xB8, 0x3B, 0x3B);  // a garnet at each heart
        w.Dot(centre, 3, kThickness / 2);
        if (i + 1 < kDiamonds) {
            w.Fill(0xF2, 0xC9, 0x4C);
            w.Dot(centre + pitch / 2, 2, kThickness / 2);
        }
    }
}

}  // namespace

bool WriteFrameMetaFile(StripDirection direction, const std::string& path) {
    Writer w;
    w.direction = direction;
    if (emf_start(path.c_str(), 65536, 16384, &w.et) != 0) return false;
    if (emf_htable_create(64, 32, &w.eht) != 0) {
        emf_free(&w.et);
        return false;
    }
    const U_RECTL bounds = w.Box(0, 0, kLength - 1, kThickness - 1);
    // One logical unit is one pixel of a 96-dpi reference screen; the frame is in 0.01 mm.
    const U_SIZEL device = sizel_set(1024, 768);
    const U_SIZEL millimetres = sizel_set(271, 203);
    const U_POINT16 extent = w.Point(kLength, kThickness);
    const U_RECTL frame =
        rectl_set(point32_set(0, 0), point32_set(extent.x * 2646 / 100, extent.y * 2646 / 100));
    w.Append(U_EMRHEADER_set(bounds, frame, nullptr, 0, nullptr, device, millimetres, 0));
    w.Append(U_EMRSETMAPMODE_set(U_MM_TEXT));
    w.Append(U_EMRSETBKMODE_set(U_TRANSPARENT));
    DrawStrip(w);
    w.Append(U_EMREOF_set(0, nullptr, w.et));
    const bool ok = w.ok && emf_finish(w.et, w.eht) == 0;
    emf_free(&w.et);
    emf_htable_free(&w.eht);
    return ok;
}
