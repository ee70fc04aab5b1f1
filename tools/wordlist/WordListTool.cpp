// SPDX-License-Identifier: GPL-2.0-or-later
#include "tools/wordlist/WordListTool.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/Escaped.h"
#include "engine/GetWordRecord.h"
#include "engine/ListRec.h"
#include "engine/Version.h"
#include "engine/WordListFile.h"
#include "imports/AnkiImporter.h"
#include "imports/Diagnostics.h"
#include "imports/FieldText.h"
#include "imports/FormatGuesser.h"
#include "imports/ImportedEntry.h"
#include "imports/InputDecoder.h"
#include "imports/KvtmlImporter.h"
#include "imports/OutputTarget.h"
#include "imports/RecordChecker.h"
#include "imports/TextEncoding.h"
#include "imports/TextImporter.h"
#include "imports/WordFileReader.h"
#include "imports/WordNetList.h"
#include "lists/ListGuard.h"
#include "lists/ListImporter.h"
#include "lists/ListSync.h"
#include "lists/MediaIndex.h"
#include "lists/SessionRebaser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "posix/FolderLock.h"

namespace {

constexpr const char* kHelpCommands =
    "Usage: quibbix-wordlist COMMAND [OPTIONS] FILES\n"
    "Builds, checks and converts Quibbix word lists (list/kelvo.lst), and keeps the lists\n"
    "in the data folder ($XDG_DATA_HOME/quibbix).\n"
    "\n"
    "  import [OPTIONS] INPUT -o OUTPUT.lst\n"
    "      Makes a word list from tab-separated text, CSV, an Anki \"Notes in Plain Text\"\n"
    "      export, an Anki package (.apkg, .colpkg), a Mnemosyne tab-separated export or a\n"
    "      KVTML document.\n"
    "      --format tsv|csv|anki|apkg|kvtml|mnemosyne   (guessed when not given)\n"
    "      --word-column N --definition-column N   columns counted from 1\n"
    "      --header            skip the first row (column titles)\n"
    "      --no-header         keep the first row, even when it looks like column titles\n"
    "      --separator C       field separator of tsv, csv or anki input\n"
    "      --no-quotes         a leading quote is part of the text\n"
    "      --html              flatten HTML in tab-separated fields\n"
    "      --include-deactivated   keep deactivated KVTML entries\n"
    "      --input-encoding ENCODING   what the file was saved in (see below; default: as\n"
    "                          its byte order mark says, else UTF-8, else a guess)\n"
    "      --skip-bad          write the good entries when some are refused\n"
    "      --encoding windows-1252|utf-8   store every text one way (default:\n"
    "                          Windows-1252 where it holds the text, else UTF-8)\n"
    "      --truncate          cut words over 30 and definitions over 200 bytes at a word\n"
    "                          boundary\n"
    "      --dedupe            keep only the first entry of a word\n"
    "  add FILE [--name NAME] [--update | --new] [IMPORT OPTIONS]\n"
    "      Adds FILE, in any format import reads and with any of its options, as a new list\n"
    "      in the data folder named NAME, else after the file's title or name, and prints\n"
    "      its name and folder. Refused entries are listed and nothing is made unless\n"
    "      --skip-bad. A list of that name (ignoring case) is never changed unasked:\n"
    "      --update gives it the new words and keeps its progress (rebased, with backups),\n"
    "      --new adds the file as \"NAME (2)\"; with neither, nothing changes and the exit\n"
    "      status is 2.\n"
    "  lists\n"
    "      Prints a line per list: name, folder, words, known words, when last studied\n"
    "      (local YYYY-MM-DD HH:MM, empty for never), known words backwards and, for a\n"
    "      list that syncs, its sync folder, separated by tabs; control characters are\n"
    "      shown escaped.\n"
    "  rename OLD NEW\n"
    "      Renames a list; its folder stays where it is.\n"
    "  sync --list NAME FOLDER\n"
    "      Studies the list on several computers: joins it to FOLDER, a folder that a\n"
    "      file-sync engine (Syncthing, Nextcloud, Dropbox, rclone) or a USB stick carries\n"
    "      between them. The first computer's list goes to an empty FOLDER; on the others\n"
    "      the list is made from FOLDER, words and progress (what it held before goes to\n"
    "      the trash). Each computer writes only its own files there.\n"
    "  sync --list NAME\n"
    "      Syncs the list now and says in one line what arrived from the other computers,\n"
    "      or \"up to date\".\n"
    "  sync --list NAME --leave\n"
    "      Stops syncing the list; FOLDER and the list's progress stay as they are.\n"
    "  remove NAME\n"
    "      Moves a list to the desktop's trash ($XDG_DATA_HOME/Trash), from where a file\n"
    "      manager restores it.\n"
    "  export INPUT.lst [-o OUTPUT.tsv]\n"
    "      Writes the records as UTF-8 tab-separated text (to standard output without -o).\n"
    "  check INPUT.lst\n"
    "      Counts the records and lists every one the program would show wrongly.\n"
    "  recode --from ENCODING INPUT.lst -o OUTPUT.lst [--truncate]\n"
    "      Rewrites a list made on Windows set to another code page (windows-1251, say) so\n"
    "      that the program shows it. The records keep their order, so the session files\n"
    "      stay valid.\n"
    "  rebase [--force] OLD.lst NEW.lst SESSION_DIR\n"
    "      Moves the progress in SESSION_DIR from OLD.lst onto NEW.lst, word by word.\n"
    "      The old session files are kept beside the new ones as *.bak.\n"
    "  wordnet [WORDNET_DIR] -o OUTPUT.lst [--licence-out FILE]\n"
    "      Builds the default word list from WordNet (default /usr/share/wordnet).\n"
    "\n"
    "-o - writes to standard output. Encodings, in any case (a Windows code page also as\n"
    "cpN or N, cp1251 or 1251 for windows-1251):\n";

constexpr const char* kHelpEnd =
    "\n"
    "List names match ignoring case. A FILE or NAME that starts with '-' goes after \"--\".\n"
    "Exit status: 0 success, 1 bad input or a list that cannot be changed, 2 bad usage or\n"
    "a choice to make.\n";

std::string HelpText() { return kHelpCommands + TextEncoding::Names(2, 80) + kHelpEnd; }

// "-o -" writes to standard output.
constexpr const char* kStandardOutput = "-";

// Options that take a value.
constexpr const char* kValueOptions[] = {"-o",
                                         "--format",
                                         "--word-column",
                                         "--definition-column",
                                         "--input-encoding",
                                         "--separator",
                                         "--licence-out",
                                         "--encoding",
                                         "--from",
                                         "--name",
                                         "--list"};

// The commands on the lists in the data folder, what they take and what they refuse.
struct ListCommand {
    const char* name;
    size_t operands;
    const char* operandProblem;
    std::vector<std::string> options;
};

const ListCommand kListCommands[] = {
    {"add",
     1,
     "add needs one FILE",
     {"--name", "--update", "--new", "--format", "--word-column", "--definition-column", "--header",
      "--no-header", "--separator", "--no-quotes", "--html", "--include-deactivated",
      "--input-encoding", "--skip-bad", "--encoding", "--truncate", "--dedupe"}},
    {"lists", 0, "lists takes no arguments", {}},
    {"rename", 2, "rename needs OLD and NEW", {}},
    {"remove", 1, "remove needs one NAME", {}},
};

const ListCommand* FindListCommand(const std::string& name) {
    for (const ListCommand& command : kListCommands) {
        if (name == command.name) return &command;
    }
    return nullptr;
}

// Local time to the minute, as a script sorts it; empty for never.
std::string LocalMinute(int64_t seconds) {
    if (seconds <= 0) return std::string();
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local{};
    char text[32];
    if (!localtime_r(&time, &local) ||
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0)
        return std::string();
    return text;
}

std::string TooManyRecords() {
    const std::string limit = std::to_string(kMaxStudyWords);
    return "over " + limit + " records; the program can study at most " + limit;
}

std::string HexByte(char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(byte));
    return text;
}

