#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The clock every journal event is stamped with. Its times never go back on one computer, even
// when the wall clock does (a correction, a changed time zone setting on a clock kept in local
// time), and an event made after reading another computer's journal is stamped after every
// event read there, however far the two wall clocks disagree; yet it stays within the
// milliseconds of the fastest wall clock seen, so its times still read as dates.

#include "sync/HybridTime.h"

#include <cstdint>
#include <functional>

class HybridClock {
public:
    // How far ahead of this computer's wall clock an observed time may be and still be taken
    // in. Clocks a day or more apart are broken, not skewed; and one damaged journal line
    // stamped in the year 9999 would otherwise carry every later event of every computer
    // there with it.
    static constexpr int64_t kMaxAheadMs = 24 * 3600 * 1000;

    // Milliseconds since 1970 from the system's wall clock.
    static int64_t SystemWallMs();

    // `wallMs` is asked at every Now and Observe; the system's wall clock when empty.
    explicit HybridClock(std::function<int64_t()> wallMs = {});

    // A time after every time this clock has given or observed.
    HybridTime Now();
    // Takes in a time read from another computer's journal (or this computer's own, on start,
    // so that a restart does not reuse times), so that the next Now comes after it; a time
    // more than kMaxAheadMs ahead of the wall clock is passed over.
    void Observe(const HybridTime& remote);
    // The last time given or observed.
    HybridTime Last() const { return m_last; }

private:
    int64_t Wall() const;

    std::function<int64_t()> m_wallMs;
    HybridTime m_last;
};
