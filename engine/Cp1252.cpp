// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Cp1252.h"

#include "engine/Utf8.h"

namespace {

// 0x80..0x9F; the gaps carry the C1 control of the same value.
constexpr char32_t kHighTable[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

bool Cp1252::Encode(char32_t ch, unsigned char& byte) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) {
        byte = static_cast<unsigned char>(ch);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighTable[i] == ch) {
            byte = static_cast<unsigned char>(0x80 + i);
            return true;
        }
    }
    return false;
}

char32_t Cp1252::Decode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighTable[byte - 0x80];
    return byte;
}

std::string Cp1252::ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes) Utf8::Append(out, Decode(static_cast<unsigned char>(c)));
    return out;
}
