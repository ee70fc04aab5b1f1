#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The 60-byte font description of the settings file (the Windows LOGFONTA record), field by
// field. platform/FontConversion.h turns it into the fonts Qt draws with.
//
// Byte layout, little-endian (kSize = 5 * 4 + 8 * 1 + kFaceSize = 60):
//   0 lfHeight, 4 lfWidth, 8 lfEscapement, 12 lfOrientation, 16 lfWeight (all int32),
//   20 lfItalic, 21 lfUnderline, 22 lfStrikeOut, 23 lfCharSet, 24 lfOutPrecision,
//   25 lfClipPrecision, 26 lfQuality, 27 lfPitchAndFamily (bytes), 28 lfFaceName[32].

#include <cstdint>
#include <string_view>

struct LogFont {
    static constexpr int kFaceSize = 32;
    static constexpr int kSize = 5 * 4 + 8 * 1 + kFaceSize;
    // Heights beyond this are refused, as the Windows font mapper refuses them.
    static constexpr int kMaxHeight = 16384;

    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    // Windows-1252 bytes ending in a zero byte; what follows the zero is kept as it came so
    // that a record read and written again is the same 60 bytes.
    char lfFaceName[kFaceSize] = {};

    // requires: `bytes` holds kSize bytes.
    void Read(const uint8_t* bytes);
    void Write(uint8_t* bytes) const;

    // The face name's bytes up to the first zero byte (all 32 when there is none).
    std::string_view FaceNameBytes() const;
    // Sets the face, cut to 31 bytes, and zeroes the rest of the field.
    void SetFaceNameBytes(std::string_view bytes);

    bool operator==(const LogFont& other) const;
    bool operator!=(const LogFont& other) const { return !(*this == other); }
};
