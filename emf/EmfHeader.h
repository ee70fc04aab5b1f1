#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The checks that keep plainly foreign files away from the metafile converter. Here, inline,
// so that the program can check a file without linking the converter (see EmfToSvg.h).

#include "engine/LittleEndian.h"

#include <cstddef>
#include <cstdint>
#include <string>

// A plausible enhanced metafile header: its record type, its signature, and a size that fits.
inline bool LooksLikeEnhMetaFile(const std::string& bytes) {
    constexpr uint32_t kHeaderRecordType = 1;
    constexpr size_t kSignatureOffset = 40;
    constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
    constexpr size_t kMinimumHeaderSize = 88;
    if (bytes.size() < kMinimumHeaderSize) return false;
    if (GetLE32(bytes.data()) != kHeaderRecordType) return false;
    if (GetLE32(bytes.data() + kSignatureOffset) != kSignature) return false;
    const uint32_t headerSize = GetLE32(bytes.data() + 4);
    return headerSize >= kMinimumHeaderSize && headerSize <= bytes.size();
}
