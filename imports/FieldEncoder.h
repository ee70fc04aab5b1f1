#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Stores the UTF-8 text of one word or definition in the bytes of its field: in
// Windows-1252 where that holds the text and reads back as it, which keeps every list that
// could be made before byte for byte as it was, and in UTF-8 otherwise. Refuses what would
// break the record, show wrongly or not fit, or cuts it to fit when asked.

#include <string>

class FieldEncoder {
public:
    enum class Encoding { Auto, Cp1252, Utf8 };

    struct Outcome {
        std::string bytes;
        std::string text;      // what the bytes read back as, after any cut
        std::string problem;   // why the field is refused, a phrase after its name; or empty
        size_t uncutSize = 0;  // the size before a cut, or 0 when nothing was cut
    };

    static Outcome Encode(const std::string& text, size_t limit, Encoding encoding, bool truncate);
    static const char* Name(bool isUtf8) { return isUtf8 ? "UTF-8" : "Windows-1252"; }
};
