// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/JournalEvent.h"

#include <tuple>

namespace {

auto Fields(const JournalEvent& e) {
    return std::tie(e.time.physicalMs, e.time.logical, e.device, e.sequence, e.kind, e.word,
                    e.direction, e.code, e.wallOffsetS, e.undone, e.text, e.definition);
}

}  // namespace

int64_t JournalEvent::WallSeconds() const {
    // Floor division, so that times before 1970 (a wall clock never set) stay in their second.
    const int64_t seconds =
        time.physicalMs >= 0 ? time.physicalMs / 1000 : -((-time.physicalMs + 999) / 1000);
    return seconds + wallOffsetS;
}

bool JournalEvent::operator==(const JournalEvent& other) const {
    return Fields(*this) == Fields(other);
}

bool EventOrderLess(const JournalEvent& a, const JournalEvent& b) { return Fields(a) < Fields(b); }
