#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the event loop, where the program can
// save its session as leaving does, instead of dying with every answer since the last save.
// A handler may do almost nothing, so it only writes a byte into a pipe that a socket
// notifier watches.

#include <functional>
#include <memory>

class QSocketNotifier;

class ShutdownSignals {
public:
    // One per process, the handlers being process-wide. `onSignal` runs on the event loop.
    explicit ShutdownSignals(std::function<void(int)> onSignal);
    ~ShutdownSignals();
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

private:
    void ReadPipe();

    std::function<void(int)> m_onSignal;
    std::unique_ptr<QSocketNotifier> m_notifier;
};
