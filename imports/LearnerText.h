#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Messages put together below the windows, in the learner's language once a window has
// installed the program's translation. The command-line programs install none, so there the
// texts stay the English ones byte for byte, and what comes from files is never re-encoded.

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string>

class LearnerText {
public:
    // `pattern` (a translated text holding %1 .. %9) with each %N replaced by the Nth of `args`
    // in one pass, so that a file name holding "%2" stays as it is. The arguments are bytes,
    // not text: a name that is no valid UTF-8 comes through unchanged.
    static std::string Filled(const QString& pattern, std::initializer_list<std::string> args);
    // A counted text: `source` is a numerus text marked with QT_TRANSLATE_N_NOOP in `context`
    // ("%n answer(s) arrived"); without a translation the English `english` (Counted()'s
    // agreement, "1 answer arrived") is the text.
    static std::string Counted(const char* context, const char* source, uint64_t count,
                               const std::string& english);
};
