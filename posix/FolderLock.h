#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Keeps a second program away from a working folder's session while this one studies it: an
// advisory lock on the session directory itself, which the window, the driver and the
// word-list tool's rebase all take, so no lock file is left anywhere. The kernel drops the
// lock when its holder ends, however it ends, so a crashed program never leaves a stale lock.

#include "engine/EngineTexts.h"

#include <string>

class FolderLock {
public:
    // Marked for the program's translation; the lock itself needs no Qt.
    static constexpr const char* kHeldMessage =
        QT_TRANSLATE_NOOP("FolderLock", "Quibbix is already running on this folder.");
    static constexpr const char* kHeldCaption = QT_TRANSLATE_NOOP("FolderLock", "Already Running");

    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    enum class Result {
        kLocked,
        // No session directory: nothing can be written there anyway.
        kNoDirectory,
        kHeldElsewhere,
        kFailed,
    };
    // Locks `sessionDirectory`; `error` gets the errno value when it fails.
    Result Acquire(const std::string& sessionDirectory, int& error);
    // The same, waiting up to `timeoutMs` for a holder that is busy with a short change
    // rather than failing at once.
    Result AcquireWaiting(const std::string& directory, int timeoutMs, int& error);

private:
    int m_fd = -1;
};
