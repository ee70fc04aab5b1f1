// SPDX-License-Identifier: GPL-2.0-or-later
// What the engine does when the session files cannot be read or written: it never takes an
// unreadable file for a missing one, never overwrites it, keeps a damaged one aside, and
// replaces the files of a save all together or not at all.
#include "engine/SessionFiles.h"
#include "engine/StudySession.h"
#include "engine/TimeWordRecord.h"
#include "engine/WordSelect.h"
#include "engine/WordState.h"
#include "tests/engine/FakeEnv.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

class SessionTrustTest : public ::testing::Test {
protected:
    SessionTrustTest() { env.files = &files; }

    // A resumed session of 10 words: 1..4 known, 5..10 to be viewed.
    void WriteSession() {
        WriteFile("list/kelvo.lst", MakeWordList(10));
        WriteSessionLists({{}, {}, {}, {}, {5, 6, 7, 8, 9, 10}, {1, 2, 3, 4}});
        WriteFile(SessionFiles::kWordsLearned, "3");
    }
    std::map<std::string, std::string> SessionFilesNow() {
        std::map<std::string, std::string> all;
        for (const auto& entry : fs::directory_iterator("session"))
            all[entry.path().string()] = ReadFile(entry.path().string());
        return all;
    }
    bool MessageMentions(const std::string& text) const {
        for (const FakeEnv::Message& m : env.messages)
            if (m.text.find(text) != std::string::npos) return true;
        return false;
    }

    TempDir dir;
    FaultyFileSystem files;
    FakeEnv env;
};

TEST_F(SessionTrustTest, UnreadableFiles_AreNeverTakenForMissing_NorOverwritten) {
    WriteSession();
    const std::string known = ReadFile(SessionFiles::kKnown.path);
    const std::string toBeViewed = ReadFile(SessionFiles::kToBeViewed.path);
    for (const char* path : {SessionFiles::kToBeViewed.path, SessionFiles::kKnown.path})
        files.unreadable.insert(path);
    CWordState state(env);
    state.Load(10, 0);
    EXPECT_TRUE(state.HasUnreadableFiles());
    EXPECT_TRUE(MessageMentions("session/known.txt cannot be read (Permission denied)"));
    EXPECT_TRUE(MessageMentions("session/tobeviewed.txt cannot be read"));
    state.MaintainList(NO_WORD);
    ASSERT_TRUE(state.SaveAll());
    // Not a first run, and the two files are as they were for when they can be read again.
    EXPECT_EQ(toBeViewed, ReadFile(SessionFiles::kToBeViewed.path));
    EXPECT_EQ(known, ReadFile(SessionFiles::kKnown.path));
    EXPECT_EQ("3", ReadFile(SessionFiles::kWordsLearned));
}

TEST_F(SessionTrustTest, DamagedFile_IsUsedAsFarAsItReads_AndKeptOnceAsBad) {
    WriteSession();
    const std::string damaged = "4\n1\t0\n2\tx\n";
    WriteFile(SessionFiles::kKnown.path, damaged);
    WriteFile(SessionFiles::kWordsLearned, "seven");
    CWordState state(env);
    state.Load(10, 0);
    EXPECT_FALSE(state.HasUnreadableFiles());
    EXPECT_TRUE(MessageMentions("session/known.txt is damaged"));
    EXPECT_TRUE(MessageMentions("session/WordsLearned.txt is damaged"));
    state.MaintainList(NO_WORD);
    ASSERT_TRUE(state.SaveAll());
    EXPECT_EQ(damaged, ReadFile("session/known.txt.bad"));
    EXPECT_EQ("seven", ReadFile("session/WordsLearned.txt.bad"));
    // Once: the next save leaves the copy alone.
    WriteFile("session/known.txt.bad", "kept");
    ASSERT_TRUE(state.SaveAll());
    EXPECT_EQ("kept", ReadFile("session/known.txt.bad"));
}

TEST_F(SessionTrustTest, FailedSave_KeepsEveryOldFile_RemovesTheTemporaries_AndSaysWhy) {
    WriteSession();
    CWordSelect select(env);
    int32_t listId = 0;
    CListRec entry;
    select.Init(listId, entry);
    select.GetNextWord(listId, entry);
    select.RecordJudgement(JUDGE_MISTAKEN);
    const auto before = SessionFilesNow();
    // Two files of the save are written before the third fails.
    files.failWritesContaining.push_back("mistaken.txt");
    EXPECT_FALSE(select.Save());
    auto after = SessionFilesNow();
    after["session/currWord.cfg"] = before.at("session/currWord.cfg");  // rewritten in place
    EXPECT_EQ(before, after);
    ASSERT_FALSE(env.messages.empty());
    EXPECT_EQ("Quibbix", env.messages.back().caption);
    EXPECT_TRUE(MessageMentions("session/mistaken.txt: Input/output error"));
}

