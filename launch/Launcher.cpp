// SPDX-License-Identifier: GPL-2.0-or-later
#include "launch/Launcher.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"

#include <cstdio>

#include "posix/PosixProcess.h"

namespace fs = std::filesystem;

namespace {

void Exec(const fs::path& program, const std::vector<std::string>& args) {
    int error = 0;
    PosixProcess::Replace(program, args, error);
    std::fprintf(stderr, "quibbix-launch: cannot start %s: %s\n", Escaped(program.string()).c_str(),
                 DescribeError(error).c_str());
}

}  // namespace

namespace Launcher {

void Study(const fs::path& binDir, const fs::path& folder,
           const std::vector<std::string>& programArgs) {
    int error = 0;
    if (!PosixProcess::ChangeDirectory(folder, error)) {
        std::fprintf(stderr, "quibbix-launch: cannot enter %s: %s\n",
                     Escaped(folder.string()).c_str(), DescribeError(error).c_str());
        return;
    }
    Exec(binDir / "quibbix", programArgs);
}

void ShowWindows(const fs::path& binDir, const std::vector<std::string>& args) {
    Exec(PosixProcess::HelperProgram(binDir, "quibbix-chooser"), args);
}

}  // namespace Launcher
