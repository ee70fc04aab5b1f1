// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FallbackAudioOutput.h"
#include "tests/support/PlatformFakes.h"

#include <gtest/gtest.h>

namespace {

TEST(FallbackAudioOutputTest, PlaysOnTheFirstOutputThatHasADevice_Only) {
    const int16_t samples[] = {1, 2, 3};
    const std::atomic<bool> go{false};
    RecordingAudioOutput server, card;
    server.hasDevice = false;
    FallbackAudioOutput output({&server, &card});
    EXPECT_TRUE(output.Play(samples, 3, 8000, 1, go));
    EXPECT_EQ(server.played.size(), 1u);
    EXPECT_EQ(card.played.size(), 1u);

    server.hasDevice = true;
    EXPECT_TRUE(output.Play(samples, 3, 8000, 1, go));
    EXPECT_EQ(server.played.size(), 2u);
    EXPECT_EQ(card.played.size(), 1u);

    card.hasDevice = server.hasDevice = false;
    EXPECT_FALSE(output.Play(samples, 3, 8000, 1, go));
}

TEST(FallbackAudioOutputTest, AStoppedSound_IsNotPlayedAgainOnTheNextOutput) {
    const int16_t samples[] = {1, 2, 3};
    const std::atomic<bool> stop{true};
    RecordingAudioOutput server, card;
    FallbackAudioOutput output({&server, &card});
    EXPECT_FALSE(output.Play(samples, 3, 8000, 1, stop));
    EXPECT_TRUE(server.played.empty());
    EXPECT_TRUE(card.played.empty());
}

}  // namespace
