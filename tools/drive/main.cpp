// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-drive runs the study engine exactly as the program does, without a window, in the
// current working directory. Commands come one per line on standard input and are answered
// at once on standard output, fields separated by one TAB:
//   init, next, judge C, save, word, counts, dump, press yes|unsure|no, undo, type [TEXT]
// "press" clicks an answer button as the window takes it, from the window's start state:
// "I Know" alone starts, a claim shows the definition, and a verdict records its judgement,
// takes a due break at once and draws the next word. It answers
// "press<TAB>judgement code or -<TAB>1 when a break was due, else 0". "judge C" records a
// code directly; it counts towards the next break but takes none. "undo" takes the last
// judgement back, as Ctrl+Z in the window does, and answers "undo<TAB>1", or "undo<TAB>0"
// when there was none to take back (after another press, a break or a restart).
// "type TEXT" (bare "type" for an empty line) answers the word on screen by typing, as the
// window's "Type the Answer" does: it reveals, and answers "type<TAB>yes", "unsure" or "no",
// the verdict the typed text suggests ("type<TAB>-" when no word waits for an answer). The
// "press C" that follows records what "press C" twice records.
// "media" answers "media<TAB>PICTURE<TAB>SOUND" for the word on screen: the card's picture
// (its word's, else its definition's) and its word's recording, each a file name in
// list/media/, empty when it has none.
// "word" answers the current word and definition in UTF-8. A message the engine raises is
// printed as "message<TAB>caption<TAB>text" and answered OK. Control characters in either
// are written as \xNN.
// End of input ends the driver without a save, as a program ended without one.
// With --reverse the list is studied backwards, with the progress kept in session-reverse/;
// the commands and their answers are the same, and session/ is not touched.
// A list joined to a sync folder is synced as the driver starts (before "init"), after each
// "save" and at the end of input, with the verdicts given since. When answers arrived from
// another computer a line "sync<TAB>3 answers arrived from another computer" comes before
// the next answer (or at the start); a sync that failed, and files late or damaged, are
// told on standard error, and the verdicts wait for the next sync.

#include "engine/ConsoleEnv.h"
#include "engine/Escaped.h"
#include "engine/HistoryFile.h"
#include "engine/RedirectedFileSystem.h"
#include "engine/SessionFiles.h"
#include "engine/StudySession.h"
#include "engine/Version.h"
#include "engine/WordListFile.h"
#include "engine/WordSelect.h"
#include "imports/FieldText.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListMedia.h"
#include "lists/ListSync.h"

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "posix/FolderLock.h"
#include "posix/PosixFileSystem.h"
#include "posix/PosixFiles.h"
#include "typing/TypedAnswer.h"

namespace {

constexpr int kUsageError = 2;
constexpr const char kUsage[] =
    "Usage: quibbix-drive [--tick N] [--slow-renames MS] [--reverse] < commands\n"
    "Runs the study engine on the list in the current folder, without a window.\n"
    "commands: init, next, judge C, save, word, counts, dump, press yes|unsure|no, undo,\n"
    "          type [TEXT]\n"
    "  --reverse   study backwards, from the definition to the word (session-reverse/)\n"
    "  --help      show this text\n"
    "  --version   show the version\n";

// The real clocks, or a fixed tick; messages go to standard output in line with the answers.
class DriveEnv : public ConsoleEnv {
public:
    void FixTick(uint32_t tick) {
        m_fixed = true;
        m_tick = tick;
    }
    void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
        // One line per message, whatever its text; what else it holds of a file is escaped.
        std::string line = text;
        for (char& c : line)
            if (c == '\n') c = ' ';
        std::printf("message\t%s\t%s\n", Escaped(caption).c_str(), Escaped(line).c_str());
        std::fflush(stdout);
    }
    uint32_t GetTickCount() override { return m_fixed ? m_tick : ConsoleEnv::GetTickCount(); }
    FileSystem& Files() override {
        return m_backwards ? static_cast<FileSystem&>(m_backwards.value()) : m_files;
    }
    // The real files, whichever direction is studied.
    FileSystem& RealFiles() { return m_files; }
    void SlowRenames(int ms) { m_files.renameDelayMs = ms; }
    void StudyBackwards() {
        m_backwards.emplace(m_files, SessionFiles::kDirectory,
                            ListFolder::SessionName(ListFolder::Direction::kBackwards));
    }
    bool IsBackwards() const { return m_backwards.has_value(); }

private:
    // The real files; renames may be slowed so that tests can stop the driver between them.
    class DriveFileSystem : public PosixFileSystem {
    public:
        int Rename(const std::string& from, const std::string& to) override {
            if (renameDelayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(renameDelayMs));
            return PosixFileSystem::Rename(from, to);
        }
        int renameDelayMs = 0;
    };

