#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where sound goes: plays interleaved 16-bit samples and returns when they have been heard.

#include <cstddef>
#include <cstdint>

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Blocks until the last sample has played. Returns false at once, without playing, when
    // no audio device can be opened.
    virtual bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels) = 0;
};
