// SPDX-License-Identifier: GPL-2.0-or-later
// The background player: sounds in order, a stop that is heard at once, and no pile-up of
// runs started while one plays.

#include "platform/SoundPlayer.h"
#include "tests/support/PlatformFakes.h"

#include <chrono>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Clock = std::chrono::steady_clock;

PcmSound Marked(int16_t mark) { return PcmSound{{mark, mark}, 8000, 1}; }

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

void WaitUntilIdle(const SoundPlayer& player) {
    const Clock::time_point start = Clock::now();
    while (player.IsPlaying() && MsSince(start) < 5000)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(SoundPlayerTest, RunsStartedWhilePlaying_AreRefused_NotQueued) {
    RecordingAudioOutput output;
    output.playMs = 200;
    SoundPlayer player(output);
    ASSERT_TRUE(player.Start({Marked(1), Marked(2)}));
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(player.Start({Marked(3)}));
    ASSERT_TRUE(output.WaitForPlayed(2));
    WaitUntilIdle(player);
    ASSERT_EQ(output.played.size(), 2u);
    EXPECT_EQ(output.played[0].samples[0], 1);
    EXPECT_EQ(output.played[1].samples[0], 2);
    EXPECT_FALSE(output.played[1].stopped);

    output.playMs = 0;
    EXPECT_TRUE(player.Start({Marked(4)}));
    ASSERT_TRUE(output.WaitForPlayed(3));
    EXPECT_EQ(output.played[2].samples[0], 4);
}

TEST(SoundPlayerTest, Stop_EndsALongSoundAtOnce_AndDropsTheRest_ANewRunThenPlays) {
    RecordingAudioOutput output;
    output.playMs = 10000;
    SoundPlayer player(output);
    ASSERT_TRUE(player.Start({Marked(1), Marked(2)}));
    ASSERT_TRUE(output.WaitForStarted(1));
    const Clock::time_point stopped = Clock::now();
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    // Started before the stopped run has left the output: it follows that run.
    EXPECT_TRUE(player.Start({Marked(3)}));
    ASSERT_TRUE(output.WaitForStarted(2));
    EXPECT_LT(MsSince(stopped), 1000);
    player.Stop();
    ASSERT_TRUE(output.WaitForPlayed(2));
    ASSERT_EQ(output.played.size(), 2u);
    EXPECT_TRUE(output.played[0].stopped);
    EXPECT_EQ(output.played[1].samples[0], 3);
}

TEST(SoundPlayerTest, Destroying_WhileASoundPlays_StopsItWithoutWaitingForTheEnd) {
    RecordingAudioOutput output;
    output.playMs = 10000;
    auto player = std::make_unique<SoundPlayer>(output);
    ASSERT_TRUE(player->Start({Marked(1)}));
    ASSERT_TRUE(output.WaitForStarted(1));
    const Clock::time_point start = Clock::now();
    player.reset();
    EXPECT_LT(MsSince(start), 1000);
    EXPECT_TRUE(output.played[0].stopped);
}

}  // namespace
