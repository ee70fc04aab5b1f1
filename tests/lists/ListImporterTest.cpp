// SPDX-License-Identifier: GPL-2.0-or-later
// From a user's file to a list: reading, adding as new, updating with the progress kept.
#include "lists/ListGuard.h"
#include "lists/ListImporter.h"
#include "tests/lists/ListTestFiles.h"

#include <gtest/gtest.h>
#include <map>

#include "posix/FolderLock.h"

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

}  // namespace

namespace {

TEST(ListImporter, UpdateCarriesBothDirectionsProgress_InOneChange) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    const fs::path folder = home.Home();
    // c is 3, a 1, b 2. Forwards b is known; backwards a is.
    WriteWords(folder / "list" / "kelvo.lst", {{"c", "3"}, {"a", "1"}, {"b", "2"}});
    WriteSession(folder, {{1, 0}, {3, 0}}, {{2, 5}});
    WriteSession(folder, {{2, 0}, {3, 0}}, {{1, 0}}, "session-reverse");
    ImportPlan plan;
    plan.records = {{"b", "2"}, {"a", "1"}, {"e", "5"}};  // b is 3, a 1, e 2
    std::string report, error;

    // The study window holds its own direction's lock, and says so; any other holder of a
    // lock keeps the words as they are.
    FolderLock window;
    int code = 0;
    ASSERT_EQ(window.Acquire((folder / "session-reverse").string(), code),
              FolderLock::Result::kLocked);
    EXPECT_FALSE(ListImporter::Update(store, plan, "First list", report, error));
    EXPECT_NE(error.find("backwards"), std::string::npos) << error;
    ASSERT_TRUE(ListImporter::Update(store, plan, "First list", report, error,
                                     ListFolder::Direction::kBackwards))
        << error;

    EXPECT_EQ(LoadEntries(folder / "session" / "known.txt"), (Entries{{3, 5}}));
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "known.txt"), (Entries{{1, 0}}));
    for (const char* session : {"session", "session-reverse"}) {
        EXPECT_TRUE(fs::exists(folder / session / "known.txt.bak")) << session;
        EXPECT_EQ(ReadFile((folder / session / "studied.lst").string()),
                  ReadFile((folder / "list" / "kelvo.lst").string()))
            << session;
    }
    EXPECT_NE(report.find("backwards, 2 words keep their progress"), std::string::npos) << report;

    // The backwards progress known before is what the guard finds: nothing more to move.
    ListGuard::Notice notice;
    EXPECT_TRUE(
        ListGuard::Check(DefaultFileSystem(), folder, ListFolder::Direction::kBackwards, notice));
    EXPECT_EQ(notice.detail, "");
}

TEST(ListImporter, GuardOfOneDirection_BringsTheOtherAlong_WhenNobodyStudiesIt) {
    DataHome home;
    const fs::path folder = home.Home();
    WriteWords(folder / "list" / "kelvo.lst", {{"c", "3"}, {"a", "1"}, {"b", "2"}});
    WriteSession(folder, {{1, 0}, {3, 0}}, {{2, 5}});
    WriteSession(folder, {{2, 0}, {3, 0}}, {{1, 0}}, "session-reverse");
    ListGuard::Notice notice;
    // Opened one way, the guard writes nothing the other way while the words stay.
    ASSERT_TRUE(
        ListGuard::Check(DefaultFileSystem(), folder, ListFolder::Direction::kForwards, notice));
    EXPECT_FALSE(fs::exists(folder / "session-reverse" / "studied.lst"));
    ASSERT_TRUE(
        ListGuard::Check(DefaultFileSystem(), folder, ListFolder::Direction::kBackwards, notice));
    ASSERT_TRUE(fs::exists(folder / "session-reverse" / "studied.lst"));

    // The list copied over by hand: a, b swapped places.
    WriteWords(folder / "list" / "kelvo.lst", {{"c", "3"}, {"b", "2"}, {"a", "1"}});
    ASSERT_TRUE(
        ListGuard::Check(DefaultFileSystem(), folder, ListFolder::Direction::kForwards, notice));
    EXPECT_EQ(LoadEntries(folder / "session" / "known.txt"), (Entries{{1, 5}}));
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "known.txt"), (Entries{{2, 0}}));
    EXPECT_NE(notice.detail.find("session-reverse/*.bak"), std::string::npos) << notice.detail;
}

}  // namespace

