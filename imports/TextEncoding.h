#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The encodings a word file may come in, each known by every name people give it
// ("cp1251", "windows-1251" and "1251" are one), read into UTF-8 through the C library's
// converters, so that the tables are the system's and not typed out here.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TextEncoding {
public:
    // Every encoding a file is read in, UTF-8 first, in the order the help and the window
    // list them.
    static const std::vector<TextEncoding>& All();
    // The encoding `name` stands for, in any of its spellings and any case.
    static std::optional<TextEncoding> Find(std::string_view name);
    // The names, each encoding once, wrapped to `width` columns after `indent` spaces.
    static std::string Names(size_t indent, size_t width);

    // The name the messages use ("windows-1251", "utf-8").
    const std::string& Name() const { return m_name; }
    // What the window calls it ("Cyrillic (windows-1251)"), in the learner's language.
    std::string Label() const;
    bool IsUtf8() const { return m_name == "utf-8"; }

    // The UTF-8 form of `bytes`; false, with the offset of the first byte that has no
    // character in this encoding, or npos when the system has no converter for it.
    bool ToUtf8(std::string_view bytes, std::string& text, size_t& badOffset) const;
    // As ToUtf8, with U+FFFD for each byte that has no character and an incomplete character
    // at the end left out: for showing a file's first lines as they would read.
    std::string ToUtf8Shown(std::string_view bytes) const;

private:
    TextEncoding(std::string name, std::string converter, std::string region,
                 std::vector<std::string> aliases);
    bool Matches(std::string_view name) const;

    std::string m_name;
    std::string m_converter;  // the C library's name
    std::string m_region;     // in English, marked for the translation
    std::vector<std::string> m_aliases;
};