bool TakesValue(const std::string& option) {
    for (const char* name : kValueOptions) {
        if (option == name) return true;
    }
    return false;
}

bool ParseEncoding(const std::string& text, std::string& name) {
    const std::optional<TextEncoding> encoding = TextEncoding::Find(text);
    if (encoding) name = encoding->Name();
    return encoding.has_value();
}

// A list made on Windows holds its texts in the code page Windows was set to, one byte or
// two a character; never UTF-16 or UTF-32.
bool ParseCodePage(const std::string& text, std::string& name) {
    return ParseEncoding(text, name) && name.rfind("utf-", 0) != 0;
}

// A list stores its texts in Windows-1252 or UTF-8 only.
bool ParseStorage(const std::string& text, FieldEncoder::Encoding& storage) {
    std::string name;
    if (!ParseEncoding(text, name) || (name != "utf-8" && name != "windows-1252")) return false;
    storage = name == "utf-8" ? FieldEncoder::Encoding::Utf8 : FieldEncoder::Encoding::Cp1252;
    return true;
}

bool ParseColumn(const std::string& text, int& column) {
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || value < 1 || value > 1000) return false;
    column = static_cast<int>(value);
    return true;
}

// Reports the problem, if any, that forbids replacing `path`; `consequence` says what that
// leaves undone.
bool MayReplace(const std::string& path, const std::vector<std::string>& others,
                Diagnostics& diagnostics, const char* consequence = "nothing written") {
    if (path == kStandardOutput) return true;
    const std::string problem = OutputTarget::Problem(path, others);
    if (problem.empty()) return true;
    diagnostics.Error(path, 0, problem + "; " + consequence);
    return false;
}

