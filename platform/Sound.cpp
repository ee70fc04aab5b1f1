// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Sound.h"

#include "platform/AudioOutput.h"
#include "platform/SoundFile.h"

#include <algorithm>
#include <atomic>
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
PcmSound DefaultAlert() {
    PcmSound alert{{}, Sound::kSampleRate, 1};
    const size_t note = Sound::kSampleRate / 8;
    AddTone(alert.samples, 0, 1046.5, note, 0.35 * 32767, 6.0);
    AddTone(alert.samples, note, 784.0, note, 0.35 * 32767, 6.0);
    return alert;
}

// Nothing for a frequency Beep refuses.
std::optional<PcmSound> BeepTone(uint32_t frequencyHz, uint32_t durationMs) {
    if (frequencyHz < Sound::kMinFrequency || frequencyHz > Sound::kMaxFrequency) return {};
    PcmSound tone{{}, Sound::kSampleRate, 1};
    const size_t frames = static_cast<size_t>(durationMs) * Sound::kSampleRate / 1000;
    AddTone(tone.samples, 0, frequencyHz, frames, kBeepAmplitude, 0.0);
    return tone;
}

PcmSound FileOrDefault(const std::string& file) {
    std::optional<PcmSound> sound = ReadSoundFile(file);
    return sound ? std::move(*sound) : DefaultAlert();
}

}  // namespace

Sound::Sound(AudioOutput& output) : m_output(output), m_player(output) {}

bool Sound::Play(const PcmSound& sound) {
    // Nothing stops a sound played in the caller's thread.
    const std::atomic<bool> never{false};
    return m_output.Play(sound.samples.data(), sound.Frames(), sound.sampleRate, sound.channels,
                         never);
}

bool Sound::Beep(uint32_t frequencyHz, uint32_t durationMs) {
    const std::optional<PcmSound> tone = BeepTone(frequencyHz, durationMs);
    if (!tone) return false;
    return tone->samples.empty() || Play(*tone);
}

bool Sound::PlaySound(const std::string& file) { return Play(FileOrDefault(file)); }

bool Sound::PlayDefaultSound() { return Play(DefaultAlert()); }

bool Sound::StartAlarm(uint32_t frequencyHz, uint32_t durationMs, const std::string& file) {
    // Checked first so that a refused alarm does not read the file.
    if (m_player.IsPlaying()) return false;
    std::vector<PcmSound> sounds;
    std::optional<PcmSound> tone = BeepTone(frequencyHz, durationMs);
    if (tone && !tone->samples.empty()) sounds.push_back(std::move(*tone));
    sounds.push_back(FileOrDefault(file));
    return m_player.Start(std::move(sounds));
}

bool Sound::StartFile(const std::string& file) {
    std::optional<PcmSound> sound = ReadSoundFile(file);
    if (!sound || sound->samples.empty()) return false;
    m_player.Stop();
    std::vector<PcmSound> sounds;
    sounds.push_back(std::move(*sound));
    return m_player.Start(std::move(sounds));
}

void Sound::StopAlarm() { m_player.Stop(); }

bool Sound::CanBeHeard() {
    const std::vector<int16_t> silence(kSampleRate / 200, 0);
    const std::atomic<bool> never{false};
    return m_output.Play(silence.data(), silence.size(), kSampleRate, 1, never);
}
