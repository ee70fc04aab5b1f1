// SPDX-License-Identifier: GPL-2.0-or-later
// Hostile things in a file's place: the program must refuse them, not hang, fill memory or
// write through them.
#include "engine/GetWordRecord.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/TempDir.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "posix/PosixFileSystem.h"

namespace {

namespace fs = std::filesystem;

TEST(PosixFileSystemTest, ReadsOnlyRegularFilesOfSensibleSize) {
    TempDir dir;
    PosixFileSystem& files = PosixFileSystem::Instance();
    std::string bytes;
    fs::create_symlink("/dev/zero", "session/known.txt");
    EXPECT_EQ(ENODEV, files.ReadFile("session/known.txt", bytes));
    ASSERT_EQ(0, mkfifo("session/new.txt", 0600));
    EXPECT_EQ(ENODEV, files.ReadFile("session/new.txt", bytes));  // at once, not a hang
    fs::create_directory("session/unsure.txt");
    EXPECT_EQ(EISDIR, files.ReadFile("session/unsure.txt", bytes));
    WriteFile("session/Time.txt", "");
    fs::resize_file("session/Time.txt", FileSystem::kMaxReadSize + 1);
    EXPECT_EQ(EFBIG, files.ReadFile("session/Time.txt", bytes));
    EXPECT_EQ(ENOENT, files.ReadFile("session/missing.txt", bytes));
}

TEST(PosixFileSystemTest, NewFile_NeverWritesThroughAPlantedLink) {
    TempDir dir;
    WriteFile("outside.txt", "untouched");
    fs::create_symlink(fs::absolute("outside.txt"), "session/known.txt.tmp");
    EXPECT_EQ(EEXIST, PosixFileSystem::Instance().WriteNewFile("session/known.txt.tmp", "x"));
    EXPECT_EQ("untouched", ReadFile("outside.txt"));
}

TEST(PosixFileSystemTest, DirectoryInPlaceOfTheWordList_IsNoWordList) {
    TempDir dir;
    fs::create_directory("list/kelvo.lst");
    FakeEnv env;
    CGetWordRecord reader(env);
    EXPECT_FALSE(reader.Open("kelvo"));
    EXPECT_EQ(0, reader.GetCount());
    ASSERT_EQ(1u, env.messages.size());
    EXPECT_EQ("Error: Opening kelvo", env.messages[0].text);
}

}  // namespace