namespace {

// Every file under `dir` with its bytes, to tell that nothing changed.
std::map<std::string, std::string> FilesUnder(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir))
        if (entry.is_regular_file()) files[entry.path().string()] = ReadFile(entry.path().string());
    return files;
}

TEST(ListImporter, UpdateByPairing_RefusesAWrongPairingOrAListChangedSince) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    const fs::path folder = home.Home();
    const fs::path list = folder / "list" / "kelvo.lst";
    // c is 3, a 1, b 2; b is known, a and c to be viewed.
    WriteWords(list, {{"c", "3"}, {"a", "1"}, {"b", "2"}});
    WriteSession(folder, {{1, 0}, {3, 0}}, {{2, 5}});
    WriteSession(folder, {{1, 0}, {2, 0}}, {{3, 0}}, "session-reverse");
    ImportPlan plan;
    plan.pairedList = ReadFile(list.string());
    plan.records = {{"a", "1"}, {"bee", "2"}};  // a is 2, bee 1
    std::string report, error;

    const std::map<std::string, std::string> before = FilesUnder(folder);
    for (const RecordMatcher::Pairing& wrong :
         std::vector<RecordMatcher::Pairing>{{1}, {1, 3}, {1, -2}, {2, 2}}) {
        plan.pairing = wrong;
        EXPECT_FALSE(ListImporter::Update(store, plan, "First list", report, error));
        EXPECT_NE(error.find("pairing"), std::string::npos) << error;
    }
    plan.pairing = {1, 2};
    WriteWords(list, {{"c", "3"}, {"b", "2"}, {"a", "1"}});
    EXPECT_FALSE(ListImporter::Update(store, plan, "First list", report, error));
    EXPECT_NE(error.find("changed elsewhere"), std::string::npos) << error;
    WriteFile(list.string(), plan.pairedList);
    EXPECT_EQ(FilesUnder(folder), before);

    // b respelled keeps its progress both ways; c is gone.
    ASSERT_TRUE(ListImporter::Update(store, plan, "First list", report, error)) << error;
    EXPECT_EQ(LoadEntries(folder / "session" / "known.txt"), (Entries{{1, 5}}));
    EXPECT_EQ(LoadEntries(folder / "session" / "tobeviewed.txt"), (Entries{{2, 0}}));
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "tobeviewed.txt"),
              (Entries{{2, 0}, {1, 0}}));
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "known.txt"), (Entries{}));
}

// KDE's trainers name each column's locale; the list keeps them as its speech languages,
// whichever column the words come from, and a locale that is no name is left out.
TEST(ListImporter, KvtmlLocales_BecomeTheListsSpeechLanguages) {
    DataHome home;
    const fs::path file = home.Root() / "animals.kvtml";
    WriteFile(file.string(), R"(<?xml version="1.0" encoding="UTF-8"?>
<kvtml version="2.0">
  <identifiers>
    <identifier id="0"><name>Russian</name><locale>ru</locale></identifier>
    <identifier id="1"><name>German</name><locale>de
words el</locale></identifier>
    <identifier id="2"><name>Portuguese</name><locale>pt_BR</locale></identifier>
  </identifiers>
  <entries>
    <entry id="0"><translation id="0"><text>собака</text></translation>
      <translation id="1"><text>Hund</text></translation>
      <translation id="2"><text>cão</text></translation></entry>
  </entries>
</kvtml>
)");
    const ImportPlan plan = ListImporter::Read(file);
    EXPECT_EQ(plan.wordLocale, "ru");
    EXPECT_EQ(plan.definitionLocale, "");
    ListStore store(home.Home(), home.Defaults());
    fs::path folder;
    std::string error;
    ASSERT_TRUE(ListImporter::AddAsNew(store, plan, "Animals", folder, error)) << error;
    EXPECT_EQ(ReadFile((folder / "list" / "speech.cfg").string()), "words ru\n");

    ImportOptions columns;
    columns.wordColumn = 3;
    columns.definitionColumn = 1;
    const ImportPlan swapped = ListImporter::Read(file, columns);
    EXPECT_EQ(swapped.wordLocale, "pt_BR");
    EXPECT_EQ(swapped.definitionLocale, "ru");
    // A file that names no locale leaves the list to the guess, as before.
    ImportPlan none = plan;
    none.wordLocale.clear();
    ASSERT_TRUE(ListImporter::AddAsNew(store, none, "Animals 2", folder, error)) << error;
    EXPECT_FALSE(fs::exists(folder / "list" / "speech.cfg"));
}

}  // namespace
