// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/SoundFile.h"

#include <sndfile.h>

#include "posix/DynamicLibrary.h"

namespace {

// Longer files are not alarm sounds; refusing them keeps a stray file from filling memory.
constexpr sf_count_t kMaxFrames = 48000 * 60;

struct SndFileApi {
    decltype(&sf_open) open = nullptr;
    decltype(&sf_readf_short) readShort = nullptr;
    decltype(&sf_close) close = nullptr;
    bool ok = false;

    SndFileApi() : library("libsndfile.so.1") {
        ok = library.Resolve("sf_open", open) && library.Resolve("sf_readf_short", readShort) &&
             library.Resolve("sf_close", close);
    }

    DynamicLibrary library;
};

const SndFileApi& Api() {
    static const SndFileApi api;
    return api;
}

}  // namespace

std::optional<PcmSound> ReadSoundFile(const std::string& path) {
    const SndFileApi& api = Api();
    if (!api.ok) return std::nullopt;
    SF_INFO info{};
    SNDFILE* file = api.open(path.c_str(), SFM_READ, &info);
    if (!file) return std::nullopt;
    std::optional<PcmSound> sound;
    if (info.channels > 0 && info.samplerate > 0 && info.frames >= 0 && info.frames <= kMaxFrames) {
        PcmSound pcm;
        pcm.sampleRate = info.samplerate;
        pcm.channels = info.channels;
        pcm.samples.resize(static_cast<size_t>(info.frames) * static_cast<size_t>(info.channels));
        const sf_count_t got = api.readShort(file, pcm.samples.data(), info.frames);
        if (got >= 0) {
            pcm.samples.resize(static_cast<size_t>(got) * static_cast<size_t>(info.channels));
            sound = std::move(pcm);
        }
    }
    api.close(file);
    return sound;
}
