#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What quibbix-launch was asked to do, from its command line. The launcher and its window
// program read the same arguments, so that the launcher can hand its whole command line on
// when a window is needed.

#include <string>
#include <vector>

struct LaunchRequest {
    std::string listName;                  // --list NAME: study that list
    std::string file;                      // FILE: add it as a list, then study it
    std::string folder;                    // --folder PATH: study the list in PATH
    std::string notice;                    // --notice TEXT: tell the user, then study
    std::string failure;                   // --failure TEXT: tell the user, then stop
    std::vector<std::string> passThrough;  // other options, for the program itself
    std::string error;                     // set when the command line makes no sense

    // Reads argv[1..argc). Options the launcher does not know are the program's own, as they
    // were before the launcher knew any.
    static LaunchRequest Parse(int argc, const char* const* argv);

    // The arguments that say the same again, for handing the request on.
    std::vector<std::string> Arguments() const;
};
