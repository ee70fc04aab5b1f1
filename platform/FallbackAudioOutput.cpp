// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FallbackAudioOutput.h"

#include <utility>

FallbackAudioOutput::FallbackAudioOutput(std::vector<AudioOutput*> outputs)
    : m_outputs(std::move(outputs)) {}

bool FallbackAudioOutput::Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
                               const std::atomic<bool>& stop) {
    for (AudioOutput* output : m_outputs) {
        if (stop) return false;
        if (output->Play(samples, frames, sampleRate, channels, stop)) return true;
    }
    return false;
}
