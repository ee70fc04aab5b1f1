#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Decides whether the tool may replace a file it was told to write. Files are replaced by
// renaming a new file over them, which would turn a device, a FIFO or a symbolic link into a
// plain file, and would destroy an input that names the same file.

#include <string>
#include <vector>

class OutputTarget {
public:
    // Why `path` must not be replaced, or an empty string when it may be: it exists and is not
    // a regular file, it is a symbolic link, or it is the same file as one of `others` (the
    // files the same run reads or writes), however either is spelled.
    static std::string Problem(const std::string& path, const std::vector<std::string>& others);
};