// A field is quoted when the importer would otherwise read it differently: a tab or line
// break inside, a leading quote, or a word that looks like a KDE title line or a comment.
std::string ExportField(const std::string& text, bool isWord) {
    const bool titleLike =
        isWord && !text.empty() && text.back() == ':' && text.find(' ') == std::string::npos;
    const bool needsQuotes = text.find_first_of("\t\r\n") != std::string::npos ||
                             (!text.empty() && (text.front() == '"' || text.front() == '#')) ||
                             titleLike;
    if (!needsQuotes) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + '"';
}

}  // namespace

int WordListTool::Run(const std::vector<std::string>& args) {
    const int code = RunCommand(args);
    // A full disk or a closed pipe shows only once the buffer is flushed, and an export cut
    // short must not pass for a whole one.
    if (!m_out.flush()) {
        m_err << "quibbix-wordlist: cannot write to standard output\n";
        return code == kOk ? kBadInput : code;
    }
    return code;
}

int WordListTool::RunCommand(const std::vector<std::string>& args) {
    if (args.empty()) return Usage("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        m_out << HelpText();
        return kOk;
    }
    if (command == "--version") {
        m_out << VersionLine("quibbix-wordlist");
        return kOk;
    }
    Arguments parsed;
    std::string problem;
    if (!Parse(std::vector<std::string>(args.begin() + 1, args.end()), parsed, problem))
        return Usage(problem);
    if (parsed.help) {
        m_out << HelpText();
        return kOk;
    }
    const size_t count = parsed.positional.size();
    if (command == "import") {
        if (count != 1 || parsed.output.empty())
            return Usage("import needs INPUT and -o OUTPUT.lst");
        return Import(parsed);
    }
    if (command == "export") return count == 1 ? Export(parsed) : Usage("export needs INPUT.lst");
    if (command == "check") return count == 1 ? Check(parsed) : Usage("check needs INPUT.lst");
    if (command == "rebase")
        return count == 3 ? Rebase(parsed) : Usage("rebase needs OLD.lst NEW.lst SESSION_DIR");
    if (command == "recode") {
        if (count != 1 || parsed.output.empty() || parsed.codePage.empty())
            return Usage("recode needs --from CODEPAGE, INPUT.lst and -o OUTPUT.lst");
        return Recode(parsed);
    }
    if (command == "wordnet") {
        if (count > 1 || parsed.output.empty()) return Usage("wordnet needs -o OUTPUT.lst");
        return BuildDefault(parsed);
    }
    if (FindListCommand(command)) return RunListCommand(command, parsed);
    if (command == "sync") return Sync(parsed);
    return Usage("unknown command '" + command + "'");
}

int WordListTool::Usage(const std::string& problem) {
    // The problem may quote the command line, which a script may have filled from a file.
    m_err << "quibbix-wordlist: " << Escaped(problem) << "\nTry 'quibbix-wordlist --help'.\n";
    return kBadUsage;
}

bool WordListTool::Parse(const std::vector<std::string>& args, Arguments& parsed,
                         std::string& problem) {
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (optionsEnded || args[i].size() < 2 || args[i][0] != '-') {
            parsed.positional.push_back(args[i]);
            continue;
        }
        // A file or a list name may start with '-'.
        if (args[i] == "--") {
            optionsEnded = true;
            continue;
        }
        if (args[i] == "--help" || args[i] == "-h") {
            parsed.help = true;
            continue;
        }
        parsed.options.push_back(args[i]);
        if (!ParseOption(args, i, parsed, problem)) return false;
    }
    return true;
}

