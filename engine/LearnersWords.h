#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How the libraries put their messages into the learner's language, one way for all of them:
// through the translator each program installs once in its main (translations/Translations),
// or in English where none is installed (the command-line tools, the libraries' own tests).
// lupdate reads Said(context, "text") as it reads Qt's translate (scripts/update-translations.sh
// names the alias); pieces kept in tables are marked with QT_TRANSLATE_NOOP in a context. The
// file names, quoted lines and numbers put between the pieces are never read as text to
// translate, and come through byte for byte.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

// lupdate's marks for pieces kept in tables, spelled as Qt spells them, so that either
// definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(scope, x) x
#endif

namespace LearnersWords {

// The translation of `source` in `context`, with `count` for a counted text (-1 for none);
// nothing where the program has no translation in use.
using Translator = std::optional<std::string> (*)(const char* context, const char* source,
                                                  int count);
// Null puts English back. The translator may be called from any thread.
void UseTranslator(Translator translator);

// A piece in the learner's language.
std::string Said(const char* context, const char* piece);
// `pattern` (a said text holding %1 .. %9) with each %N replaced by the Nth of `args` in one
// pass, so that a file name holding "%2" stays as it is. The arguments are bytes, not text: a
// name that is no valid UTF-8 comes through unchanged.
std::string Filled(const std::string& pattern, std::initializer_list<std::string> args);
// A counted text: `source` is a numerus text marked with QT_TRANSLATE_N_NOOP in `context`
// ("%n answer(s) arrived"); without a translation the English `english` (Counted()'s
// agreement, "1 answer arrived") is the text.
std::string Counted(const char* context, const char* source, uint64_t count,
                    const std::string& english);

}  // namespace LearnersWords
