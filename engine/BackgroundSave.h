#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes a save's files on a thread of its own, so that syncing them to the disk never holds
// up the next word. One save at a time; the files are copied in, so the study goes on
// changing the lists meanwhile.

#include "engine/AtomicFile.h"

#include <atomic>
#include <thread>
#include <vector>

class BackgroundSave {
public:
    BackgroundSave() = default;
    ~BackgroundSave() { Wait(); }
    BackgroundSave(const BackgroundSave&) = delete;
    BackgroundSave& operator=(const BackgroundSave&) = delete;

    // requires: !IsRunning(). `files` must be safe to use from another thread and outlive
    // the save.
    void Start(FileSystem& files, std::vector<FileImage> images);
    bool IsRunning() const { return m_thread.joinable(); }
    // True once a started save has ended, with its outcome; the save is then over.
    bool Finished(bool& saved, FileError& error);
    // Blocks until a running save has ended; its outcome is still given by Finished.
    void Wait();

private:
    std::thread m_thread;
    std::atomic<bool> m_done{false};
    bool m_hasOutcome = false;
    bool m_saved = false;
    FileError m_error;
};
