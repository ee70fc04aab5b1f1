// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Escaped.h"

#include <gtest/gtest.h>

namespace {

TEST(EscapedTest, ControlsAndBrokenUtf8_AreEscaped_EverythingElseKept) {
    using namespace std::string_literals;
    const struct {
        const char* name;
        std::string text;
        std::string shown;
    } cases[] = {
        {"plain", "aller\\to go", "aller\\to go"},
        {"letters of any script", "café 日本 🙂 \xef\xbf\xbd",
         "café 日本 🙂 \xef\xbf\xbd"},
        {"a terminal title", "\x1b]0;owned\x07word", "\\x1b]0;owned\\x07word"},
        {"tab and line ends", "a\tb\nc\rd", "a\\x09b\\x0ac\\x0dd"},
        {"NUL and DEL", "a\0b\x7f"s, "a\\x00b\\x7f"},
        {"C1 CSI, not the no-break space after it",
         "\xc2\x9b"
         "2J\xc2\xa0",
         "\\x9b2J\xc2\xa0"},
        {"Windows-1252", "caf\xe9 \x80", "caf\\xe9 \\x80"},
        {"cut short and overlong", "\xe6\x97 \xc0\x80", "\\xe6\\x97 \\xc0\\x80"},
        {"a surrogate", "\xed\xa0\x80", "\\xed\\xa0\\x80"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.shown, Escaped(c.text));
        EXPECT_EQ(c.shown, Escaped(c.shown)) << "escaped twice";
    }
}

}  // namespace
