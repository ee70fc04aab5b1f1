// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/Diagnostics.h"

void Diagnostics::Error(const std::string& file, int line, const std::string& text) {
    ++m_errorCount;
    Emit(file, line, "", text);
}

void Diagnostics::Warning(const std::string& file, int line, const std::string& text) {
    Emit(file, line, "warning: ", text);
}

void Diagnostics::Note(const std::string& file, int line, const std::string& text) {
    Emit(file, line, "note: ", text);
}

void Diagnostics::Emit(const std::string& file, int line, const std::string& kind,
                       const std::string& text) {
    std::string message = file.empty() ? std::string("quibbix-wordlist") : file;
    if (line > 0) message += ":" + std::to_string(line);
    message += ": " + kind + text;
    m_out << message << '\n';
}
