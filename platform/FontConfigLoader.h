#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Loads the desktop's font configuration on a thread of its own while the window system
// starts. Reading fontconfig's configuration files is the largest single piece of work of a
// start, and Qt does it on the main thread at the first font it looks up; begun at the first
// line of the program, it is done by the time the first window is built. The library is the
// one Qt itself uses: where it is not there, nothing happens and Qt does as it always does.

#include <thread>

class FontConfigLoader {
public:
    FontConfigLoader();
    // Waits for the thread.
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    // Waits until the configuration is loaded. Call it before anything looks up a font: the
    // library would otherwise load it a second time on the main thread.
    void Wait();

private:
    std::thread m_thread;
};