bool WordListTool::ParseOption(const std::vector<std::string>& args, size_t& i, Arguments& parsed,
                               std::string& problem) {
    const std::string& option = args[i];
    std::string value;
    if (TakesValue(option)) {
        if (i + 1 >= args.size()) {
            problem = "option " + option + " needs a value";
            return false;
        }
        value = args[++i];
    }
    ImportOptions& import = parsed.import;
    bool ok = true;
    if (option == "-o")
        parsed.output = value;
    else if (option == "--licence-out")
        parsed.licenceOutput = value;
    else if (option == "--from")
        ok = ParseCodePage(value, parsed.codePage);
    else if (option == "--encoding")
        ok = ParseStorage(value, parsed.encode.encoding);
    else if (option == "--format")
        ok = FormatGuesser::Parse(value, import.format);
    else if (option == "--word-column")
        ok = ParseColumn(value, import.wordColumn);
    else if (option == "--definition-column")
        ok = ParseColumn(value, import.definitionColumn);
    else if (option == "--input-encoding")
        ok = ParseEncoding(value, import.inputEncoding);
    else if (option == "--separator") {
        ok = value.size() == 1 || value == "tab";
        import.separator = value == "tab" ? '\t' : value[0];
    } else if (option == "--header" || option == "--no-header") {
        const HeaderRow header = option == "--header" ? HeaderRow::kSkip : HeaderRow::kKeep;
        if (import.header != HeaderRow::kNote && import.header != header) {
            problem = "--header and --no-header contradict each other";
            return false;
        }
        import.header = header;
    } else if (option == "--no-quotes")
        import.noQuotes = true;
    else if (option == "--html")
        import.html = true;
    else if (option == "--include-deactivated")
        import.includeDeactivated = true;
    else if (option == "--skip-bad")
        parsed.encode.skipBad = true;
    else if (option == "--truncate")
        parsed.encode.truncate = true;
    else if (option == "--dedupe")
        parsed.encode.dedupe = true;
    else if (option == "--force")
        parsed.force = true;
    else if (option == "--name")
        parsed.listName = value;
    else if (option == "--update")
        parsed.update = true;
    else if (option == "--new")
        parsed.asNew = true;
    else if (option == "--list")
        parsed.syncList = value;
    else if (option == "--leave")
        parsed.leave = true;
    else {
        problem = "unknown option '" + option + "'";
        return false;
    }
    if (!ok) problem = "bad value '" + value + "' for " + option;
    if (!ok && (option == "--from" || option == "--input-encoding" || option == "--encoding"))
        problem += "; --help lists the encodings";
    return ok;
}

int WordListTool::Import(const Arguments& args) {
    const std::string& input = args.positional[0];
    Diagnostics diagnostics(m_err);
    if (!MayReplace(args.output, {input}, diagnostics)) return kBadInput;
    const WordFile file = WordFileReader::Read(input, args.import, args.encode, diagnostics);
    if (!file.isReadable) return kBadInput;
    const std::vector<WordRecord>& records = file.records;
    if (file.refusedCount > 0 && !args.encode.skipBad) {
        diagnostics.Error("", 0,
                          Counted(file.refusedCount, "entry", "entries") + " refused; " +
                              args.output + " not written (--skip-bad writes the others)");
        return kBadInput;
    }
    if (records.empty()) {
        diagnostics.Error(input, 0, "no entries; " + args.output + " not written");
        return kBadInput;
    }
    if (records.size() > kMaxStudyWords) {
        diagnostics.Error(input, 0,
                          Counted(records.size(), "record") + ", more than the " +
                              std::to_string(kMaxStudyWords) + " the program can study; " +
                              args.output + " not written");
        return kBadInput;
    }
    if (!WriteOutput(args.output, WordListFile::Serialize(records), diagnostics)) return kBadInput;
    if (!file.media.empty())
        diagnostics.Note(input, 0,
                         "its pictures and recordings are left out: a list file has no place "
                         "for them (add makes a list that keeps them)");
    // Standard output holds the list itself.
    std::ostream& report = args.output == kStandardOutput ? m_err : m_out;
    report << Escaped(args.output) << ": " << Counted(records.size(), "record");
    if (file.refusedCount > 0)
        report << " (" << Counted(file.refusedCount, "entry", "entries") << " skipped)";
    report << '\n';
    return kOk;
}

bool WordListTool::ReadList(const std::string& path, Diagnostics& diagnostics,
                            std::vector<WordRecord>& records) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        diagnostics.Error(path, 0, "cannot read the file");
        return false;
    }
    if (!IsWordList(path, bytes, diagnostics)) return false;
    size_t trailing = 0;
    records = WordListFile::ParseAll(bytes, trailing);
    if (trailing > 0)
        diagnostics.Warning(path, 0,
                            Counted(trailing, "byte") + " after the last whole record " +
                                (trailing == 1 ? "is" : "are") + " ignored");
    return true;
}

