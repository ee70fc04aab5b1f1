#pragma once
// Collects the tool's messages about its input and prints each at once, in the form
// "FILE:LINE: text" that editors and compilers use, so a user can jump to the line.

#include <ostream>
#include <string>
#include <vector>

class Diagnostics {
public:
    // `out` receives every message and must outlive this object.
    explicit Diagnostics(std::ostream& out) : m_out(out) {}

    // `line` 0 leaves the line out. Errors are what makes the input refused.
    void Error(const std::string& file, int line, const std::string& text);
    void Warning(const std::string& file, int line, const std::string& text);
    void Note(const std::string& file, int line, const std::string& text);

    int ErrorCount() const { return m_errorCount; }
    int WarningCount() const { return m_warningCount; }
    const std::vector<std::string>& Messages() const { return m_messages; }

private:
    void Emit(const std::string& file, int line, const std::string& kind, const std::string& text);

    std::ostream& m_out;
    std::vector<std::string> m_messages;
    int m_errorCount = 0;
    int m_warningCount = 0;
};
