// SPDX-License-Identifier: GPL-2.0-or-later
// From a user's file to a list: reading, adding as new, updating with the progress kept, and
// the word-list tool's add command.
#include "platform/FolderLock.h"
#include "tests/lists/ListTestFiles.h"

#include <stdio.h>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include "lists/ListImporter.h"

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> FoldersIn(const fs::path& dir) {
    std::vector<fs::path> folders;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec))
        folders.push_back(entry.path().filename());
    return folders;
}

TEST(ListImporter, ReadTellsTheRefusedEntriesByLineAndSuggestsAName) {
    DataHome home;
    const fs::path file = home.Root() / "French verbs.tsv";
    WriteFile(file.string(), "aller\tto go\n\tno word\nvenir\tto come\n");
    const ImportPlan plan = ListImporter::Read(file);
    EXPECT_EQ(plan.error, "");
    EXPECT_EQ(plan.suggestedName, "French verbs");
    ASSERT_EQ(plan.records.size(), 2u);
    ASSERT_EQ(plan.refused.size(), 1u);
    EXPECT_EQ(plan.refused[0].line, 2);
    EXPECT_EQ(plan.refused[0].reason, "empty word");

    const ImportPlan deck =
        ListImporter::Read(fs::path(QUIBBIX_SOURCE_ROOT) / "tests/golden/inputs/deck.kvtml");
    EXPECT_EQ(deck.suggestedName, "Golden deck");
    EXPECT_EQ(deck.records.size(), 2u);

    EXPECT_NE(ListImporter::Read(home.Root() / "missing.csv").error, "");
    WriteFile((home.Root() / "empty.tsv").string(), "\n");
    EXPECT_NE(ListImporter::Read(home.Root() / "empty.tsv").error, "");
}

TEST(ListImporter, AddAsNewMakesAWholeListOrNothing) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    ImportPlan plan;
    plan.records = {{"aller", "to go"}, {"venir", "to come"}};
    fs::path folder;
    std::string error;
    ASSERT_TRUE(ListImporter::AddAsNew(store, plan, "Verbs", folder, error)) << error;
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst"),
              (Words{{"aller", "to go"}, {"venir", "to come"}}));
    EXPECT_TRUE(fs::exists(folder / "list" / "picture.bmp"));
    EXPECT_TRUE(fs::is_directory(folder / "session"));
    EXPECT_EQ(store.Find("verbs")->folder, folder);

    // Refused: the name taken, or no words. Nothing is left in lists/ but the first.
    EXPECT_FALSE(ListImporter::AddAsNew(store, plan, "VERBS", folder, error));
    EXPECT_FALSE(ListImporter::AddAsNew(store, ImportPlan(), "Other", folder, error));
    EXPECT_EQ(FoldersIn(home.Home() / "lists"), std::vector<fs::path>{"verbs"});
}

TEST(ListImporter, UpdateGivesTheListNewWordsAndKeepsEveryWordsProgress) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    // Index i names record i, index n record 0: c is 3, a 1, b 2; b is known.
    WriteWords(home.Home() / "list" / "kelvo.lst", {{"c", "3"}, {"a", "1"}, {"b", "2"}});
    WriteSession(home.Home(), {{1, 0}, {3, 0}}, {{2, 5}});
    ImportPlan plan;
    plan.records = {{"b", "2"}, {"a", "1"}, {"e", "5"}};  // b is 3, a 1, e 2
    std::string report, error;

    {
        FolderLock studying;
        int code = 0;
        ASSERT_EQ(studying.Acquire((home.Home() / "session").string(), code),
                  FolderLock::Result::kLocked);
        EXPECT_FALSE(ListImporter::Update(store, plan, "First list", report, error));
        EXPECT_EQ(ReadWords(home.Home() / "list" / "kelvo.lst").size(), 3u);
    }

    ASSERT_TRUE(ListImporter::Update(store, plan, "first LIST", report, error)) << error;
    EXPECT_EQ(ReadWords(home.Home() / "list" / "kelvo.lst"),
              (Words{{"b", "2"}, {"a", "1"}, {"e", "5"}}));
    EXPECT_EQ(LoadEntries(home.Home() / "session" / "known.txt"), (Entries{{3, 5}}));
    EXPECT_TRUE(fs::exists(home.Home() / "session" / "known.txt.bak"));
    EXPECT_NE(report.find("2 words keep their progress, 1 is gone and 1 is new"), std::string::npos)
        << report;
    // The guard now knows the list the session stands on.
    EXPECT_EQ(ReadFile((home.Home() / "session" / "studied.lst").string()),
              ReadFile((home.Home() / "list" / "kelvo.lst").string()));
}

struct ToolRun {
    int code = -1;
    std::string output;
};

// The built tool, as a script runs it, with the test's XDG_DATA_HOME.
ToolRun Tool(const DataHome& home, const std::string& args) {
    const std::string command =
        "cd '" + home.Root().string() + "' && QUIBBIX_LIST_DIR='" + home.Defaults().string() +
        "' '" QUIBBIX_BUILT_BIN_DIR "/quibbix-wordlist' add " + args + " 2>&1";
    ToolRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.output.append(buffer, n);
    const int status = ::pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(AddCommand, AddsAFileAsAListAndAsksBeforeTouchingProgress) {
    DataHome home;
    WriteFile((home.Root() / "gre.csv").string(), "abate,to lessen\n,nothing\nbane,a curse\n");
    ToolRun run = Tool(home, "gre.csv");
    EXPECT_EQ(run.code, 1) << run.output;
    EXPECT_NE(run.output.find("gre.csv:2: empty word"), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(home.Home() / "lists" / "gre"));

    run = Tool(home, "gre.csv --skip-bad");
    ASSERT_EQ(run.code, 0) << run.output;
    const fs::path folder = home.Home() / "lists" / "gre";
    EXPECT_NE(run.output.find("list: gre\nfolder: " + folder.string() + "\n"), std::string::npos)
        << run.output;
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst").size(), 2u);

    WriteSession(folder, {{2, 0}}, {{1, 5}});  // index 1 is record 1, bane: known
    run = Tool(home, "gre.csv --skip-bad");
    EXPECT_EQ(run.code, 2) << run.output;
    EXPECT_NE(run.output.find("--update"), std::string::npos) << run.output;

    run = Tool(home, "gre.csv --skip-bad --new --name GRE");
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_NE(run.output.find("list: GRE (2)\n"), std::string::npos) << run.output;

    WriteFile((home.Root() / "gre.csv").string(), "bane,a curse\nabate,to lessen\ncow,to scare\n");
    run = Tool(home, "gre.csv --update");
    ASSERT_EQ(run.code, 0) << run.output;
    EXPECT_EQ(LoadEntries(folder / "session" / "known.txt"), (Entries{{3, 5}}));
    EXPECT_EQ(Tool(home, "gre.csv --update --new").code, 2);
}

}  // namespace
