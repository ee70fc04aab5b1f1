#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Small clean-ups of UTF-8 text shared by the importers.

#include <string>
#include <string_view>

class TextTidy {
public:
    // Drops spaces at both ends.
    static std::string Trim(std::string_view text);
    static std::string_view WithoutOuterSpaces(std::string_view text);
    // Turns every run of white space (space, tab, CR, LF, no-break space) into one space and
    // trims the ends: for formats whose line breaks are layout, not content.
    static std::string CollapseSpace(std::string_view text);
    static std::string Lower(std::string_view text);
};
