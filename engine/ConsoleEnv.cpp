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

std::time_t ConsoleEnv::Now() { return std::time(nullptr); }
