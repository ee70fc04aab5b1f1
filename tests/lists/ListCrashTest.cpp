// SPDX-License-Identifier: GPL-2.0-or-later
// Lists through kills: every change of a list stopped after each of its file operations, then
// the list opened again as the next program would open it.
#include "engine/SessionFiles.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListImporter.h"
#include "lists/ListStore.h"
#include "lists/ListTransaction.h"
#include "tests/lists/ListTestFiles.h"
#include "tests/support/FaultyFileSystem.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <thread>

namespace fs = std::filesystem;

namespace {

// Each word's list and counter: what a learner would call the word's progress.
using Progress = std::map<std::string, std::pair<int, int32_t>>;

// Both directions': a word's progress backwards is kept under "backwards " and the word.
Progress ProgressOf(const fs::path& folder) {
    const Words words = ReadWords(ListFolder::WordList(folder));
    Progress progress;
    for (ListFolder::Direction direction : ListFolder::kDirections) {
        const std::string mark = direction == ListFolder::Direction::kBackwards ? "backwards " : "";
        for (int list = 0; list < static_cast<int>(SessionFiles::kListCount); ++list) {
            const fs::path file =
                ListFolder::Session(folder, direction) / SessionFiles::kLists[list].FileName();
            for (const auto& [index, counter] : LoadEntries(file)) {
                const size_t record = index == words.size() ? 0 : index;
                EXPECT_LT(record, words.size()) << "index " << index << " names no word";
                if (record < words.size()) progress[mark + words[record].first] = {list, counter};
            }
        }
    }
    return progress;
}

std::set<std::string> DotFoldersIn(const fs::path& dir) {
    std::set<std::string> names;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        const std::string name = entry.path().filename().string();
        if (name[0] == '.') names.insert(name);
    }
    return names;
}

std::map<std::string, int> NamesAndWords(const ListStore& store) {
    std::map<std::string, int> lists;
    for (const ListSummary& list : store.Lists()) lists[list.name] = list.words;
    return lists;
}

ImportPlan PlanOf(const Words& words) {
    ImportPlan plan;
    for (const auto& [word, definition] : words) plan.records.push_back({word, definition});
    return plan;
}

const Words kOld = {{"abate", "to lessen"},
                    {"bane", "a curse"},
                    {"cower", "to crouch"},
                    {"deft", "skilful"},
                    {"eschew", "to avoid"}};
// Re-sorted, one word gone, one reworded and one new.
const Words kNew = {{"eschew", "to shun"},
                    {"fickle", "changeable"},
                    {"deft", "skilful"},
                    {"bane", "a curse"},
                    {"abate", "to lessen"}};

class ListCrash : public testing::Test {
protected:
    // The first list, prepared, and "GRE" with progress on every word.
    void MakeLists() {
        ListStore store(m_home.Home(), m_home.Defaults());
        std::string error;
        ASSERT_TRUE(store.Prepare(m_home.Home(), error)) << error;
        fs::path folder;
        ASSERT_TRUE(ListImporter::AddAsNew(store, PlanOf(kOld), "GRE", folder, error)) << error;
        WriteSession(folder, {{1, 0}, {2, 0}}, {{3, 5}, {4, 7}, {5, 2}});
        WriteSession(folder, {{3, 0}, {4, 0}}, {{1, 0}, {2, 3}, {5, 1}}, "session-reverse");
        m_gre = folder;
    }

    // Runs `change` once without faults to count its file operations, then again from the
    // same start killed after each of them; `check` then looks at what the next program finds.
    void KillAfterEveryChange(const std::function<void(ListStore&)>& change,
                              const std::function<void(long kill)>& check) {
        const fs::path saved = m_home.Root() / "saved";
        MakeLists();
        fs::copy(m_home.Xdg(), saved, fs::copy_options::recursive);
        FaultyFileSystem counting;
        ListStore whole(m_home.Home(), m_home.Defaults(), counting);
        change(whole);
        const long changes = static_cast<long>(counting.log.size());
        ASSERT_GT(changes, 2);
        m_after = ProgressOfGre();
        for (long kill = 0; kill < changes; ++kill) {
            fs::remove_all(m_home.Xdg());
            fs::copy(saved, m_home.Xdg(), fs::copy_options::recursive);
            FaultyFileSystem faulty;
            faulty.changesBeforeKill = kill;
            ListStore killed(m_home.Home(), m_home.Defaults(), faulty);
            change(killed);
            check(kill);
        }
    }

    Progress ProgressOfGre() const {
        return fs::exists(m_gre / "session") ? ProgressOf(m_gre) : Progress();
    }

    DataHome m_home;
    fs::path m_gre;
    Progress m_after;
};

TEST_F(ListCrash, UpdateKilledAnywhere_LeavesOldWordsAndProgressOrNewOnes_FinishedOnce) {
    Progress before;
    KillAfterEveryChange(
        [&](ListStore& store) {
            if (before.empty()) before = ProgressOfGre();
            std::string report, error;
            ListImporter::Update(store, PlanOf(kNew), "GRE", report, error);
        },
        [&](long kill) {
            std::string message;
            ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_gre, message)) << kill;
            const Progress found = ProgressOf(m_gre);
            EXPECT_TRUE(found == before || found == m_after) << "killed after change " << kill;
            // A second opening finds nothing left to do: the session never moves twice.
            ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_gre, message));
            EXPECT_EQ(message, "") << kill;
            EXPECT_EQ(ProgressOf(m_gre), found) << kill;
            EXPECT_EQ(DotFoldersIn(m_gre / "session"), std::set<std::string>()) << kill;
        });
    EXPECT_NE(before, m_after);
    EXPECT_EQ(m_after.at("deft"), before.at("deft"));
    EXPECT_EQ(m_after.at("backwards bane"), before.at("backwards bane"));
    EXPECT_EQ(m_after.count("cower"), 0u);
    EXPECT_EQ(m_after.at("fickle").first, 0);  // new: to be viewed
}

