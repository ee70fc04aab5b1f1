// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/WordListTool.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "lists/ListAddCommand.h"
#include "lists/ListStore.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    // Adding a list needs the lists library, which builds on the tool's own; the command is
    // joined here, where both are linked, so that neither library depends on the other.
    if (!args.empty() && args[0] == "add") {
        std::error_code ec;
        const std::filesystem::path binDir =
            std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
        ListAddCommand add(std::cout, std::cerr, ListStore::DefaultDataHome(),
                           ListStore::FindDefaults(binDir));
        return add.Run(std::vector<std::string>(args.begin() + 1, args.end()));
    }
    return WordListTool(std::cout, std::cerr).Run(args);
}
