#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The quibbix-wordlist command line: import, export, check, rebase, recode and the default
// list.
// Exit codes follow Unix tools: 0 success, 1 bad input, 2 bad usage.

#include "engine/WordRecord.h"

#include <ostream>
#include <string>
#include <vector>

#include "imports/ImportOptions.h"
#include "imports/RecordEncoder.h"

class Diagnostics;

class WordListTool {
public:
    static constexpr int kOk = 0, kBadInput = 1, kBadUsage = 2;

    // Both streams must outlive the tool.
    WordListTool(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) {}

    // `args` excludes the program name. Fails when `out` could not take all of its output.
    int Run(const std::vector<std::string>& args);

private:
    struct Arguments {
        std::vector<std::string> positional;
        std::string output, licenceOutput, codePage;
        ImportOptions import;
        RecordEncoder::Options encode;
        bool force = false;
        bool help = false;
    };

    int RunCommand(const std::vector<std::string>& args);
    int Usage(const std::string& problem);
    bool Parse(const std::vector<std::string>& args, Arguments& parsed, std::string& problem);
    bool ParseOption(const std::vector<std::string>& args, size_t& i, Arguments& parsed,
                     std::string& problem);
    int Import(const Arguments& args);
    int Export(const Arguments& args);
    int Check(const Arguments& args);
    int Rebase(const Arguments& args);
    int Recode(const Arguments& args);
    int BuildDefault(const Arguments& args);
    bool ReadList(const std::string& path, Diagnostics& diagnostics,
                  std::vector<WordRecord>& records);

    std::ostream& m_out;
    std::ostream& m_err;
};
