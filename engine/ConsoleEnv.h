#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// An EngineEnv for programs without a window: the real clocks, and messages written to
// standard error as "caption: text". Tools derive from it to change one of the three.

#include "engine/EngineEnv.h"

class ConsoleEnv : public EngineEnv {
public:
    void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
    uint32_t GetTickCount() override;
    int64_t MonotonicSeconds() override;
};