// Replays a save's calls on a model of the disk that keeps only what was synced: file data at
// its write (the temporary files are synced before they close), names at a directory sync.
// A power cut after any call must leave the old session or the new one, whole.
TEST_F(SessionTrustTest, PowerCutAnywhereInASave_LeavesTheOldSessionOrTheNew) {
    WriteSession();
    const auto oldFiles = SessionFilesNow();
    CWordState state(env);
    state.Load(10, 0);
    CListRec entry;
    state.TakeWord(LIST_TOBEVIEWED, entry);
    state.ApplyJudgement(LIST_TOBEVIEWED, entry, JUDGE_NOTSURE);
    files.log.clear();
    ASSERT_TRUE(state.SaveAll());
    const auto newFiles = SessionFilesNow();
    ASSERT_NE(oldFiles, newFiles);

    std::map<std::string, bool> written;  // temporary files synced so far
    for (size_t cut = 0; cut <= files.log.size(); ++cut) {
        std::map<std::string, std::string> durable = oldFiles;
        std::vector<std::pair<std::string, std::string>> pendingRenames;
        bool dirSynced = false;
        for (size_t i = 0; i < cut; ++i) {
            const std::string& call = files.log[i];
            if (call.rfind("write ", 0) == 0) written[call.substr(6)] = true;
            if (call.rfind("rename ", 0) == 0) {
                const size_t space = call.find(' ', 7);
                const std::string from = call.substr(7, space - 7), to = call.substr(space + 1);
                EXPECT_TRUE(written[from]) << "renamed before its data was synced: " << from;
                pendingRenames.emplace_back(from, to);
            }
            if (call.rfind("syncdir ", 0) == 0) dirSynced = true;
        }
        if (dirSynced) durable = newFiles;
        EXPECT_TRUE(durable == oldFiles || durable == newFiles) << "cut after call " << cut;
        if (cut == files.log.size()) {
            EXPECT_TRUE(dirSynced) << "no directory sync after the renames";
            // The six lists, the words learned, and the words under review once there are any.
            EXPECT_EQ(SessionFiles::kListCount + 1 + newFiles.count("session/review.txt"),
                      pendingRenames.size());
        }
    }
}

TEST_F(SessionTrustTest, TimeTotal_ThatIsNoNumberOrNegative_ReadsAsZero_AndTheClockIsMonotonic) {
    for (const char* total : {"nan", "-94607995.0", "inf", "abc"}) {
        WriteFile(SessionFiles::kTime, total);
        fs::remove("session/Time.txt.bad");
        {
            CTimeWordRecord record(env);
            record.Load();
            EXPECT_EQ(0, record.GetTotalTime()) << total;
            record.Start();
            env.now += 5;
            EXPECT_EQ(5, record.GetTotalTime()) << total;
        }
        EXPECT_EQ("5.0", ReadFile(SessionFiles::kTime)) << total;
        EXPECT_EQ(total, ReadFile("session/Time.txt.bad"));
    }
}

TEST_F(SessionTrustTest, UnreadableTimeFile_IsNotOverwritten) {
    WriteFile(SessionFiles::kTime, "3725.0");
    files.unreadable.insert(SessionFiles::kTime);
    {
        CTimeWordRecord record(env);
        record.Load();
        record.Start();
        env.now += 10;
        record.Save();
    }
    EXPECT_EQ("3725.0", ReadFile(SessionFiles::kTime));
    EXPECT_TRUE(MessageMentions("session/Time.txt cannot be read"));
}

TEST_F(SessionTrustTest, BackgroundSave_AtMostOnceAMinute_AndOnlyAfterAnswers) {
    WriteSession();
    CWordSelect select(env);
    StudySession session(select, nullptr);
    session.Init();
    session.WaitForStart();
    session.Press(StudySession::ANSWER_YES);
    session.NextWord();
    files.log.clear();  // the current-word file's first writing
    auto savesSoFar = [&] {
        return std::count(files.log.begin(), files.log.end(), "syncdir session");
    };
    for (int tick = 0; tick < 2 * StudySession::kBackgroundSaveTicks; ++tick) {
        session.Tick();
        session.SaveInBackgroundIfDue(files);
    }
    EXPECT_EQ(0, savesSoFar()) << "no answer, nothing to save";
    session.Press(StudySession::ANSWER_YES);
    session.Press(StudySession::ANSWER_NO);
    session.NextWord();
    session.SaveInBackgroundIfDue(files);
    ASSERT_TRUE(session.Save());  // waits for the background save first
    EXPECT_EQ(2, savesSoFar());
    session.Press(StudySession::ANSWER_YES);
    session.Press(StudySession::ANSWER_YES);
    for (int tick = 0; tick < StudySession::kBackgroundSaveTicks - 1; ++tick) {
        session.Tick();
        session.SaveInBackgroundIfDue(files);
    }
    EXPECT_TRUE(session.Save());
    EXPECT_EQ(3, savesSoFar()) << "not before a minute has passed";
}

}  // namespace
