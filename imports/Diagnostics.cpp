// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/Diagnostics.h"

void Diagnostics::Error(const std::string& file, int line, const std::string& text) {
    ++m_errorCount;
    Emit(Message::Kind::kError, file, line, text);
}

void Diagnostics::Warning(const std::string& file, int line, const std::string& text) {
    Emit(Message::Kind::kWarning, file, line, text);
}

void Diagnostics::Note(const std::string& file, int line, const std::string& text) {
    Emit(Message::Kind::kNote, file, line, text);
}

void Diagnostics::Emit(Message::Kind kind, const std::string& file, int line,
                       const std::string& text) {
    static const char* const kPrefixes[] = {"", "warning: ", "note: "};
    std::string message = file.empty() ? std::string("quibbix-wordlist") : file;
    if (line > 0) message += ":" + std::to_string(line);
    message += ": " + std::string(kPrefixes[static_cast<int>(kind)]) + text;
    m_out << message << '\n';
    m_messages.push_back({kind, file, line, text});
}
