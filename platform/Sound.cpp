// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Sound.h"

#include "platform/AudioOutput.h"
#include "platform/SoundFile.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kBeepAmplitude = 0.4 * 32767;
// Ramps at the ends keep the tone from clicking on and off.
constexpr int kRampFrames = Sound::kSampleRate / 200;

void AddTone(std::vector<int16_t>& out, size_t start, double frequency, size_t frames,
             double amplitude, double decayPerSecond) {
    if (out.size() < start + frames) out.resize(start + frames, 0);
    for (size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / Sound::kSampleRate;
        double gain = amplitude * std::exp(-decayPerSecond * t);
        const size_t fromEnd = frames - 1 - i;
        gain *= std::min({1.0, static_cast<double>(i) / kRampFrames,
                          static_cast<double>(fromEnd) / kRampFrames});
        const double mixed = out[start + i] + gain * std::sin(2 * kPi * frequency * t);
        out[start + i] = static_cast<int16_t>(std::clamp(mixed, -32767.0, 32767.0));
    }
}

// Two falling notes, a quarter second in all: short enough not to annoy, clear enough to notice.
std::vector<int16_t> DefaultAlert() {
    std::vector<int16_t> samples;
    const size_t note = Sound::kSampleRate / 8;
    AddTone(samples, 0, 1046.5, note, 0.35 * 32767, 6.0);
    AddTone(samples, note, 784.0, note, 0.35 * 32767, 6.0);
    return samples;
}

}  // namespace

Sound::Sound(AudioOutput& output) : m_output(output) {}

bool Sound::Beep(uint32_t frequencyHz, uint32_t durationMs) {
    if (frequencyHz < kMinFrequency || frequencyHz > kMaxFrequency) return false;
    const size_t frames = static_cast<size_t>(durationMs) * kSampleRate / 1000;
    if (frames == 0) return true;
    std::vector<int16_t> samples;
    AddTone(samples, 0, frequencyHz, frames, kBeepAmplitude, 0.0);
    return m_output.Play(samples.data(), frames, kSampleRate, 1);
}

bool Sound::PlaySound(const std::string& file) {
    const std::optional<PcmSound> sound = ReadSoundFile(file);
    if (!sound) return PlayDefaultSound();
    return m_output.Play(sound->samples.data(), sound->Frames(), sound->sampleRate,
                         sound->channels);
}

bool Sound::PlayDefaultSound() {
    const std::vector<int16_t> samples = DefaultAlert();
    return m_output.Play(samples.data(), samples.size(), kSampleRate, 1);
}
