#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The engine's window to the world in the program: its messages as message boxes without an
// owner, the monotonic clock as the tick count and the usage clock.

#include "engine/EngineEnv.h"

class MessageBoxes;

class QtEngineEnv : public EngineEnv {
public:
    // `boxes` must outlive this object.
    explicit QtEngineEnv(MessageBoxes& boxes);

    void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override;
    uint32_t GetTickCount() override;
    int64_t MonotonicSeconds() override;
    FileSystem& Files() override;
    // Where the session files go from now on (the platform's files until then); `files`
    // must outlive this object.
    void SetFiles(FileSystem& files) { m_files = &files; }

    // From now on messages go to standard error: for when no window can be shown.
    static void SendMessagesToStandardError();

private:
    MessageBoxes& m_boxes;
    FileSystem* m_files = nullptr;
};

// Milliseconds since the system started, wrapping at 2^32 (GetTickCount).
uint32_t GetTickCountMs();
