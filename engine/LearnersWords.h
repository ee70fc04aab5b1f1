#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How a library without Qt puts a piece of a message into the learner's language: through the
// translator the program installs once, with its translation (translations/Translations), or
// in English where none is installed (the command-line tools, the libraries' own tests). The
// pieces are marked with QT_TRANSLATE_NOOP in a context, for lupdate; the file names, quoted
// lines and numbers between them are never read as text to translate.

#include <string>

namespace LearnersWords {

using Translator = std::string (*)(const char* context, const char* piece);
// Null puts English back. The translator may be called from any thread.
void UseTranslator(Translator translator);
std::string Said(const char* context, const char* piece);

}  // namespace LearnersWords
