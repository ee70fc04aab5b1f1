#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Unicode lower case from the C library's own UTF-8 locale, whatever the user's locale is, so
// that a program can compare names ignoring case without loading a text library for it.

namespace PosixText {

// `c` in lower case, or `c` itself when it has none.
char32_t Lower(char32_t c);

}  // namespace PosixText
