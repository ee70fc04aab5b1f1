// SPDX-License-Identifier: GPL-2.0-or-later
// A second start of a list asks the window studying it to come forward, with the desktop's
// activation token, through a socket only the user can reach; nothing answers once that
// window has gone, and a socket a killed window left behind is taken over.

#include "platform/RaiseChannel.h"
#include "tests/support/TempDir.h"

#include <QTest>

#include <unistd.h>

#include <cstdlib>
#include <future>
#include <gtest/gtest.h>

namespace {

class RaiseChannelTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", dir.path().c_str(), 1); }
    void TearDown() override { unsetenv("XDG_RUNTIME_DIR"); }

    TempDir dir;
};

TEST_F(RaiseChannelTest, OnePathPerListAndDirection_InTheUsersOwnFolder) {
    const std::string forwards = RaiseChannel::PathFor(dir.path(), "session");
    EXPECT_EQ(forwards.rfind(dir.path().string() + "/quibbix-", 0), 0u) << forwards;
    EXPECT_NE(forwards, RaiseChannel::PathFor(dir.path(), "session-reverse"));
    EXPECT_NE(forwards, RaiseChannel::PathFor(dir.path() / "other", "session"));
    EXPECT_EQ(forwards, RaiseChannel::PathFor(dir.path() / "." / "", "session"));
    unsetenv("XDG_RUNTIME_DIR");
    const std::string own = "/tmp/quibbix-" + std::to_string(getuid()) + "/quibbix-";
    EXPECT_EQ(RaiseChannel::PathFor(dir.path(), "session").rfind(own, 0), 0u);
}

TEST_F(RaiseChannelTest, TheWindowComesForwardWithTheToken_UntilItHasGone) {
    const std::string path = RaiseChannel::PathFor(dir.path(), "session");
    std::string heard;
    int requests = 0;
    {
        RaiseChannel channel;
        ASSERT_TRUE(channel.Listen(path, [&](const std::string& token) {
            heard = token;
            ++requests;
        }));
        auto asked = std::async(std::launch::async,
                                [&] { return RaiseChannel::Ask(path, "token-42", 10000); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }, 10000));
        EXPECT_TRUE(asked.get());
        EXPECT_EQ(heard, "token-42");
    }
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(RaiseChannel::Ask(path, "", 1000));
}

TEST_F(RaiseChannelTest, ASocketAKilledWindowLeft_IsTakenOver) {
    const std::string path = RaiseChannel::PathFor(dir.path(), "session");
    WriteFile(path, "left behind");
    RaiseChannel channel;
    int requests = 0;
    ASSERT_TRUE(channel.Listen(path, [&](const std::string&) { ++requests; }));
    auto asked = std::async(std::launch::async, [&] { return RaiseChannel::Ask(path, "", 10000); });
    EXPECT_TRUE(QTest::qWaitFor([&] { return requests == 1; }, 10000));
    EXPECT_TRUE(asked.get());
}

}  // namespace
