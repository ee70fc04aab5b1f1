// SPDX-License-Identifier: GPL-2.0-or-later
#include "tests/support/TempDir.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

TempDir::TempDir(bool withLayout) {
    m_previous = fs::current_path();
    std::random_device seed;
    for (;;) {
        m_path = fs::temp_directory_path() / ("quibbix-test-" + std::to_string(seed()));
        if (fs::create_directory(m_path)) break;
    }
    if (withLayout) {
        fs::create_directory(m_path / "list");
        fs::create_directory(m_path / "session");
    }
    fs::current_path(m_path);
}

TempDir::~TempDir() {
    std::error_code ec;
    fs::current_path(m_previous, ec);
    // Tests may leave read-only directories behind; make them removable again.
    for (auto it = fs::recursive_directory_iterator(m_path, ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(m_path, ec);
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::abort();
    }
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FileExists(const std::string& path) { return fs::exists(path); }
