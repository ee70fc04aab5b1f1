#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the study engine needs from outside the standard library: a modal message, the tick
// count that seeds the random orders, the calendar clock of the usage record and the files.
// The program passes its platform's implementation; tools and tests pass their own. The
// caller owns the object, which must outlive every engine object it is given to.

#include "engine/FileSystem.h"

#include <cstdint>
#include <ctime>
#include <string>

class EngineEnv {
public:
    enum class Icon { None, Error };

    virtual ~EngineEnv() = default;

    // Shows `text` under `caption` with an OK button and returns once it was dismissed.
    virtual void ShowMessage(const std::string& text, const std::string& caption, Icon icon) = 0;
    // Milliseconds since system start, wrapping at 2^32.
    virtual uint32_t GetTickCount() = 0;
    // Whole seconds on a clock that only moves forward, from any fixed start; the usage clock
    // measures with it, so setting the calendar back changes nothing.
    virtual int64_t MonotonicSeconds() = 0;
    // Today on the user's calendar, "YYYY-MM-DD": the study history keeps one line per day.
    virtual std::string LocalDate() {
        const std::time_t now = std::time(nullptr);
        char text[16] = "";
        if (const std::tm* local = std::localtime(&now))
            std::strftime(text, sizeof text, "%Y-%m-%d", local);
        return text;
    }
    // Where the session files are read and written.
    virtual FileSystem& Files() { return DefaultFileSystem(); }
};
