#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Turns the HTML that flash-card programs store in their fields into one line of plain text:
// line breaks and blocks become spaces, media, styles, scripts and comments go, cloze markup
// keeps its answer, tags are dropped and character references decoded.

#include <string>
#include <string_view>

class HtmlText {
public:
    static std::string Flatten(std::string_view html);
    // Decodes named and numeric character references; unknown ones are kept as written.
    static std::string DecodeEntities(std::string_view text);
    // The file named by the first picture (<img src="...">) and by the first sound tag
    // ([sound:...]), as a flash-card program names it in its media; empty when none.
    static std::string FirstPicture(std::string_view html);
    static std::string FirstSound(std::string_view html);
    // True when the text holds something that reads as an HTML tag.
    static bool LooksLikeHtml(std::string_view text);
};
