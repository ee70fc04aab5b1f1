// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/MediaStore.h"
#include "tests/support/TempDir.h"

#include <unistd.h>

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

TEST(MediaStoreTest, StoresEachFileOnceUnderItsHash_AndChecksItWhenRead) {
    TempDir dir;
    WriteFile("cat.png", "picture bytes");
    WriteFile("copy.png", "picture bytes");
    MediaStore store(".");
    std::string note;
    const auto name = store.Add("cat.png", "png", note);
    ASSERT_TRUE(name) << note;
    EXPECT_TRUE(MediaStore::IsStoredName(*name));
    EXPECT_EQ(store.Add("copy.png", "png", note), name);
    EXPECT_EQ(store.AddBytes("picture bytes", "png", "cat.png in the package", note), name);
    EXPECT_EQ(ReadFile((fs::path(MediaStore::kDir) / *name).string()), "picture bytes");
    EXPECT_EQ(std::distance(fs::directory_iterator(MediaStore::kDir), fs::directory_iterator()), 1);
    ASSERT_TRUE(store.Verified(*name));

    // Bytes that no longer hash to their name are not read, and the next copy mends them.
    WriteFile((fs::path(MediaStore::kDir) / *name).string(), "other bytes");
    EXPECT_FALSE(store.Verified(*name));
    EXPECT_EQ(store.Add("cat.png", "png", note), name);
    EXPECT_TRUE(store.Verified(*name));
    for (const char* bad : {"../cat.png", "cat.png", "ABCD.png", ""})
        EXPECT_FALSE(store.Verified(bad));

    store.KeepOnly({});
    EXPECT_FALSE(store.Verified(*name));
    EXPECT_EQ(store.TotalBytes(), 0u);
}

TEST(MediaStoreTest, LeavesOutLinksOtherFilesAndWhatPassesTheLimits_WithANote) {
    TempDir dir;
    WriteFile("secret", "not for the list");
    fs::create_symlink(fs::absolute("secret"), "link.png");
    ASSERT_EQ(0, ::mkfifo("pipe.wav", 0600));
    // Sparse: past the limit without writing it.
    WriteFile("huge.wav", "");
    fs::resize_file("huge.wav", MediaStore::kMaxFileBytes + 1);
    WriteFile("small.ogg", std::string(600, 'x'));
    WriteFile("more.ogg", std::string(600, 'y'));

    MediaStore store(".", 1000);
    std::string note;
    for (const char* refused : {"link.png", "pipe.wav", "huge.wav", "missing.png"}) {
        note.clear();
        EXPECT_FALSE(store.Add(refused, "png", note)) << refused;
        EXPECT_NE(note.find(refused), std::string::npos) << note;
    }
    EXPECT_FALSE(store.Add("secret", "exe", note)) << "an extension of no picture or sound";
    ASSERT_TRUE(store.Add("small.ogg", "ogg", note)) << note;
    EXPECT_FALSE(store.Add("more.ogg", "ogg", note)) << "past the list's limit";
    EXPECT_NE(note.find("1 GiB"), std::string::npos) << note;
    EXPECT_EQ(store.TotalBytes(), 600u) << "no copy left behind";
}

}  // namespace
