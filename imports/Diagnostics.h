#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Prints the tool's messages about its input at once, in the form
// "FILE:LINE: text" that editors and compilers use, so a user can jump to the line.

#include <ostream>
#include <string>
#include <vector>

class Diagnostics {
public:
    // Every message is also kept, so that a window can show them after the fact. The file and
    // the text are kept as printed, with control characters and bytes that are not UTF-8
    // escaped (see engine/Escaped.h).
    struct Message {
        enum class Kind { kError, kWarning, kNote };
        Kind kind;
        std::string file;
        int line;
        std::string text;
    };

    // `out` receives every message and must outlive this object.
    explicit Diagnostics(std::ostream& out) : m_out(out) {}

    // `line` 0 leaves the line out. Errors are what makes the input refused.
    void Error(const std::string& file, int line, const std::string& text);
    void Warning(const std::string& file, int line, const std::string& text);
    void Note(const std::string& file, int line, const std::string& text);

    // Warnings and notes past kMaxQuietMessages are counted but neither printed nor kept,
    // so that a file of a million doubtful rows cannot fill the memory with messages about
    // them; one note says where they stop. Errors are always kept: they refuse entries, of
    // which an importer reads no more than a list holds.
    static constexpr int kMaxQuietMessages = 65534;

    int ErrorCount() const { return m_errorCount; }
    const std::vector<Message>& Messages() const { return m_messages; }

private:
    void Emit(Message::Kind kind, const std::string& file, int line, const std::string& text);
    void Keep(Message::Kind kind, const std::string& file, int line, const std::string& text);

    std::ostream& m_out;
    int m_errorCount = 0;
    int m_quietCount = 0;
    std::vector<Message> m_messages;
};
