// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/CodePageDecoder.h"

#include <iconv.h>

namespace {

constexpr const char* kCodePages[] = {"1250", "1251", "1253", "1254", "1255",
                                      "1256", "1257", "1258", "874"};

}  // namespace

bool CodePageDecoder::IsKnown(const std::string& codePage) {
    for (const char* known : kCodePages)
        if (codePage == known) return true;
    return false;
}

std::string CodePageDecoder::Names() {
    std::string names;
    for (const char* known : kCodePages) names += (names.empty() ? "" : ", ") + std::string(known);
    return names;
}

bool CodePageDecoder::ToUtf8(std::string_view bytes, std::string& text, size_t& badOffset) const {
    iconv_t cd = iconv_open("UTF-8", ("CP" + m_codePage).c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        badOffset = std::string_view::npos;
        return false;
    }
    std::string in(bytes);
    // A byte becomes at most four bytes of UTF-8 (and 1255 and 1258 compose at most two).
    text.assign(in.size() * 8 + 8, '\0');
    char* inPtr = in.data();
    char* outPtr = text.data();
    size_t inLeft = in.size(), outLeft = text.size();
    size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    // Flushes a character held back in case a combining mark would follow.
    if (done != static_cast<size_t>(-1)) done = iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1)) {
        badOffset = static_cast<size_t>(inPtr - in.data());
        return false;
    }
    text.resize(text.size() - outLeft);
    return true;
}
