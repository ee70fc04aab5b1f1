// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/LogFont.h"

#include "engine/LittleEndian.h"

#include <cstring>

namespace {

constexpr int kBytesOffset = 20;

}  // namespace

void LogFont::Read(const uint8_t* bytes) {
    int32_t* const ints[] = {&lfHeight, &lfWidth, &lfEscapement, &lfOrientation, &lfWeight};
    for (int i = 0; i < 5; ++i) *ints[i] = static_cast<int32_t>(GetLE32(bytes + 4 * i));
    uint8_t* const small[] = {&lfItalic,       &lfUnderline,     &lfStrikeOut, &lfCharSet,
                              &lfOutPrecision, &lfClipPrecision, &lfQuality,   &lfPitchAndFamily};
    for (int i = 0; i < 8; ++i) *small[i] = bytes[kBytesOffset + i];
    std::memcpy(lfFaceName, bytes + kBytesOffset + 8, kFaceSize);
}

void LogFont::Write(uint8_t* bytes) const {
    const int32_t ints[] = {lfHeight, lfWidth, lfEscapement, lfOrientation, lfWeight};
    for (int i = 0; i < 5; ++i) PutLE32(bytes + 4 * i, static_cast<uint32_t>(ints[i]));
    const uint8_t small[] = {lfItalic,       lfUnderline,     lfStrikeOut, lfCharSet,
                             lfOutPrecision, lfClipPrecision, lfQuality,   lfPitchAndFamily};
    std::memcpy(bytes + kBytesOffset, small, sizeof small);
    std::memcpy(bytes + kBytesOffset + 8, lfFaceName, kFaceSize);
}

std::string_view LogFont::FaceNameBytes() const {
    const char* end = static_cast<const char*>(std::memchr(lfFaceName, 0, kFaceSize));
    return std::string_view(lfFaceName, end ? static_cast<size_t>(end - lfFaceName) : kFaceSize);
}

void LogFont::SetFaceNameBytes(std::string_view bytes) {
    if (bytes.size() > kFaceSize - 1) bytes = bytes.substr(0, kFaceSize - 1);
    std::memset(lfFaceName, 0, kFaceSize);
    std::memcpy(lfFaceName, bytes.data(), bytes.size());
}

bool LogFont::operator==(const LogFont& o) const {
    uint8_t mine[kSize], theirs[kSize];
    Write(mine);
    o.Write(theirs);
    return std::memcmp(mine, theirs, kSize) == 0;
}
