// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Sound.h"
#include "tests/support/PlatformFakes.h"
#include "tests/support/TempDir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

// Sign changes from negative to positive per second: the frequency of a clean tone.
double MeasuredFrequency(const std::vector<int16_t>& samples, int rate) {
    int rises = 0;
    for (size_t i = 1; i < samples.size(); ++i)
        if (samples[i - 1] < 0 && samples[i] >= 0) ++rises;
    return rises * static_cast<double>(rate) / static_cast<double>(samples.size());
}

std::string PcmWave(const std::vector<int16_t>& samples, int rate, int channels) {
    auto put32 = [](std::string& s, uint32_t v) {
        for (int i = 0; i < 4; ++i) s.push_back(static_cast<char>(v >> (8 * i)));
    };
    auto put16 = [](std::string& s, uint16_t v) {
        s.push_back(static_cast<char>(v));
        s.push_back(static_cast<char>(v >> 8));
    };
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::string w = "RIFF";
    put32(w, 36 + dataBytes);
    w += "WAVEfmt ";
    put32(w, 16);
    put16(w, 1);
    put16(w, static_cast<uint16_t>(channels));
    put32(w, static_cast<uint32_t>(rate));
    put32(w, static_cast<uint32_t>(rate * channels * 2));
    put16(w, static_cast<uint16_t>(channels * 2));
    put16(w, 16);
    w += "data";
    put32(w, dataBytes);
    for (int16_t s : samples) put16(w, static_cast<uint16_t>(s));
    return w;
}

TEST(SoundTest, Beep_PlaysATone_OfTheAskedLengthAndFrequency) {
    struct Case {
        uint32_t hz, ms;
    };
    for (const Case c : {Case{50, 500}, Case{440, 250}, Case{2000, 100}}) {
        RecordingAudioOutput output;
        Sound sound(output);
        EXPECT_TRUE(sound.Beep(c.hz, c.ms));
        ASSERT_EQ(output.played.size(), 1u);
        const auto& played = output.played[0];
        EXPECT_EQ(played.channels, 1);
        EXPECT_EQ(played.samples.size(), static_cast<size_t>(played.sampleRate) * c.ms / 1000);
        EXPECT_NEAR(MeasuredFrequency(played.samples, played.sampleRate), c.hz, c.hz * 0.03 + 2)
            << c.hz;
    }
}

TEST(SoundTest, Beep_OutsideTheAudibleRange_PlaysNothing) {
    RecordingAudioOutput output;
    Sound sound(output);
    EXPECT_FALSE(sound.Beep(20, 100));
    EXPECT_FALSE(sound.Beep(40000, 100));
    EXPECT_TRUE(output.played.empty());
}

TEST(SoundTest, NoDevice_ReturnsFalseAtOnce) {
    RecordingAudioOutput output;
    output.hasDevice = false;
    Sound sound(output);
    EXPECT_FALSE(sound.Beep(440, 100));
    EXPECT_FALSE(sound.PlaySound("list/none.wav"));
}

TEST(SoundTest, PlaySound_PlaysTheFileAsItIs) {
    TempDir dir;
    const std::vector<int16_t> samples = {0, 1000, -1000, 32767, -32768, 5, 6, 7};
    WriteFile("list/BreakOver.WAV", PcmWave(samples, 22050, 2));
    RecordingAudioOutput output;
    Sound sound(output);
    EXPECT_TRUE(sound.PlaySound("list/BreakOver.WAV"));
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].samples, samples);
    EXPECT_EQ(output.played[0].sampleRate, 22050);
    EXPECT_EQ(output.played[0].channels, 2);
}

TEST(SoundTest, PlaySound_MissingOrBrokenFile_PlaysTheDefaultSound) {
    TempDir dir;
    WriteFile("list/broken.wav", "RIFF but not really a wave file");
    RecordingAudioOutput reference;
    Sound(reference).PlayDefaultSound();
    ASSERT_EQ(reference.played.size(), 1u);
    EXPECT_GT(reference.played[0].samples.size(), 1000u);
    for (const char* file : {"list/missing.wav", "list/broken.wav"}) {
        RecordingAudioOutput output;
        Sound sound(output);
        EXPECT_TRUE(sound.PlaySound(file));
        ASSERT_EQ(output.played.size(), 1u);
        EXPECT_EQ(output.played[0].samples, reference.played[0].samples) << file;
    }
}

}  // namespace
