// SPDX-License-Identifier: GPL-2.0-or-later
// The word-list tool's commands on the lists in the data folder: add and its same-name
// choice, lists, rename and remove, run in-process on the test's data folder.
#include "tests/lists/ListTestFiles.h"
#include "tools/wordlist/WordListTool.h"

#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/time.h>
#include <sys/wait.h>

#include "posix/FolderLock.h"

namespace fs = std::filesystem;

namespace {

struct ToolRun {
    int code = -1;
    std::string out, err;
};

class ListCommands : public ::testing::Test {
protected:
    ToolRun Tool(const std::vector<std::string>& args) { return ToolIn(m_home.Home(), args); }
    ToolRun ToolIn(const fs::path& dataHome, const std::vector<std::string>& args) {
        std::ostringstream out, err;
        ToolRun run;
        run.code = WordListTool(out, err, dataHome, m_home.Defaults()).Run(args);
        run.out = out.str();
        run.err = err.str();
        return run;
    }
    // A file in the test's folder holding `text`; its path.
    std::string File(const std::string& name, const std::string& text) {
        const fs::path path = m_home.Root() / name;
        WriteFile(path.string(), text);
        return path.string();
    }
    fs::path Folder(const std::string& stem) const { return m_home.Home() / "lists" / stem; }

    DataHome m_home;
};

TEST_F(ListCommands, Add_RefusedEntriesMakeNothingUnlessSkipBad) {
    const std::string gre = File("gre.csv", "abate,to lessen\n,nothing\nbane,a curse\n");
    ToolRun run = Tool({"add", gre});
    EXPECT_EQ(run.code, 1) << run.err;
    EXPECT_NE(run.err.find("gre.csv:2: empty word"), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Folder("gre")));

