#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads a sound file (WAV and whatever else libsndfile knows) into 16-bit samples. The
// library is opened at the first read.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PcmSound {
    std::vector<int16_t> samples;  // interleaved
    int sampleRate = 0;
    int channels = 0;

    size_t Frames() const {
        return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0;
    }
};

// Nothing when the file is missing, unreadable or the library is not installed.
std::optional<PcmSound> ReadSoundFile(const std::string& path);
