#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Gives each test case a fresh working directory of its own, removed afterwards, so that
// the relative paths the program uses (list/, session/) never meet another test's files.

#include <filesystem>
#include <string>

class TempDir {
public:
    // Creates the directory (with list/ and session/ when `withLayout`) and enters it.
    explicit TempDir(bool withLayout = true);
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
    std::filesystem::path m_previous;
};

// Writes bytes to a file, replacing it. Aborts the test run on failure.
void WriteFile(const std::string& path, const std::string& bytes);
// The whole file, or an empty string when it does not exist.
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
