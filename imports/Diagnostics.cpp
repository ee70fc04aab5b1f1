// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/Diagnostics.h"

#include "engine/Escaped.h"

#include <utility>

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
    if (kind != Message::Kind::kError && ++m_quietCount > kMaxQuietMessages) {
        if (m_quietCount == kMaxQuietMessages + 1)
            Keep(Message::Kind::kNote, file, 0,
                 "more than " + std::to_string(kMaxQuietMessages) +
                     " warnings and notes; the rest are not shown");
        return;
    }
    Keep(kind, file, line, text);
}

void Diagnostics::Keep(Message::Kind kind, const std::string& file, int line,
                       const std::string& text) {
    static const char* const kPrefixes[] = {"", "warning: ", "note: "};
    // The file's name came from a command line and the text quotes the file's own words:
    // both are escaped once here, for the terminal and for any window that shows them later.
    Message kept{kind, Escaped(file), line, Escaped(text)};
    std::string message = kept.file.empty() ? std::string("quibbix-wordlist") : kept.file;
    if (line > 0) message += ":" + std::to_string(line);
    message += ": " + std::string(kPrefixes[static_cast<int>(kind)]) + kept.text;
    m_out << message << '\n';
    m_messages.push_back(std::move(kept));
}
