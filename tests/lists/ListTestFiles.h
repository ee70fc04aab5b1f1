#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A data folder of the test's own (XDG_DATA_HOME pointed into the test's directory) and
// the list and session files the list tests build and read back.

#include "tests/support/TempDir.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

using Words = std::vector<std::pair<std::string, std::string>>;  // word, definition
using Entries = std::vector<std::pair<uint32_t, int32_t>>;       // word index, counter

class DataHome {
public:
    // Sets XDG_DATA_HOME to xdg/ in a fresh directory; the defaults (two words and a
    // picture) lie in defaults/ there.
    DataHome();
    ~DataHome();

    std::filesystem::path Xdg() const { return m_dir.path() / "xdg"; }
    std::filesystem::path Home() const { return Xdg() / "quibbix"; }
    std::filesystem::path Defaults() const { return m_dir.path() / "defaults"; }
    std::filesystem::path Root() const { return m_dir.path(); }

private:
    TempDir m_dir{false};
    std::string m_previousXdg;
    bool m_hadXdg = false;
};

void WriteWords(const std::filesystem::path& path, const Words& words);
Words ReadWords(const std::filesystem::path& path);
std::string ListText(const Entries& entries);
Entries LoadEntries(const std::filesystem::path& path);
// A session in `folder` with `toBeViewed` and `known`, the other lists empty.
void WriteSession(const std::filesystem::path& folder, const Entries& toBeViewed,
                  const Entries& known, const std::string& sessionDir = "session");
