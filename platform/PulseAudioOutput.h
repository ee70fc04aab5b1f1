#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays through PulseAudio's simple API (PipeWire serves it too). The library is opened and
// the server contacted only when the first sound plays; each sound has a stream of its own,
// kept short of buffer so that a stop is heard at once.

#include "platform/AudioOutput.h"

#include <memory>
#include <mutex>

class DynamicLibrary;

class PulseAudioOutput : public AudioOutput {
public:
    PulseAudioOutput();
    ~PulseAudioOutput() override;

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
              const std::atomic<bool>& stop) override;

private:
    struct Api;
    bool Load();

    std::once_flag m_loaded;
    std::unique_ptr<DynamicLibrary> m_library;
    std::unique_ptr<Api> m_api;
};
