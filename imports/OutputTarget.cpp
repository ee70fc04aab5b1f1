// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/OutputTarget.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// weakly_canonical leaves a relative path alone when none of it exists yet.
fs::path Resolved(const fs::path& path, std::error_code& ec) {
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? fs::path() : fs::weakly_canonical(absolute, ec);
}

bool IsSameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    // equivalent() needs both files to exist; two spellings of a file yet to be made are
    // still one file.
    const fs::path resolvedA = Resolved(a, ec);
    if (ec) return false;
    const fs::path resolvedB = Resolved(b, ec);
    return !ec && resolvedA == resolvedB;
}

std::string KindOf(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory:
            return "a directory";
        case fs::file_type::character:
        case fs::file_type::block:
            return "a device";
        case fs::file_type::fifo:
            return "a FIFO";
        case fs::file_type::socket:
            return "a socket";
        default:
            return "a special file";
    }
}

}  // namespace

std::string OutputTarget::Problem(const std::string& path, const std::vector<std::string>& others) {
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(path, ec);
    if (status.type() == fs::file_type::symlink)
        return "is a symbolic link; name the file it points to, as the link itself would be "
               "replaced";
    if (status.type() != fs::file_type::not_found) {
        if (ec) return "cannot be examined (" + ec.message() + ")";
        if (status.type() != fs::file_type::regular)
            return "is " + KindOf(status.type()) + ", not a regular file";
    }
    for (const std::string& other : others) {
        if (IsSameFile(path, other)) return "is the same file as " + other;
    }
    return std::string();
}
