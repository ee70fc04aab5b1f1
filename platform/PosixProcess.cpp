// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/PosixProcess.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace PosixProcess {

std::filesystem::path ExecutableDir() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(".") : self.parent_path();
}

bool ChangeDirectory(const std::filesystem::path& dir, int& error) {
    if (::chdir(dir.c_str()) == 0) return true;
    error = errno;
    return false;
}

void Replace(const std::filesystem::path& program, const std::vector<std::string>& args,
             int& error) {
    std::vector<std::string> argv{program.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> pointers;
    for (std::string& arg : argv) pointers.push_back(arg.data());
    pointers.push_back(nullptr);
    ::execv(pointers[0], pointers.data());
    error = errno;
}

}  // namespace PosixProcess
