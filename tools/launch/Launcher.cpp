// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/launch/Launcher.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <system_error>

namespace fs = std::filesystem;

namespace {

void Exec(const fs::path& program, const std::vector<std::string>& args) {
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    execv(pointers[0], pointers.data());
    std::fprintf(stderr, "quibbix-launch: cannot start %s: %s\n", program.c_str(),
                 std::strerror(errno));
}

}  // namespace

namespace Launcher {

fs::path BinDir() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path(".") : self.parent_path();
}

void Study(const fs::path& binDir, const fs::path& folder,
           const std::vector<std::string>& programArgs) {
    if (chdir(folder.c_str()) != 0) {
        std::fprintf(stderr, "quibbix-launch: cannot enter %s: %s\n", folder.c_str(),
                     std::strerror(errno));
        return;
    }
    Exec(binDir / "quibbix", programArgs);
}

void ShowWindows(const fs::path& binDir, const std::vector<std::string>& args) {
    Exec(binDir / "quibbix-chooser", args);
}

}  // namespace Launcher