// Each operation on the lists, killed after each of its changes: the next listing finds the
// lists as before or as after, each whole, and nothing hidden in lists/.
struct ListOperation {
    const char* name;
    std::function<void(ListStore&)> run;
    std::map<std::string, int> before, after;
};

class ListOperationCrash : public ListCrash, public testing::WithParamInterface<int> {};

TEST_P(ListOperationCrash, KilledAnywhere_ListsReadBackWholeOldOrNew) {
    std::string error;
    const std::map<std::string, int> both = {{"First list", 2}, {"GRE", 5}};
    const ListOperation operations[] = {
        {"add",
         [&](ListStore& store) {
             fs::path folder;
             ListImporter::AddAsNew(store, PlanOf(kNew), "Verbs", folder, error);
         },
         both,
         {{"First list", 2}, {"GRE", 5}, {"Verbs", 5}}},
        {"rename",
         [&](ListStore& store) { store.Rename("GRE", "Words", error); },
         both,
         {{"First list", 2}, {"Words", 5}}},
        {"remove",
         [&](ListStore& store) { store.Remove("GRE", error); },
         both,
         {{"First list", 2}}},
        {"remove the first",
         [&](ListStore& store) { store.Remove("First list", error); },
         both,
         {{"GRE", 5}}},
    };
    const ListOperation& operation = operations[GetParam()];
    KillAfterEveryChange(operation.run, [&](long kill) {
        const ListStore store(m_home.Home(), m_home.Defaults());
        const std::map<std::string, int> found = NamesAndWords(store);
        EXPECT_TRUE(found == operation.before || found == operation.after)
            << operation.name << " killed after change " << kill;
        EXPECT_EQ(DotFoldersIn(m_home.Home() / "lists"), std::set<std::string>())
            << operation.name << " killed after change " << kill;
    });
}

INSTANTIATE_TEST_SUITE_P(AddRenameRemove, ListOperationCrash, testing::Range(0, 4));

TEST_F(ListCrash, LeftoversOfAnEarlierRelease_AreSettledByTheNextListing) {
    MakeLists();
    const fs::path lists = m_home.Home() / "lists";
    // A removal of the first list killed after its word list moved, and an add killed while
    // building.
    fs::create_directories(lists / ".removing-1-2-3");
    fs::rename(m_home.Home() / "list", lists / ".removing-1-2-3" / "list");
    fs::create_directories(lists / ".new-4-5-6" / "list");
    WriteFile((lists / ".new-4-5-6" / "name.txt").string(), "Half made\n");

    const ListStore store(m_home.Home(), m_home.Defaults());
    EXPECT_EQ(NamesAndWords(store), (std::map<std::string, int>{{"First list", 2}, {"GRE", 5}}));
    EXPECT_EQ(DotFoldersIn(lists), std::set<std::string>());
}

TEST_F(ListCrash, ConcurrentAddsOfOneName_MakeOneList_TheOthersSaySo) {
    MakeLists();
    std::vector<std::string> errors(6);
    std::vector<std::thread> adders;
    for (std::string& error : errors) {
        adders.emplace_back([&] {
            ListStore store(m_home.Home(), m_home.Defaults());
            fs::path folder;
            ListImporter::AddAsNew(store, PlanOf(kNew), "Verbs", folder, error);
        });
    }
    for (std::thread& adder : adders) adder.join();
    EXPECT_EQ(std::count(errors.begin(), errors.end(), ""), 1);
    EXPECT_EQ(std::count(errors.begin(), errors.end(), "a list named \"Verbs\" exists already"), 5);
    EXPECT_EQ(NamesAndWords(ListStore(m_home.Home())).at("Verbs"), 5);
}

TEST_F(ListCrash, ADecidedFileThatCannotBeMovedYet_StaysDecidedUntilItCanBe) {
    const fs::path folder = m_home.Root() / "list";
    fs::create_directories(folder / "session");
    ListTransaction transaction(DefaultFileSystem(), folder / "session");
    FileError error;
    // list/ is missing: the new word list cannot be put in place, and must not be lost.
    EXPECT_FALSE(
        transaction.Commit({{"session/known.txt", "1\n"}, {"list/kelvo.lst", "records"}}, error));
    EXPECT_TRUE(transaction.IsPending());
    EXPECT_FALSE(transaction.Recover(error));
    fs::create_directories(folder / "list");
    ASSERT_TRUE(transaction.Recover(error)) << error.Describe();
    EXPECT_EQ(ReadFile((folder / "list" / "kelvo.lst").string()), "records");
    EXPECT_EQ(ReadFile((folder / "session" / "known.txt").string()), "1\n");
    EXPECT_FALSE(transaction.IsPending());
}

}  // namespace
