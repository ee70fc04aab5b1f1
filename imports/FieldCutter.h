#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Shortens a text to fit a field of so many bytes, at a place a reader would accept: the
// last space that fits, else (in UTF-8, where scripts such as Chinese or Thai have no spaces)
// the last word boundary, else the last character boundary. A character here is what the
// reader sees as one, so a letter keeps its combining marks and a UTF-8 sequence is never
// split.

#include <functional>
#include <string>

class FieldCutter {
public:
    // `text` is UTF-8; the result is its longest such head that takes at most `limit` bytes,
    // counted in UTF-8 or, with `singleByte`, one byte a character, without a dangling
    // space or punctuation at its end.
    static std::string Cut(const std::string& text, size_t limit, bool singleByte);
    // The same, the size of a head in its field (UTF-8 in, bytes out) told by `sizeOf`,
    // which grows with the head; a form that holds no text of the script says limit + 1.
    static std::string Cut(const std::string& text, size_t limit,
                           const std::function<size_t(const std::string&)>& sizeOf);
};
