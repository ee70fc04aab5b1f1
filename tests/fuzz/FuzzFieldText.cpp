// SPDX-License-Identifier: GPL-2.0-or-later
// A field of any bytes reads as valid UTF-8: compact when it begins with a tag, in UTF-8 only
// when it is UTF-8 and in Windows-1252 otherwise; what it reads as is stored again so that it reads
// back the same, and a cut to fit a word keeps to the limit and to the head of the text.

#include "engine/Cp1252.h"
#include "engine/Utf8.h"
#include "imports/FieldEncoder.h"
#include "imports/FieldText.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string field(reinterpret_cast<const char*>(data), size);
    const std::string shown = field.substr(0, field.find('\0'));
    const std::string text = FieldText::ToUtf8(field);
    std::u32string decoded;
    size_t bad = 0;
    if (!Utf8::Decode(text, decoded, bad)) std::abort();
    if (!FieldText::IsCompact(field) &&
        text != (FieldText::IsUtf8(field) ? shown : Cp1252::ToUtf8(shown)))
        std::abort();
    const FieldEncoder::Outcome whole =
        FieldEncoder::Encode(text, text.size(), FieldEncoder::Encoding::Auto, false);
    if (whole.problem.empty() && FieldText::ToUtf8(whole.bytes) != text) std::abort();
    const FieldEncoder::Outcome cut =
        FieldEncoder::Encode(text, 30, FieldEncoder::Encoding::Auto, true);
    if (cut.problem.empty()) {
        const std::string back = FieldText::ToUtf8(cut.bytes);
        if (cut.bytes.size() > 30 || text.compare(0, back.size(), back) != 0) std::abort();
    }
    return 0;
}
