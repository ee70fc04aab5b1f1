// SPDX-License-Identifier: GPL-2.0-or-later
// The guard of a list replaced under its progress.
#include "lists/ListGuard.h"
#include "tests/lists/ListTestFiles.h"
#include "tools/wordlist/WordListTool.h"

#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Index i names record i, index n names record 0: c is 3, a 1, b 2.
const Words kOld = {{"c", "3"}, {"a", "1"}, {"b", "2"}};
// The same words re-sorted and one new: a is 4, b 1, c 2, d 3.
const Words kNew = {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}};

class Guard : public testing::Test {
protected:
    void SetUp() override {
        m_folder = m_home.Home();
        WriteWords(List(), kOld);
        WriteSession(m_folder, {{1, 0}}, {{2, 5}});  // a to be viewed, b known
    }
    fs::path List() const { return m_folder / "list" / "kelvo.lst"; }
    fs::path Copy() const { return m_folder / "session" / "studied.lst"; }
    fs::path Known() const { return m_folder / "session" / "known.txt"; }
    // requires: both files exist.
    void SetModified(const fs::path& path, const fs::path& like) {
        struct stat info;
        ASSERT_EQ(::stat(like.c_str(), &info), 0);
        fs::last_write_time(path, fs::last_write_time(like));
    }

    DataHome m_home;
    fs::path m_folder;
};

TEST_F(Guard, AReplacedListHasTheProgressFollowItsWords) {
    std::string message;
    // A session from before the guard: its list is taken as the one it stands on.
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(ReadFile(Copy().string()), ReadFile(List().string()));
    EXPECT_EQ(LoadEntries(Known()), (Entries{{2, 5}}));

    WriteWords(List(), kNew);
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_NE(message.find("changed"), std::string::npos) << message;
    EXPECT_NE(message.find("3 words keep their progress, 0 are gone and 1 is new"),
              std::string::npos)
        << message;
    EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    EXPECT_EQ(LoadEntries(Known()), (Entries{{1, 5}}));
    const Entries toBeViewed = LoadEntries(m_folder / "session" / "tobeviewed.txt");
    EXPECT_NE(std::find(toBeViewed.begin(), toBeViewed.end(), std::make_pair(4u, 0)),
              toBeViewed.end());
    EXPECT_EQ(LoadEntries(m_folder / "session" / "known.txt.bak"), (Entries{{2, 5}}));

    // Once moved, the session stays put.
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(LoadEntries(Known()), (Entries{{1, 5}}));
}

// The study window's first study leaves the copy for later; a session already there, without
// a copy, gets it at once, since its progress stands on these words.
TEST_F(Guard, AFirstStudyWritesItsCopyLater_ASessionAtOnce) {
    using Direction = ListFolder::Direction;
    ListGuard::Notice notice;
    bool later = true;
    ASSERT_TRUE(ListGuard::CheckForStudy(DefaultFileSystem(), m_folder, Direction::kForwards,
                                         notice, later));
    EXPECT_FALSE(later);
    EXPECT_EQ(ReadFile(Copy().string()), ReadFile(List().string()));

    fs::remove_all(m_folder / "session");
    fs::create_directories(m_folder / "session");
    ASSERT_TRUE(ListGuard::CheckForStudy(DefaultFileSystem(), m_folder, Direction::kForwards,
                                         notice, later));
    EXPECT_TRUE(later);
    EXPECT_FALSE(fs::exists(Copy()));
    ListGuard::WriteFirstCopy(DefaultFileSystem(), m_folder, Direction::kForwards);
    EXPECT_EQ(ReadFile(Copy().string()), ReadFile(List().string()));
    ASSERT_TRUE(ListGuard::CheckForStudy(DefaultFileSystem(), m_folder, Direction::kForwards,
                                         notice, later));
    EXPECT_FALSE(later);
}

