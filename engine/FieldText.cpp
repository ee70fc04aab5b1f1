// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/FieldText.h"

#include "engine/Cp1252.h"
#include "engine/Utf8.h"

namespace {

std::string_view UpToNul(std::string_view field) { return field.substr(0, field.find('\0')); }

}  // namespace

bool FieldText::IsUtf8(std::string_view field) {
    const std::string_view text = UpToNul(field);
    std::u32string decoded;
    size_t bad = 0;
    // Fewer characters than bytes means at least one took more than one byte.
    return Utf8::Decode(text, decoded, bad) && decoded.size() < text.size();
}

std::string FieldText::ToUtf8(std::string_view field) {
    const std::string_view text = UpToNul(field);
    return IsUtf8(text) ? std::string(text) : Cp1252::ToUtf8(text);
}
