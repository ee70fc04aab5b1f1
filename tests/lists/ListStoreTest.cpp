// SPDX-License-Identifier: GPL-2.0-or-later
// The list folders: enumeration with their summaries, names, and removal into the trash.
#include "lists/ListStore.h"
#include "lists/Trash.h"
#include "tests/lists/ListTestFiles.h"

#include <gtest/gtest.h>

#include "posix/FolderLock.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const ListStore& store) {
    std::vector<std::string> names;
    for (const ListSummary& list : store.Lists()) names.push_back(list.name);
    return names;
}

// The first list as an existing user has it: three words, two of them known.
void MakeFirstList(const DataHome& home) {
    WriteWords(home.Home() / "list" / "kelvo.lst", {{"a", "1"}, {"b", "2"}, {"c", "3"}});
    WriteSession(home.Home(), {{1, 0}}, {{2, 4}, {3, 4}});
}

TEST(ListStore, ListsTheFirstListFirstThenTheOthersByNameWithTheirSummaries) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    // A new user: the first list, still to be prepared.
    ASSERT_EQ(store.Lists().size(), 1u);
    EXPECT_TRUE(store.Lists()[0].isFirst);
    EXPECT_EQ(store.Lists()[0].words, 0);

    MakeFirstList(home);
    std::string error;
    ASSERT_TRUE(store.Create("zoology", error)) << error;
    ASSERT_TRUE(store.Create("Art", error)) << error;
    // Something else in lists/ is not a list, nor is a folder being built.
    fs::create_directories(home.Home() / "lists" / "notes");
    fs::create_directories(home.Home() / "lists" / ".new-1" / "list");

    const std::vector<ListSummary> lists = store.Lists();
    ASSERT_EQ(Names(store), (std::vector<std::string>{"First list", "Art", "zoology"}));
    EXPECT_EQ(lists[0].folder, home.Home());
    EXPECT_EQ(lists[0].words, 3);
    EXPECT_EQ(lists[0].known, 2);
    EXPECT_TRUE(lists[0].hasProgress);
    EXPECT_GT(lists[0].lastStudied, 0);
    // A new list holds the defaults, the default words among them, and no progress yet.
    EXPECT_EQ(lists[1].words, 2);
    EXPECT_FALSE(lists[1].hasProgress);
    EXPECT_EQ(lists[1].lastStudied, 0);
    EXPECT_TRUE(fs::exists(lists[1].folder / "list" / "picture.bmp"));
    EXPECT_EQ(lists[1].folder.parent_path(), home.Home() / "lists");

    // Damaged progress is shown as none known, never beyond the list's size.
    for (const std::string known : {"garbage", "", "99\n1\t0\n"}) {
        WriteFile((home.Home() / "session" / "known.txt").string(), known);
        EXPECT_EQ(store.Lists()[0].known, known.empty() || known[0] == 'g' ? 0 : 3) << known;
    }
}

TEST(ListStore, NamesAreUniqueIgnoringCaseAndAnyNameMakesASafeFolder) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    MakeFirstList(home);
    std::string error;
    const std::optional<fs::path> verbs = store.Create("French verbs", error);
    ASSERT_TRUE(verbs) << error;
    EXPECT_FALSE(store.Create("french VERBS", error));
    EXPECT_NE(error.find("exists"), std::string::npos) << error;
    EXPECT_EQ(store.FreeName("French verbs"), "French verbs (2)");
    EXPECT_EQ(store.FreeName("Spanish"), "Spanish");
    // Beyond ASCII too, whatever the user's locale.
    EXPECT_TRUE(ListStore::SameName("Ελληνικά Ä", "ελληνικά ä"));
    EXPECT_FALSE(ListStore::SameName("Ελληνικά", "Ελληνικο"));

    // A name that would be a path, or nothing readable, still lands in a folder of lists/.
    for (const std::string name : {"../../escape", "日本語", "a/b"}) {
        const std::optional<fs::path> folder = store.Create(name, error);
        ASSERT_TRUE(folder) << name << ": " << error;
        EXPECT_EQ(folder->parent_path(), home.Home() / "lists") << name;
        ASSERT_TRUE(store.Find(name)) << name;
        EXPECT_EQ(store.Find(name)->folder, *folder);
    }
    for (const char* bad : {"", "   ", "tab\there", "\xff\xfe"})
        EXPECT_FALSE(store.Create(bad, error)) << bad;

    // Renaming keeps the folder, the first list's as well; a case change is no clash.
    ASSERT_TRUE(store.Rename("french verbs", "French Verbs", error)) << error;
    ASSERT_TRUE(store.Rename("French Verbs", "Verbes", error)) << error;
    EXPECT_EQ(store.Find("Verbes")->folder, *verbs);
    EXPECT_EQ(ListStore::NameIn(*verbs), "Verbes");
    EXPECT_FALSE(store.Find("French verbs"));
    ASSERT_TRUE(store.Rename("First list", "GRE words", error)) << error;
    EXPECT_TRUE(store.Find("GRE words")->isFirst);
    EXPECT_FALSE(store.Rename("Verbes", "gre WORDS", error));
    EXPECT_FALSE(store.Rename("missing", "anything", error));
    EXPECT_EQ(store.Find("Verbes")->folder, *verbs);

    // A name file edited by hand is read as the store reads it; no file, no name.
    WriteFile((*verbs / "name.txt").string(), " Verbes\tirréguliers \nsecond line\n");
    EXPECT_EQ(ListStore::NameIn(*verbs), "Verbes irréguliers");
    EXPECT_EQ(ListStore::NameIn(home.Home() / "lists" / "none"), "");
}