    DriveFileSystem m_files;
    std::optional<RedirectedFileSystem> m_backwards;
    bool m_fixed = false;
    uint32_t m_tick = 0;
};

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "quibbix-drive: %s\n", Escaped(what).c_str());
    std::exit(kUsageError);
}

bool ParseNumber(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= low && value <= high &&
           !std::isspace(static_cast<unsigned char>(text[0]));
}

bool ParseAnswer(const std::string& text, int32_t& answer) {
    const struct {
        const char* name;
        int32_t value;
    } buttons[] = {{"yes", StudySession::ANSWER_YES},
                   {"unsure", StudySession::ANSWER_UNSURE},
                   {"no", StudySession::ANSWER_NO}};
    for (const auto& button : buttons) {
        if (text != button.name) continue;
        answer = button.value;
        return true;
    }
    return false;
}

void PrintList(const char* name, const CWordList& list) {
    std::printf("dump\t%s\t%d", name, list.GetCount());
    for (const CListRec& entry : list.Entries())
        std::printf("\t%u:%d", entry.m_wordIndex, entry.m_counter);
    std::printf("\n");
}

// A list joined to a sync folder: this run's verdicts, and the sync that hands them over.
class DriveSync {
public:
    explicit DriveSync(ListFolder::Direction direction)
        : m_folder(std::filesystem::current_path(m_ignored)),
          m_direction(direction),
          m_isJoined(ListSync::IsJoined(m_folder)) {}

    bool IsJoined() const { return m_isJoined; }
    AnswerLog& Log() { return m_log; }

    // `wordOnScreen` is a word index, or -1; before the session is read, what currWord.cfg
    // names. True when the session files were rewritten, to be read again.
    bool Run(int32_t wordOnScreen) {
        if (!m_isJoined) return false;
        std::vector<AnswerLog::Entry> answers = m_log.TakeAll();
        ListSync::Options options;
        options.callerHoldsLock = true;  // the driver locked its direction as it started
        ListSync::Report report;
        std::string error;
        const bool synced = ListSync::Sync(ListFolder::DataHomeOf(m_folder), m_folder, m_direction,
                                           answers, wordOnScreen, report, error, options);
        for (const std::string& note : report.notes)
            std::fprintf(stderr, "quibbix-drive: %s\n", Escaped(note).c_str());
        if (!synced) {
            // Unless the journal took them before the sync failed: offered again they would
            // count twice.
            if (!report.answersTaken) m_log.PutBack(std::move(answers));
            std::fprintf(stderr, "quibbix-drive: the list was not synced: %s\n",
                         Escaped(error).c_str());
            return false;
        }
        if (!report.Line().empty()) std::printf("sync\t%s\n", Escaped(report.Line()).c_str());
        std::fflush(stdout);
        return report.sessionChanged || report.listChanged;
    }
    void RunAtStart() { Run(ListSync::WordOnScreen(m_folder, m_direction)); }

    // The verdicts go to this computer's journal before the save that counts them; kept for
    // the next try when they cannot.
    void Record() {
        if (!m_isJoined || m_log.IsEmpty()) return;
        std::vector<AnswerLog::Entry> answers = m_log.TakeAll();
        ListSync::Report report;
        std::string error;
        if (ListSync::Record(ListFolder::DataHomeOf(m_folder), m_folder, m_direction, answers,
                             report, error))
            return;
        m_log.PutBack(std::move(answers));
        std::fprintf(stderr, "quibbix-drive: the verdicts wait for the next sync: %s\n",
                     Escaped(error).c_str());
    }

private:
    std::error_code m_ignored;
    std::filesystem::path m_folder;
    ListFolder::Direction m_direction;
    bool m_isJoined;
    AnswerLog m_log;
};

class Driver {
public:
    // No usage clock: the driver writes no time file, and adds no seconds to the history.
    Driver(DriveEnv& env, DriveSync& sync)
        : m_select(env),
          m_history(env),
          m_session(m_select, nullptr),
          m_sync(sync),
          m_isBackwards(env.IsBackwards()) {
        m_session.SetHistory(&m_history);
        if (m_sync.IsJoined()) m_session.SetAnswerLog(&m_sync.Log());
        m_session.WaitForStart();
    }

    // The end of input: a synced list hands over this run's verdicts even unsaved, as they
    // are what the other computers replay.
    void Finish() { Sync(); }

