#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A test's two computers: a 40-word list in folder `a` and an empty one in `b`, both joined
// to the sync folder `s`, all in the test's own folder, whose data folder takes whatever a
// join puts in the trash.

#include "lists/ListSync.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

class SyncedPair : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
        for (const std::filesystem::path& folder :
             {a / "list", a / "session", b / "list", b / "session", s})
            std::filesystem::create_directories(folder);
        WriteFile((a / "list/kelvo.lst").string(), MakeWordList(40));
        ListSync::Report report;
        std::string error;
        ASSERT_TRUE(ListSync::Join(a, a, s, report, error)) << error;
        ASSERT_TRUE(ListSync::Join(b, b, s, report, error)) << error;
    }
    void TearDown() override { unsetenv("XDG_DATA_HOME"); }

    TempDir dir{false};
    const std::filesystem::path a = dir.path() / "a";
    const std::filesystem::path b = dir.path() / "b";
    const std::filesystem::path s = dir.path() / "sync";
};
