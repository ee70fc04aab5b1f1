// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PulseAudioOutput.h"

#include "platform/DynamicLibrary.h"

#include <pulse/simple.h>

struct PulseAudioOutput::Api {
    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_write) simpleWrite = nullptr;
    decltype(&pa_simple_drain) simpleDrain = nullptr;
    decltype(&pa_simple_free) simpleFree = nullptr;
};

PulseAudioOutput::PulseAudioOutput() = default;

PulseAudioOutput::~PulseAudioOutput() = default;

bool PulseAudioOutput::Load() {
    if (m_library) return m_api != nullptr;
    m_library = std::make_unique<DynamicLibrary>("libpulse-simple.so.0");
    auto api = std::make_unique<Api>();
    if (m_library->Resolve("pa_simple_new", api->simpleNew) &&
        m_library->Resolve("pa_simple_write", api->simpleWrite) &&
        m_library->Resolve("pa_simple_drain", api->simpleDrain) &&
        m_library->Resolve("pa_simple_free", api->simpleFree)) {
        m_api = std::move(api);
    }
    return m_api != nullptr;
}

bool PulseAudioOutput::Play(const int16_t* samples, size_t frames, int sampleRate, int channels) {
    if (!Load() || sampleRate <= 0 || channels <= 0 || channels > 8) return false;
    pa_sample_spec format{};
    format.format = PA_SAMPLE_S16LE;
    format.rate = static_cast<uint32_t>(sampleRate);
    format.channels = static_cast<uint8_t>(channels);
    int error = 0;
    pa_simple* stream = m_api->simpleNew(nullptr, "Quibbix", PA_STREAM_PLAYBACK, nullptr,
                                         "Break alarm", &format, nullptr, nullptr, &error);
    if (!stream) return false;
    const size_t bytes = frames * static_cast<size_t>(channels) * sizeof(int16_t);
    const bool ok = m_api->simpleWrite(stream, samples, bytes, &error) == 0 &&
                    m_api->simpleDrain(stream, &error) == 0;
    m_api->simpleFree(stream);
    return ok;
}