TEST(ListStore, RemoveMovesTheFolderToTheTrashWithItsInfo) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    MakeFirstList(home);
    std::string error;
    const fs::path spanish = *store.Create("Spanish 100%", error);
    WriteSession(spanish, {{1, 0}}, {});
    ASSERT_TRUE(store.Remove("Spanish 100%", error)) << error;

    const fs::path trash = home.Xdg() / "Trash";
    EXPECT_FALSE(fs::exists(spanish));
    EXPECT_TRUE(fs::exists(trash / "files" / "spanish-100" / "session" / "tobeviewed.txt"));
    const std::string info = ReadFile((trash / "info" / "spanish-100.trashinfo").string());
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + spanish.string() + "\nDeletionDate=", 0), 0u)
        << info;
    EXPECT_EQ(info.size(), info.find("DeletionDate=") + 13 + 19 + 1) << info;  // date, "\n"
    EXPECT_EQ(Trash::EncodePath("/a b/%ü"), "/a%20b/%25%C3%BC");

    // The same folder name again gets a name of its own in the trash.
    ASSERT_TRUE(store.Create("Spanish 100%", error)) << error;
    ASSERT_TRUE(store.Remove("Spanish 100%", error)) << error;
    EXPECT_TRUE(fs::exists(trash / "files" / "spanish-100.2"));
    EXPECT_TRUE(fs::exists(trash / "info" / "spanish-100.2.trashinfo"));
    EXPECT_EQ(Names(store), (std::vector<std::string>{"First list"}));
}

TEST(ListStore, RemovingTheFirstListKeepsTheDataFolderAndTheOtherLists) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    MakeFirstList(home);
    std::string error;
    ASSERT_TRUE(store.Create("Other", error)) << error;
    fs::create_directories(home.Home() / "sync");
    WriteFile((home.Home() / "sync" / "folder.txt").string(), "/media/stick/first\n");
    ASSERT_TRUE(store.Remove("First list", error)) << error;

    EXPECT_EQ(Names(store), (std::vector<std::string>{"Other"}));
    for (const char* part : {"list", "session", "sync"})
        EXPECT_FALSE(fs::exists(home.Home() / part)) << part;
    const fs::path trashed = home.Xdg() / "Trash" / "files" / "first-list";
    EXPECT_EQ(ReadWords(trashed / "list" / "kelvo.lst").size(), 3u);
    EXPECT_TRUE(fs::exists(trashed / "sync" / "folder.txt"));
    EXPECT_EQ(ReadFile((trashed / "name.txt").string()), "First list\n");
    // Restored from the trash, it comes back as a list of its own.
    const std::string info =
        ReadFile((home.Xdg() / "Trash" / "info" / "first-list.trashinfo").string());
    EXPECT_NE(info.find("Path=" + (home.Home() / "lists" / "first-list").string() + "\n"),
              std::string::npos)
        << info;
    fs::rename(trashed, home.Home() / "lists" / "first-list");
    EXPECT_EQ(Names(store), (std::vector<std::string>{"First list", "Other"}));
    EXPECT_FALSE(store.Lists()[0].isFirst);
}

TEST(ListStore, AListBeingStudiedIsNeitherRenamedNorRemoved) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    MakeFirstList(home);
    std::string error;
    const fs::path other = *store.Create("Other", error);
    for (const fs::path& folder : {home.Home(), other}) {
        FolderLock studying;
        int code = 0;
        ASSERT_EQ(studying.Acquire((folder / "session").string(), code),
                  FolderLock::Result::kLocked);
        const std::string name = store.Lists()[folder == other ? 1 : 0].name;
        EXPECT_FALSE(store.Remove(name, error)) << name;
        EXPECT_NE(error.find("being studied"), std::string::npos) << error;
        EXPECT_FALSE(store.Rename(name, "New name", error)) << name;
        EXPECT_TRUE(fs::exists(folder / "list" / "kelvo.lst"));
    }
    EXPECT_EQ(Names(store), (std::vector<std::string>{"First list", "Other"}));
    EXPECT_FALSE(fs::exists(home.Xdg() / "Trash" / "files" / "other"));
}

}  // namespace
