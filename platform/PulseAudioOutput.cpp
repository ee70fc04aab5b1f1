// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/LibraryAudioOutput.h"

#include <algorithm>
#include <pulse/simple.h>

#include "posix/DynamicLibrary.h"

namespace {

// The server keeps no more than this much ahead of the speaker: a stop drops at most that,
// and each write blocks for about one chunk, after which the stop flag is looked at again.
constexpr uint32_t kBufferMs = 100;
constexpr size_t kChunkMs = 50;

// Each sound has a stream of its own, kept short of buffer so that a stop is heard at once.
class PulseAudioOutput final : public LibraryAudioOutput {
public:
    PulseAudioOutput() : LibraryAudioOutput("libpulse-simple.so.0") {}

private:
    bool Resolve(const DynamicLibrary& library) override {
        return library.Resolve("pa_simple_new", m_simpleNew) &&
               library.Resolve("pa_simple_write", m_simpleWrite) &&
               library.Resolve("pa_simple_drain", m_simpleDrain) &&
               library.Resolve("pa_simple_flush", m_simpleFlush) &&
               library.Resolve("pa_simple_free", m_simpleFree);
    }
    bool PlayOpened(const int16_t* samples, size_t frames, int sampleRate, int channels,
                    const std::atomic<bool>& stop) override;

    decltype(&pa_simple_new) m_simpleNew = nullptr;
    decltype(&pa_simple_write) m_simpleWrite = nullptr;
    decltype(&pa_simple_drain) m_simpleDrain = nullptr;
    decltype(&pa_simple_flush) m_simpleFlush = nullptr;
    decltype(&pa_simple_free) m_simpleFree = nullptr;
};

bool PulseAudioOutput::PlayOpened(const int16_t* samples, size_t frames, int sampleRate,
                                  int channels, const std::atomic<bool>& stop) {
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
    pa_simple* stream = m_simpleNew(nullptr, "Quibbix", PA_STREAM_PLAYBACK, nullptr, "Break alarm",
                                    &format, nullptr, &buffer, &error);
    if (!stream) return false;
    const size_t chunkFrames = std::max<size_t>(1, format.rate * kChunkMs / 1000);
    bool ok = true;
    for (size_t done = 0; ok && done < frames && !stop; done += chunkFrames) {
        const size_t n = std::min(chunkFrames, frames - done);
        ok = m_simpleWrite(stream, samples + done * static_cast<size_t>(channels), n * frameBytes,
                           &error) == 0;
    }
    if (stop) {
        m_simpleFlush(stream, &error);
        ok = false;
    } else if (ok) {
        ok = m_simpleDrain(stream, &error) == 0;
    }
    m_simpleFree(stream);
    return ok;
}

}  // namespace

std::unique_ptr<AudioOutput> LibraryAudioOutput::PulseAudio() {
    return std::make_unique<PulseAudioOutput>();
}