    run = Tool({"add", gre, "--skip-bad"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "added: 2 words\nlist: gre\nfolder: " + Folder("gre").string() + "\n");
    EXPECT_EQ(ReadWords(Folder("gre") / "list" / "kelvo.lst").size(), 2u);
    EXPECT_TRUE(fs::exists(Folder("gre") / "list" / "picture.bmp"));
}

// Whether or not the list has been studied, a second file under its name changes nothing
// until the user says which; --update then keeps what progress there is.
class SameName : public ListCommands, public ::testing::WithParamInterface<bool> {};

TEST_P(SameName, AddWithoutAChoiceExitsTwoAndUpdateKeepsTheProgress) {
    const bool studied = GetParam();
    ASSERT_EQ(Tool({"add", File("gre.csv", "abate,to lessen\nbane,a curse\n")}).code, 0);
    const fs::path folder = Folder("gre");
    if (studied) WriteSession(folder, {{2, 0}}, {{1, 5}});  // index 1 is record 1, bane: known
    const std::string known = ReadFile((folder / "session" / "known.txt").string());

    const std::string again = File("again.tsv", "bane\ta curse\nabate\tto lessen\ncow\tto scare\n");
    ToolRun run = Tool({"add", again, "--name", "GRE"});
    EXPECT_EQ(run.code, 2) << run.err;
    EXPECT_NE(run.err.find("--update"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("\"GRE (2)\""), std::string::npos) << run.err;
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst").size(), 2u);
    EXPECT_EQ(ReadFile((folder / "session" / "known.txt").string()), known);
    EXPECT_EQ(ListStore(m_home.Home()).Lists().size(), 1u);

    run = Tool({"add", again, "--name", "GRE", "--update"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.rfind("updated: ", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("list: gre\nfolder: " + folder.string() + "\n"), std::string::npos);
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst").size(), 3u);
    if (studied) {
        EXPECT_EQ(LoadEntries(folder / "session" / "known.txt"), (Entries{{3, 5}}));
    }
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutProgress, SameName, ::testing::Bool());

TEST_F(ListCommands, Add_NewMakesASecondListAndUpdateOfNoListAddsIt) {
    const std::string gre = File("gre.csv", "abate,to lessen\nbane,a curse\n");
    ASSERT_EQ(Tool({"add", gre}).code, 0);
    ToolRun run = Tool({"add", gre, "--new", "--name", "GRE"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("list: GRE (2)\nfolder: " + Folder("gre-2").string() + "\n"),
              std::string::npos)
        << run.out;

    run = Tool({"add", gre, "--update", "--name", "Verbs"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("added: 2 words\nlist: Verbs\n"), std::string::npos) << run.out;
}

TEST_F(ListCommands, Add_TakesEveryImportOptionAfterTheFileToo) {
    // A Cyrillic Windows spreadsheet's CSV, semicolons and a row of column titles.
    const std::string words = File("ru.csv", "word;definition\n\xF1\xEE\xE1\xE0\xEA\xE0;dog\n");
    ToolRun run = Tool({"add", words, "--input-encoding", "cp1251", "--header", "--name", "Ru",
                        "--separator", ";", "--encoding", "utf-8"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_NE(run.out.find("added: 1 word\n"), std::string::npos) << run.out;
    const auto records = ReadWords(Folder("ru") / "list" / "kelvo.lst");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].first, "собака");
    // Without --header the titles stay, with a note; --no-header keeps them without one.
    run = Tool({"add", "--no-header", "--input-encoding", "1251", words, "--name", "Ru2"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.err.find("column titles"), std::string::npos) << run.err;
    EXPECT_EQ(ReadWords(Folder("ru2") / "list" / "kelvo.lst").size(), 2u);
    EXPECT_EQ(Tool({"add", words, "--header", "--no-header"}).code, 2);
}

// Sets TZ for one test, so that a local time reads the same on every machine.
class UtcZone {
public:
    UtcZone() {
        const char* zone = ::getenv("TZ");
        m_had = zone != nullptr;
        if (zone) m_previous = zone;
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    ~UtcZone() {
        if (m_had)
            ::setenv("TZ", m_previous.c_str(), 1);
        else
            ::unsetenv("TZ");
        ::tzset();
    }

private:
    std::string m_previous;
    bool m_had = false;
};

void TouchSession(const fs::path& folder, time_t seconds, const char* session = "session") {
    const timeval times[2] = {{seconds, 0}, {seconds, 0}};
    for (const fs::directory_entry& entry : fs::directory_iterator(folder / session))
        ASSERT_EQ(::utimes(entry.path().c_str(), times), 0) << entry.path();
}

TEST_F(ListCommands, Lists_PrintsALinePerListAndFollowsRenameAndRemove) {
    const UtcZone utc;
    ASSERT_EQ(Tool({"add", File("gre.csv", "abate,to lessen\nbane,a curse\n")}).code, 0);
    ASSERT_EQ(Tool({"add", File("verbs.tsv", "aller\tto go\n"), "--name", "Verbs"}).code, 0);
    WriteSession(Folder("gre"), {{2, 0}}, {{1, 5}});
    TouchSession(Folder("gre"), 1773500940);  // 2026-03-14 15:09 UTC
    // Backwards both words are known: the count that way comes last.
    WriteSession(Folder("gre"), {}, {{1, 0}, {2, 0}}, "session-reverse");
    TouchSession(Folder("gre"), 1773500000, "session-reverse");

    ToolRun run = Tool({"lists"});
    ASSERT_EQ(run.code, 0) << run.err;
    const std::string verbs = "Verbs\t" + Folder("verbs").string() + "\t1\t0\t\t0\n";
    EXPECT_EQ(run.out, "gre\t" + Folder("gre").string() + "\t2\t1\t2026-03-14 15:09\t2\n" + verbs);

    ASSERT_EQ(Tool({"rename", "--", "GRE", "-Exam words"}).code, 0);
    run = Tool({"lists"});
    EXPECT_EQ(run.out,
              "-Exam words\t" + Folder("gre").string() + "\t2\t1\t2026-03-14 15:09\t2\n" + verbs);

    run = Tool({"remove", "--", "-exam words"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_TRUE(fs::is_directory(m_home.Xdg() / "Trash" / "files" / "gre" / "session"));
    EXPECT_FALSE(fs::exists(Folder("gre")));
    EXPECT_EQ(Tool({"lists"}).out, verbs);
}

// On a small list the schedule puts known words back for review all the time: they count as
// known until they are judged again, in both directions' counts and after a restart.
TEST_F(ListCommands, Lists_CountsKnownWordsUnderReviewAsKnown) {
    std::string words;
    for (int i = 1; i <= 9; ++i) words += "w" + std::to_string(i) + "\tmeaning\n";
    ASSERT_EQ(Tool({"add", File("small.tsv", words)}).code, 0);
    std::string script = "init\n";
    for (int i = 0; i < 60; ++i) script += "next\njudge 0\n";
    WriteFile((Folder("small") / "in.txt").string(), script + "save\n");
    const std::string drive = "cd '" + Folder("small").string() + "' && " + QUIBBIX_BUILT_BIN_DIR +
                              "/quibbix-drive < in.txt > out.txt";
    ASSERT_EQ(std::system(drive.c_str()), 0);
    ASSERT_EQ(std::system(drive.c_str()), 0);
    const ToolRun run = Tool({"lists"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\t', run.out.find("\t9\t") + 3)),
              "small\t" + Folder("small").string() + "\t9\t9")
        << run.out;
    EXPECT_GT(ReadFile((Folder("small") / "session" / "review.txt").string()).size(), 2u);
}

TEST_F(ListCommands, Lists_ShowsAFoldersControlCharactersEscaped) {
    const fs::path home = m_home.Root() / "odd\tname\n" / "quibbix";
    ASSERT_EQ(ToolIn(home, {"add", File("gre.csv", "abate,to lessen\n")}).code, 0);
    const ToolRun run = ToolIn(home, {"lists"});
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.out, "gre\t" + m_home.Root().string() +
                           "/odd\\x09name\\x0a/quibbix/lists/gre\t1\t0\t\t0\n");
}

struct Refusal {
    std::vector<std::string> args;
    int code;
    const char* message;
};

void PrintTo(const Refusal& refusal, std::ostream* os) {
    for (const std::string& arg : refusal.args) *os << '"' << arg << "\" ";
}

// The line of `text` holding `part`; empty when none does.
std::string LineWith(const std::string& text, const std::string& part) {
    const size_t at = text.find(part);
    if (at == std::string::npos) return std::string();
    const size_t start = text.rfind('\n', at);
    const size_t begin = start == std::string::npos ? 0 : start + 1;
    return text.substr(begin, text.find('\n', at) - begin);
}

class ListCommandRefusals : public ListCommands, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ListCommandRefusals, ExitWithTheCodeAndSayWhy) {
    ASSERT_EQ(Tool({"add", File("gre.csv", "abate,to lessen\n")}).code, 0);
    ASSERT_EQ(Tool({"add", File("verbs.tsv", "aller\tto go\n"), "--name", "Verbs"}).code, 0);
    const std::vector<std::string> before = {ReadFile((Folder("gre") / "name.txt").string()),
                                             ReadFile((Folder("verbs") / "name.txt").string())};
    FolderLock studying;
    int error = 0;
    ASSERT_EQ(studying.Acquire((Folder("verbs") / "session").string(), error),
              FolderLock::Result::kLocked);

    const ToolRun run = Tool(GetParam().args);
    EXPECT_EQ(run.code, GetParam().code) << run.err;
    EXPECT_EQ(LineWith(run.err, GetParam().message).rfind("quibbix-wordlist: ", 0), 0u) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(fs::exists(Folder("gre")));
    EXPECT_TRUE(fs::exists(Folder("verbs")));
    EXPECT_EQ(before[0], ReadFile((Folder("gre") / "name.txt").string()));
    EXPECT_EQ(before[1], ReadFile((Folder("verbs") / "name.txt").string()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListCommandRefusals,
    ::testing::Values(
        Refusal{{"rename", "nope", "x"}, 1, "no list named \"nope\""},
        Refusal{{"remove", "nope"}, 1, "no list named \"nope\""},
        Refusal{{"rename", "gre", "VERBS"}, 1, "exists already"},
        Refusal{{"rename", "gre", " x"}, 1, "outer spaces"},
        Refusal{{"rename", "verbs", "x"}, 1, "being studied"},
        Refusal{{"remove", "verbs"}, 1, "being studied"},
        Refusal{{"rename", "gre"}, 2, "rename needs OLD and NEW"},
        Refusal{{"remove"}, 2, "remove needs one NAME"},
        Refusal{{"lists", "gre"}, 2, "lists takes no arguments"},
        Refusal{{"remove", "gre", "--force"}, 2, "remove takes no option --force"},
        Refusal{{"add", "gre.csv", "-o", "x.lst"}, 2, "add takes no option -o"},
        Refusal{{"add", "gre.csv", "--update", "--new"}, 2, "not both"},
        Refusal{{"add", "gre.csv", "--name", "\t"}, 2, "bad list name"},
        Refusal{{"add"}, 2, "add needs one FILE"},
        Refusal{{"add", "verbs.tsv", "--name", "Verbs", "--update"}, 1, "being studied"}));

// main() finds the data folder and the defaults as a script's run does.
TEST_F(ListCommands, TheProgramUsesXdgDataHomeAndTheListDir) {
    const std::string command = "cd '" + m_home.Root().string() + "' && QUIBBIX_LIST_DIR='" +
                                m_home.Defaults().string() +
                                "' '" QUIBBIX_BUILT_BIN_DIR "/quibbix-wordlist' ";
    File("gre.csv", "abate,to lessen\n");
    ASSERT_EQ(::system((command + "add gre.csv >/dev/null").c_str()), 0);
    EXPECT_TRUE(fs::exists(Folder("gre") / "list" / "picture.bmp"));
    FILE* pipe = ::popen((command + "lists").c_str(), "r");
    char line[4096] = {};
    std::string out;
    while (std::fgets(line, sizeof line, pipe)) out += line;
    EXPECT_EQ(WEXITSTATUS(::pclose(pipe)), 0);
    EXPECT_NE(out.find("gre\t" + Folder("gre").string() + "\t1\t0\t\t0\n"), std::string::npos)
        << out;
}

}  // namespace
