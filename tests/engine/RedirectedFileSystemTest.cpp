// SPDX-License-Identifier: GPL-2.0-or-later
// The file system that keeps a second session beside the first: which paths it moves.
#include "engine/RedirectedFileSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(RedirectedFileSystem, Map_MovesTheFolderAndWhatIsInIt_AndNothingElse) {
    RedirectedFileSystem files(DefaultFileSystem(), "session", "session-reverse");
    const struct {
        const char* path;
        const char* mapped;
    } cases[] = {
        {"session", "session-reverse"},
        {"session/known.txt", "session-reverse/known.txt"},
        {"session/.update/0", "session-reverse/.update/0"},
        {"session-old/known.txt", "session-old/known.txt"},  // another folder
        {"sessions", "sessions"},
        {"list/kelvo.lst", "list/kelvo.lst"},
        {"list/session/x", "list/session/x"},
    };
    for (const auto& c : cases) EXPECT_EQ(files.Map(c.path), c.mapped) << c.path;
}

}  // namespace