    void Execute(const std::string& line) {
        const size_t space = line.find(' ');
        const std::string command = line.substr(0, space);
        const bool hasArgument = space != std::string::npos;
        if (command == "judge" && hasArgument) {
            long long code = 0;
            if (!ParseNumber(line.substr(space + 1), INT32_MIN, INT32_MAX, code))
                Fail("malformed command: " + line);
            std::printf("judge\t%d\n",
                        m_session.RecordJudgement(static_cast<int32_t>(code)) ? 1 : 0);
        } else if (command == "press" && hasArgument) {
            int32_t answer = 0;
            if (!ParseAnswer(line.substr(space + 1), answer)) Fail("malformed command: " + line);
            Press(answer);
        } else if (command == "type") {
            Type(hasArgument ? line.substr(space + 1) : std::string());
        } else if (hasArgument) {
            Fail("unknown command: " + line);
        } else if (command == "init") {
            m_isTyped = false;
            m_session.Init();
            m_isInitialized = true;
            const CListRec& current = m_select.GetCurrent();
            std::printf("init\t%d\t%d\t%u\n", m_select.GetCurrentList(), current.m_counter,
                        current.m_wordIndex);
        } else if (command == "next") {
            m_isTyped = false;
            const bool found = m_session.NextWord();
            const CListRec& current = m_select.GetCurrent();
            std::printf("next\t%d\t%d\t%d\t%u\n", found ? 1 : 0, m_select.GetCurrentList(),
                        current.m_counter, current.m_wordIndex);
        } else if (command == "save") {
            m_sync.Record();
            m_session.Save();
            Sync();
            std::printf("save\n");
        } else if (command == "word") {
            // In UTF-8 as the window shows them, and escaped: a control character in the list
            // would break the answer's fields or reach the terminal.
            const std::string word =
                FieldText::ToUtf8(std::string_view(m_select.GetWord(), WordListFile::kWordSize));
            const std::string definition = FieldText::ToUtf8(
                std::string_view(m_select.GetDefinition(), WordListFile::kDefinitionSize));
            std::printf("word\t%s\t%s\n", Escaped(word).c_str(), Escaped(definition).c_str());
        } else if (command == "media") {
            PrintMedia();
        } else if (command == "undo") {
            m_isTyped = false;
            std::printf("undo\t%d\n", m_session.Undo() ? 1 : 0);
        } else if (command == "counts") {
            PrintCounts();
        } else if (command == "dump") {
            const CWordState& state = m_select.GetWordState();
            PrintList("tobeviewed", state.GetToBeViewed());
            PrintList("unsure", state.GetUnsure());
            PrintList("mistaken", state.GetMistaken());
            PrintList("new", state.GetNew());
            PrintList("learning", state.GetLearning());
            PrintList("known", state.GetKnown());
        } else {
            Fail("unknown command: " + line);
        }
        std::fflush(stdout);
    }

private:
    // The card's picture (its word's, else its definition's) and its word's recording, as
    // named in list/media/; empty where it has none or the file is damaged.
    void PrintMedia() {
        const CardMedia media =
            m_select.GetCurrent().m_wordIndex == NO_WORD
                ? CardMedia()
                : m_media.Of({std::string(WordListFile::StoredText(m_select.WordField())),
                              std::string(WordListFile::StoredText(m_select.DefinitionField()))});
        const std::string& picture =
            media.wordPicture.empty() ? media.definitionPicture : media.wordPicture;
        const auto kept = [](const std::string& name, const std::string& path) {
            return path.empty() ? std::string() : name;
        };
        std::printf("media\t%s\t%s\n", kept(picture, m_media.Path(picture)).c_str(),
                    kept(media.wordSound, m_media.Path(media.wordSound)).c_str());
    }

    void Sync() {
        // Before "init" the session in memory is none: the files say what is on screen.
        if (!m_isInitialized) return m_sync.RunAtStart();
        const uint32_t word = m_select.GetCurrent().m_wordIndex;
        // What arrived is read in as the window does: the word on screen stays, named by
        // currWord.cfg, and the lists become the synced ones.
        if (m_sync.Run(word == NO_WORD ? -1 : static_cast<int32_t>(word))) m_session.Init();
    }

    // The typed text takes the place of the claim: the answer is revealed, and the press
    // that follows is claim and verdict both.
    void Type(const std::string& text) {
        if (m_session.IsPaused() || !m_session.IsBeforeReveal() || m_isTyped) {
            std::printf("type\t-\n");
            return;
        }
        const char* field = m_isBackwards ? m_select.GetWord() : m_select.GetDefinition();
        const size_t size = m_isBackwards ? WordListFile::kWordSize : WordListFile::kDefinitionSize;
        const std::string answer = FieldText::ToUtf8(std::string_view(field, size));
        const TypedAnswer::Outcome outcome =
            TypedAnswer::Compare(QString::fromStdString(text), QString::fromStdString(answer));
        m_isTyped = true;
        const char* names[] = {"yes", "unsure", "no"};
        std::printf("type\t%s\n", names[static_cast<int>(outcome.suggestion)]);
    }

