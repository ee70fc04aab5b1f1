#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-wordlist add: a file to a new list in the data folder in one step, for scripts,
// doing what the launcher does with a file but asking nothing. It lives beside the lists
// rather than in the tool, which the lists library itself builds on.
// Exit codes as the tool's: 0 success, 1 bad input, 2 bad usage (or a choice to make).

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

class ListAddCommand {
public:
    // Both streams must outlive the command; `dataHome` and `defaults` as for ListStore.
    ListAddCommand(std::ostream& out, std::ostream& err, std::filesystem::path dataHome,
                   std::filesystem::path defaults);

    // `args` follow the word "add".
    int Run(const std::vector<std::string>& args);

private:
    struct Arguments {
        std::string file, name;
        bool skipBad = false, update = false, asNew = false;
    };

    bool Parse(const std::vector<std::string>& args, Arguments& parsed, std::string& problem);
    int Usage(const std::string& problem);

    std::ostream& m_out;
    std::ostream& m_err;
    std::filesystem::path m_dataHome, m_defaults;
};
