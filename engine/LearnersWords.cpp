// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/LearnersWords.h"

#include <atomic>

namespace LearnersWords {

namespace {

// A sync may run on a worker thread while the program installs its translation.
std::atomic<Translator> g_translator{nullptr};

}  // namespace

void UseTranslator(Translator translator) { g_translator.store(translator); }

std::string Said(const char* context, const char* piece) {
    const Translator translator = g_translator.load();
    return translator ? translator(context, piece) : std::string(piece);
}

}  // namespace LearnersWords
