// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/HybridClock.h"

#include <chrono>
#include <limits>

int64_t HybridClock::SystemWallMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

HybridClock::HybridClock(std::function<int64_t()> wallMs) : m_wallMs(std::move(wallMs)) {}

int64_t HybridClock::Wall() const { return m_wallMs ? m_wallMs() : SystemWallMs(); }

HybridTime HybridClock::Now() {
    const int64_t wall = Wall();
    if (wall > m_last.physicalMs) {
        m_last = {wall, 0};
    } else if (m_last.logical == std::numeric_limits<uint32_t>::max()) {
        // Four billion events in one millisecond only come from a damaged journal; moving on by
        // a millisecond keeps the times rising rather than wrapping.
        m_last = {m_last.physicalMs + 1, 0};
    } else {
        ++m_last.logical;
    }
    return m_last;
}

void HybridClock::Observe(const HybridTime& remote) {
    if (remote.physicalMs > Wall() + kMaxAheadMs) return;
    if (m_last < remote) m_last = remote;
}
