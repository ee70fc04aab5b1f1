#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The quibbix-wordlist command line: import, export, check, rebase, recode, the default list,
// and the lists in the data folder (add, lists, rename, remove, sync).
// Exit codes follow Unix tools: 0 success, 1 bad input, 2 bad usage or a choice to make.

#include "engine/WordRecord.h"
#include "imports/ImportOptions.h"
#include "imports/RecordEncoder.h"
#include "lists/ListStore.h"
#include "lists/ListSync.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "posix/PosixProcess.h"

class Diagnostics;
struct ImportPlan;

class WordListTool {
public:
    static constexpr int kOk = 0, kBadInput = 1, kBadUsage = 2;

    // Both streams must outlive the tool. `dataHome` and `defaults` as for ListStore: where
    // the list commands find the lists, and what a new list gets.
    WordListTool(
        std::ostream& out, std::ostream& err,
        std::filesystem::path dataHome = ListStore::DefaultDataHome(),
        std::filesystem::path defaults = ListStore::FindDefaults(PosixProcess::ExecutableDir()))
        : m_out(out),
          m_err(err),
          m_dataHome(std::move(dataHome)),
          m_defaults(std::move(defaults)) {}

    // `args` excludes the program name. Fails when `out` could not take all of its output.
    int Run(const std::vector<std::string>& args);

private:
    struct Arguments {
        std::vector<std::string> positional;
        std::vector<std::string> options;  // as given, to refuse those a command ignores
        std::string output, licenceOutput, codePage, listName;
        ImportOptions import;
        RecordEncoder::Options encode;
        bool force = false;
        bool help = false;
        bool update = false, asNew = false;
        std::string syncList;  // sync --list NAME
        bool leave = false;
    };

    int RunCommand(const std::vector<std::string>& args);
    int Usage(const std::string& problem);
    // Reports `error` (escaped) and returns kBadInput.
    int Failed(const std::string& error);
    bool Parse(const std::vector<std::string>& args, Arguments& parsed, std::string& problem);
    bool ParseOption(const std::vector<std::string>& args, size_t& i, Arguments& parsed,
                     std::string& problem);
    int Import(const Arguments& args);
    int Export(const Arguments& args);
    int Check(const Arguments& args);
    int Rebase(const Arguments& args);
    int Recode(const Arguments& args);
    int BuildDefault(const Arguments& args);
    int Add(const Arguments& args);
    int Lists(const Arguments& args);
    int Rename(const Arguments& args);
    int Remove(const Arguments& args);
    int Sync(const Arguments& args);
    // A list of the name the sync folder holds, with its words, for a computer that joins a
    // list it does not have yet.
    bool MakeListToJoin(ListStore& store, const Arguments& args, std::string& error);
    void PrintNotes(const ListSync::Report& report);
    int RunListCommand(const std::string& command, const Arguments& args);
    bool ReadForAdd(const Arguments& args, ImportPlan& plan);
    bool ReadList(const std::string& path, Diagnostics& diagnostics,
                  std::vector<WordRecord>& records);
    // Writes `bytes` to `path` whole or not at all, or to standard output for "-".
    bool WriteOutput(const std::string& path, const std::string& bytes, Diagnostics& diagnostics);
    static bool IsWordList(const std::string& path, const std::string& bytes,
                           Diagnostics& diagnostics);

    std::ostream& m_out;
    std::ostream& m_err;
    std::filesystem::path m_dataHome, m_defaults;
};
