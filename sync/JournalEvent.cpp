// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/JournalEvent.h"

#include <limits>
#include <tuple>

namespace {

auto Fields(const JournalEvent& e) {
    return std::tie(e.time.physicalMs, e.time.logical, e.device, e.sequence, e.kind, e.word,
                    e.direction, e.code, e.wallOffsetS, e.undone, e.text, e.definition, e.date,
                    e.seconds, e.files);
}

}  // namespace

int64_t JournalEvent::WallSeconds() const {
    // Floor division, so that times before 1970 (a wall clock never set) stay in their second;
    // no negation or sum that a damaged line's extreme numbers could overflow.
    const int64_t clockSeconds = time.physicalMs / 1000 - (time.physicalMs % 1000 < 0 ? 1 : 0);
    constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
    constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
    if (wallOffsetS > 0 && clockSeconds > kMax - wallOffsetS) return kMax;
    if (wallOffsetS < 0 && clockSeconds < kMin - wallOffsetS) return kMin;
    return clockSeconds + wallOffsetS;
}

bool JournalEvent::operator==(const JournalEvent& other) const {
    return Fields(*this) == Fields(other);
}

bool EventOrderLess(const JournalEvent& a, const JournalEvent& b) { return Fields(a) < Fields(b); }
