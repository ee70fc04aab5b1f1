// SPDX-License-Identifier: GPL-2.0-or-later
#include "IndexedBitmap.h"

#include "engine/AtomicFile.h"

#include <cstdint>
#include <string>

namespace {

constexpr QRgb kPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteSize = 16 * 4;

void Put16(std::string& out, uint32_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8 & 0xFF));
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

int NearestIndex(QRgb pixel) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < 16; ++i) {
        const long dr = qRed(pixel) - qRed(kPalette[i]);
        const long dg = qGreen(pixel) - qGreen(kPalette[i]);
        const long db = qBlue(pixel) - qBlue(kPalette[i]);
        const long distance = dr * dr * 3 + dg * dg * 4 + db * db * 2;
        if (bestDistance < 0 || distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

int RowBytes(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

// BITMAPINFOHEADER, palette and the 4-bit rows, bottom row first.
void PutDib(std::string& out, const QImage& image, int headerHeight, int extraBytes) {
    const int w = image.width(), h = image.height();
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(headerHeight));
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // BI_RGB
    Put32(out, static_cast<uint32_t>(RowBytes(w, 4) * h + extraBytes));
    Put32(out, 3780);  // 96 dpi in pixels per metre
    Put32(out, 3780);
    Put32(out, 16);
    Put32(out, 16);
    for (QRgb c : kPalette) {
        out.push_back(static_cast<char>(qBlue(c)));
        out.push_back(static_cast<char>(qGreen(c)));
        out.push_back(static_cast<char>(qRed(c)));
        out.push_back(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(RowBytes(w, 4)), '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb px = image.pixel(x, y);
            const int index = qAlpha(px) < 128 ? 0 : NearestIndex(px);
            row[static_cast<size_t>(x / 2)] |= static_cast<char>(x % 2 ? index : index << 4);
        }
        out += row;
    }
}

}  // namespace

bool WriteBitmap16(const QImage& image, const std::string& path) {
    const uint32_t offset = 14 + kInfoHeaderSize + kPaletteSize;
    std::string out = "BM";
    Put32(out, offset + static_cast<uint32_t>(RowBytes(image.width(), 4) * image.height()));
    Put32(out, 0);
    Put32(out, offset);
    PutDib(out, image, image.height(), 0);
    return WriteFileAtomically(path, out);
}

bool WriteIcon16(const QImage& image, const std::string& path) {
    const int w = image.width(), h = image.height();
    const int maskBytes = RowBytes(w, 1) * h;
    std::string dib;
    PutDib(dib, image, h * 2, maskBytes);
    for (int y = h - 1; y >= 0; --y) {
        std::string row(static_cast<size_t>(RowBytes(w, 1)), '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(image.pixel(x, y)) < 128)
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        dib += row;
    }
    std::string out;
    Put16(out, 0);
    Put16(out, 1);  // icon
    Put16(out, 1);  // one image
    out.push_back(static_cast<char>(w));
    out.push_back(static_cast<char>(h));
    out.push_back(16);
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, static_cast<uint32_t>(dib.size()));
    Put32(out, 6 + 16);
    out += dib;
    return WriteFileAtomically(path, out);
}
