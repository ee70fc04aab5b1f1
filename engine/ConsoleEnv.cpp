// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ConsoleEnv.h"

#include <chrono>
#include <cstdio>

void ConsoleEnv::ShowMessage(const std::string& text, const std::string& caption, Icon) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
}

uint32_t ConsoleEnv::GetTickCount() {
    // The steady clock counts from system start on Linux, as the tick count does.
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<uint32_t>(ms);
}

int64_t ConsoleEnv::MonotonicSeconds() {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::seconds>(since).count();
}