int WordListTool::Export(const Arguments& args) {
    Diagnostics diagnostics(m_err);
    if (!args.output.empty() && !MayReplace(args.output, {args.positional[0]}, diagnostics))
        return kBadInput;
    std::vector<WordRecord> records;
    if (!ReadList(args.positional[0], diagnostics, records)) return kBadInput;
    std::string text;
    for (const WordRecord& record : records) {
        text += ExportField(FieldText::ToUtf8(record.word), true) + '\t' +
                ExportField(FieldText::ToUtf8(record.definition), false) + '\n';
    }
    if (!WriteOutput(args.output.empty() ? kStandardOutput : args.output, text, diagnostics))
        return kBadInput;
    // The index lies beside the words, in the list folder's list/.
    const std::filesystem::path list = std::filesystem::absolute(args.positional[0]);
    if (!MediaIndex::Load(list.parent_path().parent_path()).IsEmpty())
        diagnostics.Note(args.positional[0], 0,
                         "the list's pictures and recordings are left out: a text file has no "
                         "place for them");
    return kOk;
}

bool WordListTool::WriteOutput(const std::string& path, const std::string& bytes,
                               Diagnostics& diagnostics) {
    if (path == kStandardOutput) {
        m_out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return true;
    }
    if (WriteFileAtomically(path, bytes)) return true;
    diagnostics.Error(path, 0, "cannot write the file");
    return false;
}

// A list's records hold their texts NUL-padded, so each has a NUL byte; a text file a user
// meant to import has none.
bool WordListTool::IsWordList(const std::string& path, const std::string& bytes,
                              Diagnostics& diagnostics) {
    const std::string_view first = std::string_view(bytes).substr(0, WordListFile::kRecordSize);
    if (bytes.empty() || first.find('\0') != std::string_view::npos) return true;
    diagnostics.Error(
        path, 0,
        "not a word list; to make one from it: quibbix-wordlist import " + path + " -o LIST.lst");
    return false;
}

int WordListTool::Check(const Arguments& args) {
    const std::string& path = args.positional[0];
    Diagnostics diagnostics(m_err);
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) {
        diagnostics.Error(path, 0, "cannot read the file");
        return kBadInput;
    }
    if (!IsWordList(path, bytes, diagnostics)) return kBadInput;
    const size_t size = WordListFile::kRecordSize;
    const size_t count = bytes.size() / size;
    m_out << Escaped(path) << ": " << Counted(count, "record") << '\n';
    for (size_t i = 0; i < count; ++i) {
        const size_t index = i == 0 ? count : i;
        for (const std::string& problem :
             RecordChecker::Problems(std::string_view(bytes).substr(i * size, size)))
            diagnostics.Error(path, 0,
                              "record " + std::to_string(i) + " (word index " +
                                  std::to_string(index) + "): " + problem);
    }
    if (bytes.size() % size != 0)
        diagnostics.Error(path, 0,
                          "a partial record of " + Counted(bytes.size() % size, "byte") +
                              " at the end, which the program ignores");
    if (count == 0) diagnostics.Error(path, 0, "no records");
    if (count > kMaxStudyWords) diagnostics.Error(path, 0, TooManyRecords());
    return diagnostics.ErrorCount() == 0 ? kOk : kBadInput;
}

int WordListTool::Rebase(const Arguments& args) {
    Diagnostics diagnostics(m_err);
    // The program studying this folder would save its own lists over the rebased ones.
    FolderLock lock;
    int error = 0;
    if (lock.Acquire(args.positional[2], error) == FolderLock::Result::kHeldElsewhere) {
        diagnostics.Error(args.positional[2], 0,
                          std::string(FolderLock::kHeldMessage) +
                              " Nothing changed; leave it "
                              "first.");
        return kBadInput;
    }
    const std::vector<std::string> lists = {args.positional[0], args.positional[1]};
    for (const std::string& name : SessionRebaser::SessionFileNames()) {
        const std::string path = (std::filesystem::path(args.positional[2]) / name).string();
        if (!MayReplace(path, lists, diagnostics, "nothing changed")) return kBadInput;
    }
    std::vector<WordRecord> oldRecords, newRecords;
    if (!ReadList(args.positional[0], diagnostics, oldRecords) ||
        !ReadList(args.positional[1], diagnostics, newRecords))
        return kBadInput;
    // The same word may be stored in either encoding; progress follows the text.
    for (std::vector<WordRecord>* records : {&oldRecords, &newRecords}) {
        for (WordRecord& record : *records) {
            record.word = FieldText::ToUtf8(record.word);
            record.definition = FieldText::ToUtf8(record.definition);
        }
    }
    SessionRebaser rebaser(args.positional[2], m_out, diagnostics);
    return rebaser.Run(
        oldRecords, newRecords, args.force,
        SessionRebaser::StudiedCopyFollowing(args.positional[2], args.positional[1]));
}

