#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the engine needs from outside while it replays journaled events: files in memory, a
// tick count the replay sets from each event, so that the random orders it draws are the same
// on every computer, and messages kept for the caller instead of shown.

#include "engine/EngineEnv.h"
#include "sync/MemoryFileSystem.h"

#include <string>
#include <vector>

class ReplayEnv : public EngineEnv {
public:
    void SetTick(uint32_t tick) { m_tick = tick; }
    const std::vector<std::string>& Messages() const { return m_messages; }

    void ShowMessage(const std::string& text, const std::string&, Icon) override {
        m_messages.push_back(text);
    }
    uint32_t GetTickCount() override { return m_tick; }
    // No replayed rule measures time.
    int64_t MonotonicSeconds() override { return 0; }
    std::string LocalDate() override { return {}; }
    FileSystem& Files() override { return m_files; }
    MemoryFileSystem& Memory() { return m_files; }

private:
    MemoryFileSystem m_files;
    uint32_t m_tick = 0;
    std::vector<std::string> m_messages;
};
