// SPDX-License-Identifier: GPL-2.0-or-later
// Where a program finds the helpers only Quibbix starts and the folder of the user's
// programs, in an install (helpers in libexec/quibbix) and in the build tree (all in one).
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

#include "posix/PosixProcess.h"

namespace {

namespace fs = std::filesystem;

TEST(PosixProcessTest, BinDirOf_HelperFolderGivesTheUsersPrograms) {
    const struct {
        fs::path exeDir;
        fs::path binDir;
    } cases[] = {
        {"/usr/libexec/quibbix", "/usr/bin"},
        {"/opt/q/libexec/quibbix/", "/opt/q/bin"},
        {"/usr/bin", "/usr/bin"},
        {"/work/build/bin", "/work/build/bin"},
        {"/usr/lib/quibbix", "/usr/lib/quibbix"},  // the modules' folder is no helper folder
        {"/home/quibbix/bin", "/home/quibbix/bin"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.binDir, PosixProcess::BinDirOf(c.exeDir)) << c.exeDir;
}

TEST(PosixProcessTest, HelperProgram_InstalledInLibexecElseBesideTheProgram) {
    TempDir dir(false);
    const fs::path prefix = fs::absolute("usr");
    fs::create_directories(prefix / "bin");
    fs::create_directories(prefix / "libexec" / "quibbix");
    WriteFile((prefix / "libexec" / "quibbix" / "quibbix-chooser").string(), "#!");
    EXPECT_EQ(prefix / "libexec" / "quibbix" / "quibbix-chooser",
              PosixProcess::HelperProgram(prefix / "bin", "quibbix-chooser"));
    // The build tree's helpers lie beside the programs, and so does one missing from an install.
    EXPECT_EQ(prefix / "bin" / "quibbix-emf2svg",
              PosixProcess::HelperProgram(prefix / "bin", "quibbix-emf2svg"));
    // A helper started from the helper folder finds its sibling there too.
    EXPECT_EQ(prefix / "libexec" / "quibbix" / "quibbix-chooser",
              PosixProcess::HelperProgram(PosixProcess::BinDirOf(prefix / "libexec" / "quibbix"),
                                          "quibbix-chooser"));
}

}  // namespace
