// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ShutdownSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};

void OnSignal(int signalNumber) {
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(g_pipe[1], &byte, 1);
}

}  // namespace

ShutdownSignals::ShutdownSignals(std::function<void(int)> onSignal)
    : m_onSignal(std::move(onSignal)) {
    if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    QObject::connect(m_notifier.get(), &QSocketNotifier::activated, [this] { ReadPipe(); });
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

ShutdownSignals::~ShutdownSignals() {
    for (int s : kSignals) ::signal(s, SIG_DFL);
}

void ShutdownSignals::ReadPipe() {
    unsigned char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1) m_onSignal(byte);
}
