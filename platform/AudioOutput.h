#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where sound goes: plays interleaved 16-bit samples and returns when they have been heard,
// or soon after it is told to stop.

#include <atomic>
#include <cstddef>
#include <cstdint>

class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // Blocks until the last sample has played, or until shortly after `stop` turns true (set
    // from another thread); what is still buffered then is dropped, not played. Returns false
    // at once, without playing, when no audio device can be opened; also false when the
    // device failed during the sound or the sound was stopped. Safe to call from any thread.
    virtual bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
                      const std::atomic<bool>& stop) = 0;
};
