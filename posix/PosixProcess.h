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

// The folder of the user's programs for a program in `exeDir`: `exeDir` itself, except for a
// helper in PREFIX/libexec/quibbix, which gets PREFIX/bin, so that it finds the data, the
// modules and the other programs where they lie beside the user's programs.
std::filesystem::path BinDirOf(const std::filesystem::path& exeDir);

// BinDirOf(ExecutableDir()).
std::filesystem::path BinDir();

// Where the helper program `name`, which only Quibbix starts, lies for the programs in
// `binDir`: PREFIX/libexec/quibbix/ in an install, else `binDir` (the build tree keeps every
// program in one folder).
std::filesystem::path HelperProgram(const std::filesystem::path& binDir, const std::string& name);

// Enters `dir`; false with `error` (an errno) when it cannot.
bool ChangeDirectory(const std::filesystem::path& dir, int& error);

// Runs `program` with `args` in place of this process. Returns only on failure, with
// `error` set.
void Replace(const std::filesystem::path& program, const std::vector<std::string>& args,
             int& error);

}  // namespace PosixProcess
