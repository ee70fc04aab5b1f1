// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TextScanner.h"

#include <charconv>
#include <limits>

void TextScanner::SkipSpace() {
    while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
}

bool TextScanner::ScanDigits(uint64_t& magnitude, bool& negative, bool& overflow) {
    SkipSpace();
    negative = false;
    overflow = false;
    if (m_pos < m_text.size() && (m_text[m_pos] == '+' || m_text[m_pos] == '-')) {
        negative = m_text[m_pos] == '-';
        ++m_pos;  // scanf consumes the sign even when no digit follows
    }
    if (m_pos >= m_text.size() || !IsDigit(m_text[m_pos])) return false;
    magnitude = 0;
    // magnitude * 10 + digit > max, without a division for every digit of a long list.
    constexpr uint64_t kMax = std::numeric_limits<uint64_t>::max();
    constexpr uint64_t kTenth = kMax / 10;
    constexpr uint64_t kLastDigit = kMax % 10;
    while (m_pos < m_text.size() && IsDigit(m_text[m_pos])) {
        const uint64_t digit = static_cast<uint64_t>(m_text[m_pos] - '0');
        if (magnitude > kTenth || (magnitude == kTenth && digit > kLastDigit)) overflow = true;
        if (!overflow) magnitude = magnitude * 10 + digit;
        ++m_pos;
    }
    return true;
}

bool TextScanner::ScanLongInt(int32_t& value) {
    uint64_t magnitude = 0;
    bool negative = false;
    bool overflow = false;
    if (!ScanDigits(magnitude, negative, overflow)) return false;
    // glibc converts with strtol (saturating at the long range) and stores the low 32 bits.
    constexpr uint64_t kLongMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    int64_t wide;
    if (negative) {
        wide = (overflow || magnitude > kLongMax + 1) ? std::numeric_limits<int64_t>::min()
                                                      : static_cast<int64_t>(0 - magnitude);
    } else {
        wide = (overflow || magnitude > kLongMax) ? std::numeric_limits<int64_t>::max()
                                                  : static_cast<int64_t>(magnitude);
    }
    value = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
    return true;
}

bool TextScanner::ScanLongUnsigned(uint32_t& value) {
    uint64_t magnitude = 0;
    bool negative = false;
    bool overflow = false;
    if (!ScanDigits(magnitude, negative, overflow)) return false;
    // strtoul: saturate at the unsigned long range, then negate when a minus was read.
    uint64_t wide = overflow ? std::numeric_limits<uint64_t>::max() : magnitude;
    if (negative && !overflow) wide = 0 - wide;
    value = static_cast<uint32_t>(wide);
    return true;
}

bool TextScanner::ScanDouble(double& value) {
    SkipSpace();
    size_t start = m_pos;
    bool negative = false;
    if (start < m_text.size() && (m_text[start] == '+' || m_text[start] == '-')) {
        negative = m_text[start] == '-';
        ++start;
    }
    // from_chars takes a minus of its own, which scanf would not after the sign.
    if (start < m_text.size() && m_text[start] == '-') return false;
    double parsed = 0.0;
    const char* first = m_text.data() + start;
    const char* last = m_text.data() + m_text.size();
    auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ptr == first) return false;
    // from_chars leaves the value alone when it is out of range; scanf gives HUGE_VAL for an
    // overflow and 0 for an underflow, told apart by the exponent's sign.
    if (result.ec == std::errc::result_out_of_range) {
        std::string_view digits(first, static_cast<size_t>(result.ptr - first));
        const size_t e = digits.find_first_of("eE");
        const bool underflow =
            e != std::string_view::npos && e + 1 < digits.size() && digits[e + 1] == '-';
        parsed = underflow ? 0.0 : std::numeric_limits<double>::infinity();
    }
    m_pos = static_cast<size_t>(result.ptr - m_text.data());
    value = negative ? -parsed : parsed;
    return true;
}
