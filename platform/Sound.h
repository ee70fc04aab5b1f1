#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's two sounds calls: a plain tone (Beep) and a sound file played to its end
// (PlaySoundA with SND_FILENAME | SND_NOWAIT), both returning when the sound has ended; and
// the two of them one after the other in the background, for an alarm that must not hold up
// the window.

#include "platform/SoundPlayer.h"

#include <cstdint>
#include <optional>
#include <string>

class AudioOutput;

class Sound {
public:
    static constexpr int kSampleRate = 44100;
    // Beep refuses tones outside this range, as Windows does.
    static constexpr uint32_t kMinFrequency = 37;
    static constexpr uint32_t kMaxFrequency = 32767;

    // `output` must outlive this object. Destroying it stops a background sound.
    explicit Sound(AudioOutput& output);

    // A sine tone of `frequencyHz` for `durationMs`. False for a frequency out of range or
    // when no device could be opened.
    bool Beep(uint32_t frequencyHz, uint32_t durationMs);
    // Plays `file`; when it is missing or unreadable, the default alert plays instead. False
    // when no device could be opened.
    bool PlaySound(const std::string& file);
    // The short built-in alert.
    bool PlayDefaultSound();

    // Beep, then PlaySound of `file`, played in the background; returns at once. While the
    // previous alarm still sounds, a new one is refused (false) and that one plays on: each
    // alarm is heard to its end, and a caller repeating it on a timer cannot queue them up.
    bool StartAlarm(uint32_t frequencyHz, uint32_t durationMs, const std::string& file);
    // Plays `file` in the background, cutting short what this object still plays; returns at
    // once. False, playing nothing, when the file cannot be read (no alert stands in for it).
    bool StartFile(const std::string& file);
    // True while an alarm or a file started here still sounds.
    bool IsPlaying() const { return m_player.IsPlaying(); }
    // Silences the alarm at once, if one is sounding.
    void StopAlarm();
    // Whether anything played would be heard: a few milliseconds of silence through the
    // output. Blocks for as long as the sound system takes to answer.
    bool CanBeHeard();

private:
    bool Play(const PcmSound& sound);

    AudioOutput& m_output;
    SoundPlayer m_player;
};
