// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/SessionFiles.h"

#include "engine/LittleEndian.h"

#include <cstring>

void CurrWordRecord::Encode(char* bytes) const {
    PutLE32(bytes + kListIdOffset, static_cast<uint32_t>(listId));
    PutLE32(bytes + kReservedOffset, 0);
    PutLE32(bytes + kCounterOffset, static_cast<uint32_t>(counter));
    PutLE32(bytes + kWordIndexOffset, wordIndex);
    PutLE32(bytes + kViewedCountOffset, static_cast<uint32_t>(viewedCount));
}

void CurrWordRecord::Decode(std::string_view bytes) {
    char image[kSize];
    Encode(image);
    std::memcpy(image, bytes.data(), bytes.size() < kSize ? bytes.size() : kSize);
    listId = static_cast<int32_t>(GetLE32(image + kListIdOffset));
    counter = static_cast<int32_t>(GetLE32(image + kCounterOffset));
    wordIndex = GetLE32(image + kWordIndexOffset);
    viewedCount = static_cast<int32_t>(GetLE32(image + kViewedCountOffset));
}