TEST_F(Guard, AnUnchangedListIsJudgedByItsSizeAndTimeAlone) {
    std::string message;
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    // A copy of other words but with the list's size and time: a check that read the files
    // would rebase here.
    WriteWords(Copy(), {{"x", "9"}, {"y", "8"}, {"z", "7"}});
    SetModified(Copy(), List());
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(LoadEntries(Known()), (Entries{{2, 5}}));

    // A list rewritten with the same words moves nothing either.
    WriteWords(Copy(), kOld);
    WriteWords(List(), kOld);
    fs::last_write_time(List(), fs::last_write_time(List()) + std::chrono::seconds(5));
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(LoadEntries(Known()), (Entries{{2, 5}}));
    EXPECT_EQ(fs::last_write_time(Copy()), fs::last_write_time(List()));
}

TEST_F(Guard, AListTheSessionCannotMoveOntoLeavesTheSessionAlone) {
    std::string message;
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    WriteFile(List().string(), "");
    EXPECT_FALSE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_NE(message.find("could not be moved"), std::string::npos) << message;
    EXPECT_EQ(LoadEntries(Known()), (Entries{{2, 5}}));
    EXPECT_FALSE(fs::exists(m_folder / "session" / "known.txt.bak"));
}

// The window says what happened in the learner's words; the files and backups are for the
// terminal.
TEST_F(Guard, EveryNotice_HasAPlainText_WithoutFilesOrBackups) {
    ListGuard::Notice notice;
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, notice));
    const auto expectPlain = [&](const char* what) {
        EXPECT_FALSE(notice.detail.empty()) << what;
        EXPECT_FALSE(notice.plain.empty()) << what;
        for (const char* jargon : {"session", ".bak", ".lst", "--"})
            EXPECT_EQ(notice.plain.find(jargon), std::string::npos) << what << ": " << notice.plain;
    };
    WriteWords(List(), kNew);
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, notice));
    expectPlain("moved");
    WriteFile(Copy().string(), "");
    WriteWords(List(), kOld);
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, notice));
    expectPlain("damaged copy");
    WriteFile(List().string(), "");
    EXPECT_FALSE(ListGuard::Check(DefaultFileSystem(), m_folder, notice));
    expectPlain("cannot move");
}

TEST_F(Guard, ARebaseByHandMovesTheCopyAlong) {
    std::string message;
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    WriteWords(m_home.Root() / "new.lst", kNew);
    std::ostringstream out, err;
    ASSERT_EQ(
        WordListTool(out, err).Run({"rebase", List().string(), (m_home.Root() / "new.lst").string(),
                                    (m_folder / "session").string()}),
        0)
        << err.str();
    EXPECT_EQ(LoadEntries(Known()), (Entries{{1, 5}}));
    // The user then puts the new list in place, as the rebase's help says.
    fs::copy_file(m_home.Root() / "new.lst", List(), fs::copy_options::overwrite_existing);
    ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
    EXPECT_EQ(message, "");
    EXPECT_EQ(LoadEntries(Known()), (Entries{{1, 5}}));
}

}  // namespace

namespace {

TEST_F(Guard, ADamagedCopy_IsKeptAside_AndTheProgressStaysByPosition) {
    // Emptied, or cut inside a record: neither is the list the session stands on.
    for (const std::string& damaged : {std::string(), std::string(300, 'x')}) {
        WriteFile(Copy().string(), damaged);
        WriteWords(List(), kNew);
        std::string message;
        ASSERT_TRUE(ListGuard::Check(DefaultFileSystem(), m_folder, message));
        EXPECT_NE(message.find("damaged"), std::string::npos) << message;
        EXPECT_EQ(ReadFile(Copy().string() + ".bad"), damaged);
        EXPECT_EQ(ReadFile(Copy().string()), ReadFile(List().string()));
        EXPECT_EQ(LoadEntries(Known()), (Entries{{2, 5}}));
    }
}

}  // namespace