int WordListTool::Recode(const Arguments& args) {
    const std::string& input = args.positional[0];
    Diagnostics diagnostics(m_err);
    if (!MayReplace(args.output, {input}, diagnostics)) return kBadInput;
    std::vector<WordRecord> records;
    if (!ReadList(input, diagnostics, records)) return kBadInput;
    const TextEncoding decoder = *TextEncoding::Find(args.codePage);
    size_t recoded = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        const std::string where = "record " + std::to_string(i) + " (word index " +
                                  std::to_string(i == 0 ? records.size() : i) + "): ";
        for (bool isWord : {true, false}) {
            std::string& field = isWord ? records[i].word : records[i].definition;
            const char* part = isWord ? "word" : "definition";
            // A field already in UTF-8 shows as it should. Once in a while a short text in
            // the code page forms UTF-8 by chance, so the user gets to see each one.
            // A compact field holds Unicode already, whatever the code page.
            if (FieldText::IsCompact(field)) continue;
            if (FieldText::IsUtf8(field)) {
                diagnostics.Note(input, 0,
                                 where + "the " + part + " already reads as UTF-8 (\"" + field +
                                     "\"); left as it is");
                continue;
            }
            std::string text;
            size_t bad = 0;
            if (!decoder.ToUtf8(field, text, bad)) {
                diagnostics.Error(input, 0,
                                  bad == std::string_view::npos
                                      ? "this system has no converter for " + args.codePage
                                      : where + "byte " + HexByte(field[bad]) + " of the " + part +
                                            " has no character in " + args.codePage);
                if (bad == std::string_view::npos) return kBadInput;
                continue;
            }
            const FieldEncoder::Outcome outcome = FieldEncoder::Encode(
                text, isWord ? WordListFile::kWordSize : WordListFile::kDefinitionSize,
                args.encode.encoding, args.encode.truncate);
            const std::string name = std::string(part) + " \"" + text + "\"";
            if (!outcome.problem.empty()) {
                diagnostics.Error(input, 0, where + name + " " + outcome.problem);
                continue;
            }
            if (outcome.uncutSize > 0)
                diagnostics.Note(input, 0,
                                 where + name + " cut from " + std::to_string(outcome.uncutSize) +
                                     " to " + Counted(outcome.bytes.size(), "byte"));
            recoded += outcome.bytes != field;
            field = outcome.bytes;
        }
    }
    // Leaving out a record would move every later one to another word index.
    if (diagnostics.ErrorCount() > 0) {
        diagnostics.Error("", 0, args.output + " not written");
        return kBadInput;
    }
    if (!WriteOutput(args.output, WordListFile::Serialize(records), diagnostics)) return kBadInput;
    std::ostream& report = args.output == kStandardOutput ? m_err : m_out;
    report << Escaped(args.output) << ": " << Counted(records.size(), "record") << ", "
           << Counted(recoded, "text") << " recoded from " << args.codePage << '\n';
    return kOk;
}

int WordListTool::BuildDefault(const Arguments& args) {
    Diagnostics diagnostics(m_err);
    const std::string dir = args.positional.empty() ? "/usr/share/wordnet" : args.positional[0];
    std::vector<std::string> others = WordNetList::InputFiles(dir);
    if (!MayReplace(args.output, others, diagnostics)) return kBadInput;
    others.push_back(args.output);
    if (!args.licenceOutput.empty() && !MayReplace(args.licenceOutput, others, diagnostics))
        return kBadInput;
    WordNetList builder;
    std::vector<WordRecord> records;
    std::string error;
    if (!builder.Build(dir, records, error)) {
        diagnostics.Error("", 0, error + " (Debian's wordnet-base package provides it)");
        return kBadInput;
    }
    if (!WriteOutput(args.output, WordListFile::Serialize(records), diagnostics)) return kBadInput;
    if (!args.licenceOutput.empty()) {
        const std::string notice =
            "The default word list (kelvo.lst) takes its words and definitions from WordNet 3.0.\n"
            "WordNet is distributed under the following licence.\n\n" +
            builder.Licence();
        if (!WriteOutput(args.licenceOutput, notice, diagnostics)) return kBadInput;
    }
    std::ostream& report = args.output == kStandardOutput ? m_err : m_out;
    report << Escaped(args.output) << ": " << Counted(records.size(), "record") << '\n';
    return kOk;
}

