#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's two sounds calls: a plain tone (Beep) and a sound file played to its end
// (PlaySoundA with SND_FILENAME | SND_NOWAIT), both returning when the sound has ended.

#include <cstdint>
#include <string>

class AudioOutput;

class Sound {
public:
    static constexpr int kSampleRate = 44100;
    // Beep refuses tones outside this range, as Windows does.
    static constexpr uint32_t kMinFrequency = 37;
    static constexpr uint32_t kMaxFrequency = 32767;

    // `output` must outlive this object.
    explicit Sound(AudioOutput& output);

    // A sine tone of `frequencyHz` for `durationMs`. False for a frequency out of range or
    // when no device could be opened.
    bool Beep(uint32_t frequencyHz, uint32_t durationMs);
    // Plays `file`; when it is missing or unreadable, the default alert plays instead. False
    // when no device could be opened.
    bool PlaySound(const std::string& file);
    // The short built-in alert.
    bool PlayDefaultSound();

private:
    AudioOutput& m_output;
};
