#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Text from a file, or from a command line, made safe to print or to show in a window. A
// control character there could retitle or clear the user's terminal, and a byte that is not
// UTF-8 would show as something other than what the file holds.

#include <string>
#include <string_view>

// Writes as \xNN (two lower-case hex digits): the C0 controls (tab and line ends among them),
// DEL, the C1 controls U+0080 to U+009F (their code point), and every byte that is not part
// of a valid UTF-8 sequence. Every other character, a backslash too, is kept as it is, so
// escaping text that is already escaped changes nothing.
std::string Escaped(std::string_view text);