int WordListTool::RunListCommand(const std::string& command, const Arguments& args) {
    const ListCommand& wanted = *FindListCommand(command);
    for (const std::string& option : args.options) {
        if (std::find(wanted.options.begin(), wanted.options.end(), option) == wanted.options.end())
            return Usage(command + " takes no option " + option);
    }
    if (args.positional.size() != wanted.operands) return Usage(wanted.operandProblem);
    if (command == "add") {
        if (args.update && args.asNew) return Usage("add takes --update or --new, not both");
        return Add(args);
    }
    if (command == "lists") return Lists(args);
    if (command == "rename") return Rename(args);
    return Remove(args);
}

bool WordListTool::ReadForAdd(const Arguments& args, ImportPlan& plan) {
    const std::string& file = args.positional[0];
    const bool skipBad = args.encode.skipBad;
    plan = ListImporter::Read(file, args.import, args.encode);
    const std::string shownFile = Escaped(file);
    for (const std::string& note : plan.notes)
        m_err << shownFile << ": note: " << Escaped(note) << '\n';
    for (const RefusedEntry& entry : plan.refused) {
        m_err << shownFile;
        if (entry.line > 0) m_err << ':' << entry.line;
        m_err << ": " << (skipBad ? "skipped: " : "") << Escaped(entry.reason) << '\n';
    }
    if (!plan.error.empty()) {
        m_err << shownFile << ": " << Escaped(plan.error) << "; no list made\n";
        return false;
    }
    if (!plan.refused.empty() && !skipBad) {
        m_err << "quibbix-wordlist: " << Counted(plan.refused.size(), "entry", "entries")
              << " refused; no list made (--skip-bad adds the others)\n";
        return false;
    }
    return true;
}

int WordListTool::Add(const Arguments& args) {
    const std::string& file = args.positional[0];
    ImportPlan plan;
    if (!ReadForAdd(args, plan)) return kBadInput;

    ListStore store(m_dataHome, m_defaults);
    std::string name =
        ListStore::CleanName(args.listName.empty() ? plan.suggestedName : args.listName);
    const std::string problem = ListStore::NameProblem(name);
    if (!problem.empty()) {
        if (args.listName.empty())
            return Usage(file + " gives no usable list name (" + problem + "); give --name");
        return Usage("bad list name '" + args.listName + "': " + problem);
    }
    // Taking the new words or making a second list are both right at times, and only the
    // user knows which; a list without progress may still hold words chosen by hand.
    const std::optional<ListSummary> existing = store.Find(name);
    if (existing && !args.update && !args.asNew) {
        m_err << "quibbix-wordlist: a list named \"" << Escaped(existing->name) << "\" exists"
              << (existing->hasProgress ? " and has progress" : "")
              << "; nothing changed. --update gives it the new words and keeps any progress, "
                 "--new adds the file as \""
              << Escaped(store.FreeName(name)) << "\"\n";
        return kBadUsage;
    }
    std::string error;
    std::filesystem::path folder;
    std::vector<std::string> notes;
    // A picture or recording left out is noted as the file's other notes are.
    const auto printNotes = [&] {
        for (const std::string& note : notes)
            m_err << Escaped(file) << ": note: " << Escaped(note) << '\n';
    };
    if (existing && args.update) {
        std::string report;
        const bool isUpdated =
            ListImporter::Update(store, plan, existing->name, report, error, std::nullopt, &notes);
        printNotes();
        if (!isUpdated) return Failed("cannot update \"" + existing->name + "\": " + error);
        name = existing->name;
        folder = existing->folder;
        m_out << "updated: " << report << '\n';
    } else {
        if (existing) name = store.FreeName(name);
        const bool isAdded = ListImporter::AddAsNew(store, plan, name, folder, error, &notes);
        printNotes();
        if (!isAdded) return Failed("cannot add \"" + name + "\": " + error);
        m_out << "added: " << Counted(plan.records.size(), "word") << '\n';
    }
    m_out << "list: " << Escaped(name) << "\nfolder: " << Escaped(folder.string()) << '\n';
    return kOk;
}

