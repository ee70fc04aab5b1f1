// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/WordListTool.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return WordListTool(std::cout, std::cerr).Run(args);
}
