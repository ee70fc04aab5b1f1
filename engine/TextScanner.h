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
    bool ScanInt(int32_t& value) {
        uint32_t small = 0;
        if (!ScanShort(small)) return ScanLongInt(value);
        value = static_cast<int32_t>(small);
        return true;
    }
    // "%u": an unsigned decimal, a leading minus negating it modulo 2^32.
    bool ScanUnsigned(uint32_t& value) { return ScanShort(value) || ScanLongUnsigned(value); }
    // "%lf": a decimal floating-point number, "inf" and "nan" included.
    bool ScanDouble(double& value);

private:
    // ' ', or '\t' '\n' '\v' '\f' '\r', which stand together.
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    // The common case of both, inline, as a list file holds little else: an unsigned number
    // of at most nine digits, which cannot overflow; false (the position after any white
    // space) for anything else.
    bool ScanShort(uint32_t& value) {
        const char* const text = m_text.data();
        const char* const end = text + m_text.size();
        const char* at = text + m_pos;
        while (at != end && IsSpace(*at)) ++at;
        m_pos = static_cast<size_t>(at - text);
        const char* const first = at;
        const char* const last = end - at > 9 ? at + 9 : end;
        uint32_t magnitude = 0;
        while (at != last && IsDigit(*at))
            magnitude = magnitude * 10 + static_cast<uint32_t>(*at++ - '0');
        if (at == first || (at != end && IsDigit(*at))) return false;
        m_pos = static_cast<size_t>(at - text);
        value = magnitude;
        return true;
    }
    bool ScanLongInt(int32_t& value);
    bool ScanLongUnsigned(uint32_t& value);
    // Reads [sign] digits; returns false when there is no digit. `negative` tells the sign.
    bool ScanDigits(uint64_t& magnitude, bool& negative, bool& overflow);

    std::string_view m_text;
    size_t m_pos = 0;
};
