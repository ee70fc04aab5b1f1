// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListAddCommand.h"

#include "lists/ListImporter.h"
#include "lists/ListStore.h"

namespace {

constexpr int kOk = 0, kBadInput = 1, kBadUsage = 2;

}  // namespace

ListAddCommand::ListAddCommand(std::ostream& out, std::ostream& err, std::filesystem::path dataHome,
                               std::filesystem::path defaults)
    : m_out(out), m_err(err), m_dataHome(std::move(dataHome)), m_defaults(std::move(defaults)) {}

int ListAddCommand::Usage(const std::string& problem) {
    m_err << "quibbix-wordlist: " << problem << "\nTry 'quibbix-wordlist --help'.\n";
    return kBadUsage;
}

bool ListAddCommand::Parse(const std::vector<std::string>& args, Arguments& parsed,
                           std::string& problem) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--name") {
            if (i + 1 >= args.size()) {
                problem = "option --name needs a value";
                return false;
            }
            parsed.name = args[++i];
        } else if (arg == "--skip-bad") {
            parsed.skipBad = true;
        } else if (arg == "--update") {
            parsed.update = true;
        } else if (arg == "--new") {
            parsed.asNew = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            problem = "unknown option '" + arg + "' for add";
            return false;
        } else if (parsed.file.empty()) {
            parsed.file = arg;
        } else {
            problem = "add takes one FILE";
            return false;
        }
    }
    if (parsed.file.empty()) problem = "add needs FILE";
    if (parsed.update && parsed.asNew) problem = "add takes --update or --new, not both";
    return problem.empty();
}

int ListAddCommand::Run(const std::vector<std::string>& args) {
    Arguments parsed;
    std::string problem;
    if (!Parse(args, parsed, problem)) return Usage(problem);

    const ImportPlan plan = ListImporter::Read(parsed.file);
    for (const std::string& note : plan.notes) m_err << parsed.file << ": note: " << note << '\n';
    for (const RefusedEntry& entry : plan.refused) {
        m_err << parsed.file;
        if (entry.line > 0) m_err << ':' << entry.line;
        m_err << ": " << (parsed.skipBad ? "skipped: " : "") << entry.reason << '\n';
    }
    if (!plan.error.empty()) {
        m_err << parsed.file << ": " << plan.error << "; no list made\n";
        return kBadInput;
    }
    if (!plan.refused.empty() && !parsed.skipBad) {
        m_err << "quibbix-wordlist: " << plan.refused.size()
              << " entries refused; no list made (--skip-bad adds the others)\n";
        return kBadInput;
    }

    ListStore store(m_dataHome, m_defaults);
    std::string name = ListStore::CleanName(parsed.name.empty() ? plan.suggestedName : parsed.name);
    problem = ListStore::NameProblem(name);
    if (!problem.empty()) return Usage("bad list name '" + parsed.name + "': " + problem);
    const std::optional<ListSummary> existing = store.Find(name);
    // A list without progress loses nothing by taking the new words; one with progress must
    // not have it replaced, nor be duplicated, without the user saying which.
    if (existing && existing->hasProgress && !parsed.update && !parsed.asNew) {
        m_err << "quibbix-wordlist: the list \"" << existing->name
              << "\" exists and has progress; --update gives it the new words and keeps the "
                 "progress, --new adds another list\n";
        return kBadUsage;
    }
    std::string error, report;
    std::filesystem::path folder;
    if (existing && !parsed.asNew) {
        if (!ListImporter::Update(store, plan, existing->name, report, error)) {
            m_err << "quibbix-wordlist: cannot update \"" << existing->name << "\": " << error
                  << '\n';
            return kBadInput;
        }
        name = existing->name;
        folder = existing->folder;
        m_out << "updated: " << report << '\n';
    } else {
        if (existing) name = store.FreeName(name);
        if (!ListImporter::AddAsNew(store, plan, name, folder, error)) {
            m_err << "quibbix-wordlist: cannot add \"" << name << "\": " << error << '\n';
            return kBadInput;
        }
        m_out << "added: " << plan.records.size() << " words\n";
    }
    m_out << "list: " << name << "\nfolder: " << folder.string() << '\n';
    return kOk;
}
