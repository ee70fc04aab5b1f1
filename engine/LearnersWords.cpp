// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/LearnersWords.h"

#include <atomic>
#include <climits>

namespace LearnersWords {

namespace {

// A sync may run on a worker thread while the program installs its translation.
std::atomic<Translator> g_translator{nullptr};

std::optional<std::string> Translated(const char* context, const char* source, int count) {
    const Translator translator = g_translator.load();
    if (!translator) return std::nullopt;
    return translator(context, source, count);
}

}  // namespace

void UseTranslator(Translator translator) { g_translator.store(translator); }

std::string Said(const char* context, const char* piece) {
    return Translated(context, piece, -1).value_or(piece);
}

std::string Filled(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string filled;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const size_t number = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '0') : 0;
        if (pattern[i] == '%' && number >= 1 && number <= 9 && number <= args.size()) {
            filled += *(args.begin() + (number - 1));
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

std::string Counted(const char* context, const char* source, uint64_t count,
                    const std::string& english) {
    const int n = count > uint64_t(INT_MAX) ? INT_MAX : int(count);
    return Translated(context, source, n).value_or(english);
}

}  // namespace LearnersWords
