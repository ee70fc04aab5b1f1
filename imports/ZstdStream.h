#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Unpacks zstd-compressed bytes a piece at a time, never trusting the size a frame states,
// so that a small input that unpacks to gigabytes stops at the caller's limit.

#include <cstddef>
#include <string>
#include <string_view>

namespace ZstdStream {

enum class Result { kOk, kTooLarge, kDamaged, kCutShort, kNoMemory };

// `error` gets zstd's reason for kDamaged.
Result Unpack(std::string_view compressed, size_t maxSize, std::string& out, std::string& error);

}  // namespace ZstdStream
