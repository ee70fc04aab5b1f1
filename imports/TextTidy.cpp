// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/TextTidy.h"

std::string TextTidy::Trim(std::string_view text) { return std::string(WithoutOuterSpaces(text)); }

std::string_view TextTidy::WithoutOuterSpaces(std::string_view text) {
    const size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::string_view();
    const size_t end = text.find_last_not_of(' ');
    return text.substr(begin, end - begin + 1);
}

std::string TextTidy::CollapseSpace(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    bool pendingSpace = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool isNbsp = c == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0';
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || isNbsp) {
            if (isNbsp) ++i;
            pendingSpace = !out.empty();
            continue;
        }
        if (pendingSpace) out.push_back(' ');
        pendingSpace = false;
        out.push_back(c);
    }
    return out;
}

std::string TextTidy::Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}
