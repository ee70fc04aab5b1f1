#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Handing the launcher's process over to the program it starts, so that the program gets
// the launcher's signals and its exit code is the launcher's, with nothing waiting between.

#include <filesystem>
#include <string>
#include <vector>

namespace PosixProcess {

// The directory of the running executable; "." when it cannot be told.
std::filesystem::path ExecutableDir();

// Enters `dir`; false with `error` (an errno) when it cannot.
bool ChangeDirectory(const std::filesystem::path& dir, int& error);

// Runs `program` with `args` in place of this process. Returns only on failure, with
// `error` set.
void Replace(const std::filesystem::path& program, const std::vector<std::string>& args,
             int& error);

}  // namespace PosixProcess