    void Press(int32_t answer) {
        using Kind = StudySession::PressResult::Kind;
        if (m_isTyped) {
            m_isTyped = false;
            m_session.Press(answer);
        }
        // Until the start press the window shows "I Know" alone. Breaks end at once here, so
        // the session is paused only before that press.
        if (m_session.IsPaused() && answer != StudySession::ANSWER_YES) {
            std::printf("press\t-\t0\n");
            return;
        }
        const StudySession::PressResult press = m_session.Press(answer);
        if (press.kind != Kind::kRevealed) {
            if (press.isBreakDue) {
                m_session.BeginBreak();
                m_session.EndBreak();
            }
            m_session.NextWord();
        }
        if (press.kind == Kind::kRecorded) {
            std::printf("press\t%d\t%d\n", press.judgement, press.isBreakDue ? 1 : 0);
        } else {
            std::printf("press\t-\t0\n");
        }
    }

    void PrintCounts() {
        const CWordState& state = m_select.GetWordState();
        std::printf(
            "counts\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%d\n", state.GetToBeViewed().GetCount(),
            state.GetUnsure().GetCount(), state.GetMistaken().GetCount(), state.GetNew().GetCount(),
            state.GetLearning().GetCount(), state.GetKnown().GetCount(), state.GetWordsLearned(),
            m_select.GetViewedCount(), m_select.GetRecordReader().GetCount());
    }

    CWordSelect m_select;
    HistoryFile m_history;
    ListMedia m_media{"."};
    StudySession m_session;
    DriveSync& m_sync;
    const bool m_isBackwards;
    bool m_isInitialized = false;
    // An answer typed, revealing the word's: the next press decides.
    bool m_isTyped = false;
};

void ParseOptions(int argc, char** argv, DriveEnv& env) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--tick" && i + 1 < argc) {
            long long tick = 0;
            if (!ParseNumber(argv[++i], 0, UINT32_MAX, tick))
                Fail("bad tick: " + std::string(argv[i]));
            env.FixTick(static_cast<uint32_t>(tick));
        } else if (option == "--slow-renames" && i + 1 < argc) {
            long long ms = 0;
            if (!ParseNumber(argv[++i], 0, 10000, ms)) Fail("bad delay: " + std::string(argv[i]));
            env.SlowRenames(static_cast<int>(ms));
        } else if (option == "--reverse") {
            env.StudyBackwards();
        } else if (option == "--help") {
            std::printf("%s", kUsage);
            std::exit(0);
        } else if (option == "--version") {
            std::fputs(VersionLine("quibbix-drive").c_str(), stdout);
            std::exit(0);
        } else {
            Fail("unknown option: " + option + " (see --help)");
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    DriveEnv env;
    ParseOptions(argc, argv, env);
    InstallFileSystem(env.Files());
    const ListFolder::Direction direction =
        env.IsBackwards() ? ListFolder::Direction::kBackwards : ListFolder::Direction::kForwards;
    const std::string session = ListFolder::SessionName(direction);
    // The backwards session is made on first use, beside the list; the usual one is the
    // folder's own, as it always was.
    if (env.IsBackwards() && PosixFiles::StampOf(ListFolder::kListDir).isDirectory)
        env.RealFiles().MakeDirectory(session);
    // A second program on the same folder would overwrite this one's progress, or it this.
    FolderLock lock;
    int error = 0;
    if (ListFolder::LockForStudy(".", direction, lock, error) ==
        FolderLock::Result::kHeldElsewhere) {
        env.ShowMessage(FolderLock::kHeldMessage, FolderLock::kHeldCaption, EngineEnv::Icon::Error);
        return 1;
    }
    ListGuard::Notice notice;
    const bool ok = ListGuard::Check(env.RealFiles(), ".", direction, notice);
    if (!notice.detail.empty())
        env.ShowMessage(notice.detail, ok ? "Word List Changed" : "Cannot Study This List",
                        ok ? EngineEnv::Icon::None : EngineEnv::Icon::Error);
    if (!ok) return 1;
    // Before anything reads the session, so that "init" sees what arrived meanwhile.
    DriveSync sync(direction);
    sync.RunAtStart();
    Driver driver(env, sync);
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        driver.Execute(line);
    }
    driver.Finish();
    return 0;
}
