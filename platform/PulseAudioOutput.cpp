// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PulseAudioOutput.h"

#include "platform/DynamicLibrary.h"

#include <algorithm>
#include <pulse/simple.h>

namespace {

// The server keeps no more than this much ahead of the speaker: a stop drops at most that,
// and each write blocks for about one chunk, after which the stop flag is looked at again.
constexpr uint32_t kBufferMs = 100;
constexpr size_t kChunkMs = 50;

}  // namespace

struct PulseAudioOutput::Api {
    decltype(&pa_simple_new) simpleNew = nullptr;
    decltype(&pa_simple_write) simpleWrite = nullptr;
    decltype(&pa_simple_drain) simpleDrain = nullptr;
    decltype(&pa_simple_flush) simpleFlush = nullptr;
    decltype(&pa_simple_free) simpleFree = nullptr;
};

PulseAudioOutput::PulseAudioOutput() = default;

PulseAudioOutput::~PulseAudioOutput() = default;

bool PulseAudioOutput::Load() {
    std::call_once(m_loaded, [this] {
        m_library = std::make_unique<DynamicLibrary>("libpulse-simple.so.0");
        auto api = std::make_unique<Api>();
        if (m_library->Resolve("pa_simple_new", api->simpleNew) &&
            m_library->Resolve("pa_simple_write", api->simpleWrite) &&
            m_library->Resolve("pa_simple_drain", api->simpleDrain) &&
            m_library->Resolve("pa_simple_flush", api->simpleFlush) &&
            m_library->Resolve("pa_simple_free", api->simpleFree)) {
            m_api = std::move(api);
        }
    });
    return m_api != nullptr;
}

bool PulseAudioOutput::Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
                            const std::atomic<bool>& stop) {
    if (!Load() || sampleRate <= 0 || channels <= 0 || channels > 8) return false;
    pa_sample_spec format{};
    format.format = PA_SAMPLE_S16LE;
    format.rate = static_cast<uint32_t>(sampleRate);
    format.channels = static_cast<uint8_t>(channels);
    const size_t frameBytes = static_cast<size_t>(channels) * sizeof(int16_t);
    pa_buffer_attr buffer;
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = static_cast<uint32_t>(format.rate * kBufferMs / 1000 * frameBytes);
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);
    int error = 0;
    pa_simple* stream = m_api->simpleNew(nullptr, "Quibbix", PA_STREAM_PLAYBACK, nullptr,
                                         "Break alarm", &format, nullptr, &buffer, &error);
    if (!stream) return false;
    const size_t chunkFrames = std::max<size_t>(1, format.rate * kChunkMs / 1000);
    bool ok = true;
    for (size_t done = 0; ok && done < frames && !stop; done += chunkFrames) {
        const size_t n = std::min(chunkFrames, frames - done);
        ok = m_api->simpleWrite(stream, samples + done * static_cast<size_t>(channels),
                                n * frameBytes, &error) == 0;
    }
    if (stop) {
        m_api->simpleFlush(stream, &error);
        ok = false;
    } else if (ok) {
        ok = m_api->simpleDrain(stream, &error) == 0;
    }
    m_api->simpleFree(stream);
    return ok;
}
