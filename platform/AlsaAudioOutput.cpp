// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/LibraryAudioOutput.h"

#include <algorithm>
#include <alsa/asoundlib.h>

#include "posix/DynamicLibrary.h"

namespace {

// As for PulseAudio: little buffered ahead, so that a stop is heard at once.
constexpr unsigned int kLatencyUs = 100000;
constexpr size_t kChunkMs = 50;

// The library reports every failed open on standard error, several lines for a machine with
// no sound card; a missing device only means no sound, which the caller already knows.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The device is opened for each sound and closed after it, so other programs have it between.
class AlsaAudioOutput final : public LibraryAudioOutput {
public:
    AlsaAudioOutput() : LibraryAudioOutput("libasound.so.2") {}

private:
    bool Resolve(const DynamicLibrary& library) override {
        decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
        if (!library.Resolve("snd_lib_error_set_handler", setErrorHandler) ||
            !library.Resolve("snd_pcm_open", m_open) ||
            !library.Resolve("snd_pcm_nonblock", m_nonblock) ||
            !library.Resolve("snd_pcm_set_params", m_setParams) ||
            !library.Resolve("snd_pcm_writei", m_writei) ||
            !library.Resolve("snd_pcm_recover", m_recover) ||
            !library.Resolve("snd_pcm_drain", m_drain) ||
            !library.Resolve("snd_pcm_drop", m_drop) || !library.Resolve("snd_pcm_close", m_close))
            return false;
        setErrorHandler(IgnoreAlsaError);
        return true;
    }
    bool PlayOpened(const int16_t* samples, size_t frames, int sampleRate, int channels,
                    const std::atomic<bool>& stop) override;

    decltype(&snd_pcm_open) m_open = nullptr;
    decltype(&snd_pcm_nonblock) m_nonblock = nullptr;
    decltype(&snd_pcm_set_params) m_setParams = nullptr;
    decltype(&snd_pcm_writei) m_writei = nullptr;
    decltype(&snd_pcm_recover) m_recover = nullptr;
    decltype(&snd_pcm_drain) m_drain = nullptr;
    decltype(&snd_pcm_drop) m_drop = nullptr;
    decltype(&snd_pcm_close) m_close = nullptr;
};

bool AlsaAudioOutput::PlayOpened(const int16_t* samples, size_t frames, int sampleRate,
                                 int channels, const std::atomic<bool>& stop) {
    snd_pcm_t* pcm = nullptr;
    // A blocking open waits for as long as another program holds the device.
    if (m_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return false;
    if (m_nonblock(pcm, 0) < 0 ||
        m_setParams(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                    static_cast<unsigned int>(channels), static_cast<unsigned int>(sampleRate), 1,
                    kLatencyUs) < 0) {
        m_close(pcm);
        return false;
    }
    const size_t chunkFrames =
        std::max<size_t>(1, static_cast<size_t>(sampleRate) * kChunkMs / 1000);
    bool ok = true;
    size_t done = 0;
    while (ok && done < frames && !stop) {
        const size_t n = std::min(chunkFrames, frames - done);
        snd_pcm_sframes_t written =
            m_writei(pcm, samples + done * static_cast<size_t>(channels), n);
        if (written < 0) written = m_recover(pcm, static_cast<int>(written), 1);
        if (written < 0)
            ok = false;
        else
            done += static_cast<size_t>(written);
    }
    if (stop) {
        m_drop(pcm);
        ok = false;
    } else if (ok) {
        ok = m_drain(pcm) >= 0;
    }
    m_close(pcm);
    return ok;
}

}  // namespace

std::unique_ptr<AudioOutput> LibraryAudioOutput::Alsa() {
    return std::make_unique<AlsaAudioOutput>();
}
