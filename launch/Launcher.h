#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How the launcher hands its process over: to the program, in the folder of the list to
// study, or to the window program when the user has to choose or be asked. The process is replaced
// rather than waited on, so that starting through the launcher costs no more than one exec, and a
// signal sent to the launcher's process reaches the program.

#include <filesystem>
#include <string>
#include <vector>

namespace Launcher {

// Runs the program in `folder`. Returns only when it could not be started, with a message
// already on stderr.
void Study(const std::filesystem::path& binDir, const std::filesystem::path& folder,
           const std::vector<std::string>& programArgs);

// Runs the window program with `args`; returns only on failure, as Study does.
void ShowWindows(const std::filesystem::path& binDir, const std::vector<std::string>& args);

}  // namespace Launcher
