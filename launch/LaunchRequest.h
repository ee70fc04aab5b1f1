#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What quibbix-launch was asked to do, from its command line. The launcher and its window
// program read the same arguments, so that the launcher can hand its whole command line on
// when a window is needed; neither takes anything its help does not name.

#include <string>
#include <vector>

struct LaunchRequest {
    static constexpr const char* kUsage =
        "Usage: quibbix-launch [--list NAME | FILE | --choose] [--reverse] [--type]\n"
        "Starts Quibbix on one of your word lists, kept in $XDG_DATA_HOME/quibbix.\n"
        "\n"
        "  (nothing)     the only list, or a window to choose among several\n"
        "  --list NAME   the list NAME (names match ignoring case)\n"
        "  FILE          add FILE (any format quibbix-wordlist imports) as a list and study it\n"
        "  --choose      the window to choose a list, even when there is only one\n"
        "  --reverse     study backwards, from the definition to the word\n"
        "  --type        type the answer, and be told what was off\n"
        "  --help        show this text\n"
        "  --version     show the version\n"
        "\n"
        "Other options starting with '-' are Qt's, for the study window (for example\n"
        "-platform offscreen).\n";

    std::string listName;                  // --list NAME: study that list
    std::string file;                      // FILE: add it as a list, then study it
    bool choose = false;                   // --choose: the chooser, whatever the lists
    bool reverse = false;                  // --reverse: study backwards
    bool type = false;                     // --type: type the answers
    bool help = false;                     // --help
    bool version = false;                  // --version
    std::vector<std::string> passThrough;  // other options, for the program itself
    std::string error;                     // set when the command line makes no sense

    // Reads argv[1..argc). Options the launcher does not know are the program's own, as they
    // were before the launcher knew any.
    static LaunchRequest Parse(int argc, const char* const* argv);

    // Answers --help, --version, or a command line that makes no sense, for `program`: true when
    // the program ends here, with `exitCode` (0 after an answer, 2 after a problem). Neither answer
    // needs a display or the data folder.
    bool EndsHere(const char* program, int& exitCode) const;

    // The arguments that say the same again, for handing the request on.
    std::vector<std::string> Arguments() const;
    // The arguments for the program itself, studying `backwards` or not, `typing` the answers
    // or not.
    std::vector<std::string> ProgramArguments(bool backwards, bool typing) const;
};
