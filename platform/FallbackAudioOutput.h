#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays through the first of several outputs that can: the sound server where there is one,
// the sound card itself where there is not. Each sound tries them afresh, so a server started
// after the program is used from its next sound on.

#include "platform/AudioOutput.h"

#include <vector>

class FallbackAudioOutput : public AudioOutput {
public:
    // The outputs, in the order they are tried, must outlive this object.
    explicit FallbackAudioOutput(std::vector<AudioOutput*> outputs);

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
              const std::atomic<bool>& stop) override;

private:
    std::vector<AudioOutput*> m_outputs;
};
