// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FileSystem.h"
#include "tools/wordlist/WordListTool.h"

#include <iostream>
#include <string>
#include <vector>

#include "posix/PosixFileSystem.h"

int main(int argc, char** argv) {
    // Lists and sessions it changes are synced before it says they are changed.
    InstallFileSystem(PosixFileSystem::Instance());
    const std::vector<std::string> args(argv + 1, argv + argc);
    return WordListTool(std::cout, std::cerr).Run(args);
}