int WordListTool::Lists(const Arguments&) {
    for (const ListSummary& list : ListStore(m_dataHome, m_defaults).Lists()) {
        m_out << Escaped(list.name) << '\t' << Escaped(list.folder.string()) << '\t' << list.words
              << '\t' << list.known << '\t' << LocalMinute(list.lastStudied) << '\t'
              << list.knownBackwards;
        // A column only for a list that syncs, so that the lines of the others read as before.
        const std::filesystem::path syncFolder = ListSync::FolderOf(list.folder);
        if (!syncFolder.empty()) m_out << '\t' << Escaped(syncFolder.string());
        m_out << '\n';
    }
    return kOk;
}

int WordListTool::Sync(const Arguments& args) {
    for (const std::string& option : args.options)
        if (option != "--list" && option != "--leave")
            return Usage("sync takes no option " + option);
    if (args.syncList.empty()) return Usage("sync needs --list NAME");
    if (args.positional.size() > 1) return Usage("sync takes one FOLDER at most");
    if (args.leave && !args.positional.empty()) return Usage("sync --leave takes no FOLDER");
    ListStore store(m_dataHome, m_defaults);
    std::optional<ListSummary> list = store.Find(args.syncList);
    std::string error;
    if (!list && args.positional.size() == 1 && !MakeListToJoin(store, args, error))
        return Failed(error);
    list = store.Find(args.syncList);
    if (!list) return Failed("no list named \"" + args.syncList + "\"");
    const std::filesystem::path joined = ListSync::FolderOf(list->folder);
    ListSync::Report report;
    if (args.leave) {
        if (joined.empty()) return Failed("\"" + list->name + "\" syncs with no folder");
        if (!ListSync::Leave(list->folder, error)) return Failed(error);
        m_out << "left: \"" << Escaped(list->name) << "\" no longer syncs with "
              << Escaped(joined.string()) << '\n';
        return kOk;
    }
    if (args.positional.size() == 1) {
        const bool done =
            ListSync::Join(m_dataHome, list->folder, args.positional[0], report, error);
        PrintNotes(report);
        if (!done) return Failed("cannot join \"" + list->name + "\": " + error);
        m_out << "joined: \"" << Escaped(list->name) << "\" syncs with "
              << Escaped(ListSync::FolderOf(list->folder).string()) << '\n';
    } else {
        if (joined.empty())
            return Failed("\"" + list->name + "\" syncs with no folder; sync --list NAME FOLDER " +
                          "joins it to one");
        const bool done = ListSync::Sync(
            m_dataHome, list->folder, ListFolder::Direction::kForwards, {},
            ListSync::WordOnScreen(list->folder, ListFolder::Direction::kForwards), report, error);
        // A folder away is no failure of the list, but a script must know nothing was synced.
        if (done && report.isFolderAway) {
            error = report.notes.back();
            report.notes.pop_back();
        }
        PrintNotes(report);
        if (!done || report.isFolderAway)
            return Failed("cannot sync \"" + list->name + "\": " + error);
    }
    const std::string line = report.Line();
    m_out << (line.empty() ? "up to date" : line) << '\n';
    return kOk;
}

bool WordListTool::MakeListToJoin(ListStore& store, const Arguments& args, std::string& error) {
    std::string words;
    const std::string name = ListSync::ListNameIn(args.positional[0], words);
    if (name.empty() || !ListStore::SameName(name, args.syncList)) {
        error = "no list named \"" + args.syncList + "\"" +
                (name.empty() ? std::string()
                              : "; " + args.positional[0] + " holds the list \"" + name + "\"");
        return false;
    }
    if (words.empty()) {
        error = args.positional[0] + ": the list \"" + name +
                "\" is still arriving; join again once it is whole";
        return false;
    }
    return store
        .Create(name, {{ListFolder::kWordListFile, words}, ListGuard::CopyImage(words)}, error)
        .has_value();
}

void WordListTool::PrintNotes(const ListSync::Report& report) {
    for (const std::string& note : report.notes)
        m_err << "quibbix-wordlist: note: " << Escaped(note) << '\n';
}

int WordListTool::Rename(const Arguments& args) {
    ListStore store(m_dataHome, m_defaults);
    std::string error;
    if (!store.Rename(args.positional[0], args.positional[1], error)) return Failed(error);
    return kOk;
}

int WordListTool::Remove(const Arguments& args) {
    ListStore store(m_dataHome, m_defaults);
    std::string error;
    if (!store.Remove(args.positional[0], error)) return Failed(error);
    return kOk;
}

int WordListTool::Failed(const std::string& error) {
    m_err << "quibbix-wordlist: " << Escaped(error) << '\n';
    return kBadInput;
}
