// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/PosixProcess.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace PosixProcess {

std::filesystem::path ExecutableDir() {
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path(".") : self.parent_path();
}

std::filesystem::path BinDirOf(const std::filesystem::path& exeDir) {
    const std::filesystem::path dir = exeDir.lexically_normal();
    // A trailing separator leaves an empty last part, which would hide "quibbix".
    const std::filesystem::path folder = dir.has_filename() ? dir : dir.parent_path();
    if (folder.filename() == "quibbix" && folder.parent_path().filename() == "libexec")
        return folder.parent_path().parent_path() / "bin";
    return exeDir;
}

std::filesystem::path BinDir() { return BinDirOf(ExecutableDir()); }

std::filesystem::path HelperProgram(const std::filesystem::path& binDir, const std::string& name) {
    const std::filesystem::path installed = binDir / ".." / "libexec" / "quibbix" / name;
    std::error_code error;
    if (std::filesystem::is_regular_file(installed, error)) return installed.lexically_normal();
    return binDir / name;
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
