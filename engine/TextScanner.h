#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads numbers from text by the rules of the C library's formatted input in the "C" locale,
// without depending on the process locale (the window toolkit changes it): white space is
// skipped before each number, a failed conversion leaves the position at the offending
// character, and out-of-range values come out as scanf's do on glibc.

#include <cstdint>
#include <string_view>

class TextScanner {
public:
    explicit TextScanner(std::string_view text) : m_text(text) {}

    void SkipSpace();
    // True when only white space is left.
    bool AtEnd() {
        SkipSpace();
        return m_pos == m_text.size();
    }
    // "%d": a signed decimal; false (nothing stored) when no digit follows.
    bool ScanInt(int32_t& value);
    // "%u": an unsigned decimal, a leading minus negating it modulo 2^32.
    bool ScanUnsigned(uint32_t& value);
    // "%lf": a decimal floating-point number, "inf" and "nan" included.
    bool ScanDouble(double& value);

private:
    // Reads [sign] digits; returns false when there is no digit. `negative` tells the sign.
    bool ScanDigits(uint64_t& magnitude, bool& negative, bool& overflow);

    std::string_view m_text;
    size_t m_pos = 0;
};
