#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays on ALSA's default device, for desktops without a sound server. Like the PulseAudio
// output, the library is opened only when the first sound plays, and the program starts
// without it.

#include "platform/AudioOutput.h"

#include <memory>
#include <mutex>

class DynamicLibrary;

class AlsaAudioOutput : public AudioOutput {
public:
    AlsaAudioOutput();
    ~AlsaAudioOutput() override;

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
              const std::atomic<bool>& stop) override;

private:
    struct Api;
    bool Load();

    std::once_flag m_loaded;
    std::unique_ptr<DynamicLibrary> m_library;
    std::unique_ptr<Api> m_api;
};
