// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AlsaAudioOutput.h"

#include "platform/DynamicLibrary.h"

#include <algorithm>
#include <alsa/asoundlib.h>

namespace {

// As for PulseAudio: little buffered ahead, so that a stop is heard at once.
constexpr unsigned int kLatencyUs = 100000;
constexpr size_t kChunkMs = 50;

// The library reports every failed open on standard error, several lines for a machine with
// no sound card; a missing device only means no sound, which the caller already knows.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

struct AlsaAudioOutput::Api {
    decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
    decltype(&snd_pcm_open) open = nullptr;
    decltype(&snd_pcm_nonblock) nonblock = nullptr;
    decltype(&snd_pcm_set_params) setParams = nullptr;
    decltype(&snd_pcm_writei) writei = nullptr;
    decltype(&snd_pcm_recover) recover = nullptr;
    decltype(&snd_pcm_drain) drain = nullptr;
    decltype(&snd_pcm_drop) drop = nullptr;
    decltype(&snd_pcm_close) close = nullptr;
};

AlsaAudioOutput::AlsaAudioOutput() = default;

AlsaAudioOutput::~AlsaAudioOutput() = default;

bool AlsaAudioOutput::Load() {
    std::call_once(m_loaded, [this] {
        m_library = std::make_unique<DynamicLibrary>("libasound.so.2");
        auto api = std::make_unique<Api>();
        if (m_library->Resolve("snd_lib_error_set_handler", api->setErrorHandler) &&
            m_library->Resolve("snd_pcm_open", api->open) &&
            m_library->Resolve("snd_pcm_nonblock", api->nonblock) &&
            m_library->Resolve("snd_pcm_set_params", api->setParams) &&
            m_library->Resolve("snd_pcm_writei", api->writei) &&
            m_library->Resolve("snd_pcm_recover", api->recover) &&
            m_library->Resolve("snd_pcm_drain", api->drain) &&
            m_library->Resolve("snd_pcm_drop", api->drop) &&
            m_library->Resolve("snd_pcm_close", api->close)) {
            api->setErrorHandler(IgnoreAlsaError);
            m_api = std::move(api);
        }
    });
    return m_api != nullptr;
}

bool AlsaAudioOutput::Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
                           const std::atomic<bool>& stop) {
    if (!Load() || sampleRate <= 0 || channels <= 0 || channels > 8) return false;
    snd_pcm_t* pcm = nullptr;
    // A blocking open waits for as long as another program holds the device.
    if (m_api->open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return false;
    if (m_api->nonblock(pcm, 0) < 0 ||
        m_api->setParams(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                         static_cast<unsigned int>(channels), static_cast<unsigned int>(sampleRate),
                         1, kLatencyUs) < 0) {
        m_api->close(pcm);
        return false;
    }
    const size_t chunkFrames =
        std::max<size_t>(1, static_cast<size_t>(sampleRate) * kChunkMs / 1000);
    bool ok = true;
    size_t done = 0;
    while (ok && done < frames && !stop) {
        const size_t n = std::min(chunkFrames, frames - done);
        snd_pcm_sframes_t written =
            m_api->writei(pcm, samples + done * static_cast<size_t>(channels), n);
        if (written < 0) written = m_api->recover(pcm, static_cast<int>(written), 1);
        if (written < 0)
            ok = false;
        else
            done += static_cast<size_t>(written);
    }
    if (stop) {
        m_api->drop(pcm);
        ok = false;
    } else if (ok) {
        ok = m_api->drain(pcm) >= 0;
    }
    m_api->close(pcm);
    return ok;
}
