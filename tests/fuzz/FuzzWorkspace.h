#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Shared by the fuzz targets: a scratch working directory with list/ and session/, entered
// once per process, and a quiet engine environment.

#include "engine/EngineEnv.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

inline void EnterFuzzWorkspace() {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("quibbix-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir / "list");
    fs::create_directories(dir / "session");
    fs::current_path(dir);
    // The pictures a target draws are kept in the workspace's cache, not the user's.
    ::setenv("XDG_CACHE_HOME", (dir / "cache").c_str(), 1);
}

inline void PutFile(const char* path, std::string_view bytes) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return;
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

inline void ClearSession() {
    std::error_code ec;
    std::filesystem::remove_all("session", ec);
    std::filesystem::create_directory("session", ec);
}

class QuietEnv : public EngineEnv {
public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
    uint32_t GetTickCount() override { return tick; }
    int64_t MonotonicSeconds() override { return now; }

    uint32_t tick = 1;
    int64_t now = 1000;
};
