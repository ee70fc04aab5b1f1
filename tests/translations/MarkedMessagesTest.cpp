// SPDX-License-Identifier: GPL-2.0-or-later
// The messages the list store, the importers and the sync library put together for a window,
// under the stand-in translation: once the marked pieces and what came from the learner's
// files are taken out, no word may be left, or it is one the learner reads in English.

#include "engine/WordListFile.h"
#include "imports/EntryChecker.h"
#include "imports/RecordChecker.h"
#include "imports/TextEncoding.h"
#include "lists/ListImporter.h"
#include "lists/ListStore.h"
#include "lists/ListSync.h"
#include "tests/lists/ListTestFiles.h"
#include "tests/translations/MarkingTranslator.h"
#include "ui/chooser/ImportFlow.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Shown {
    std::string text;
    std::vector<std::string> fromFiles;  // the learner's, which no translation touches
};

// `text` without what lies between the marks, nested or not.
QString Unmarked(const QString& text) {
    QString left;
    int depth = 0;
    for (QChar c : text) {
        if (c == QChar(MarkingTranslator::kOpen))
            ++depth;
        else if (c == QChar(MarkingTranslator::kClose))
            depth = std::max(depth - 1, 0);
        else if (depth == 0)
            left += c;
    }
    return left;
}

ImportPlan PlanOfOverlongWord(const fs::path& dir) {
    WriteFile((dir / "words").string(),
              "short\tmeaning\n" + std::string(40, 'w') + "\tdefinition\n");
    return ListImporter::Read(dir / "words");
}

struct MessageCase {
    const char* name;
    std::function<std::vector<Shown>(const fs::path& dir)> make;
};

void PrintTo(const MessageCase& message, std::ostream* out) { *out << message.name; }

const std::vector<MessageCase>& Messages() {
    static const std::vector<MessageCase> messages = {
        {"ImportRefusal",
         [](const fs::path& dir) {
             std::vector<Shown> shown;
             for (const RefusedEntry& refused : PlanOfOverlongWord(dir).refused)
                 shown.push_back({ImportFlow::ForWindow(refused.reason).toStdString(), {}});
             return shown;
         }},
        {"EmptyWordAndNoDefinition",
         [](const fs::path& dir) {
             WriteFile((dir / "words").string(), "short\tmeaning\n\tnothing\nlonely\t \n");
             std::vector<Shown> shown;
             for (const RefusedEntry& refused : ListImporter::Read(dir / "words").refused)
                 shown.push_back({ImportFlow::ForWindow(refused.reason).toStdString(), {"lonely"}});
             EXPECT_EQ(shown.size(), 2u);
             return shown;
         }},
        {"FormatGuessed",
         [](const fs::path& dir) {
             std::vector<Shown> shown;
             for (const std::string& note : PlanOfOverlongWord(dir).notes)
                 shown.push_back({ImportFlow::ForWindow(note).toStdString(), {}});
             return shown;
         }},
        {"EncodingName",
         [](const fs::path&) {
             return std::vector<Shown>{{TextEncoding::Find("cp1251")->Label(), {"windows-1251"}}};
         }},
        {"ListName",
         [](const fs::path&) {
             return std::vector<Shown>{{ListStore::NameProblem(""), {}}};
         }},
        {"SyncArrivals",
         [](const fs::path&) {
             ListSync::Report report;
             report.answersArrived = 3;
             report.editsArrived = 1;
             return std::vector<Shown>{{report.Line(), {}}};
         }},
        {"SyncLibraryNotice",
         [](const fs::path& dir) {
             DataHome home;
             WriteWords(home.Home() / "list" / "kelvo.lst", {{"word1", "definition 1"}});
             fs::create_directories(home.Home() / "session");
             WriteFile((home.Home() / "device-id.txt").string(), "damaged");
             ListSync::Report report;
             std::string error;
             EXPECT_TRUE(ListSync::Join(home.Home(), home.Home(), dir / "sync", report, error))
                 << error;
             std::ifstream in(home.Home() / "device-id.txt");
             std::string device;
             std::getline(in, device);
             std::vector<Shown> shown;
             for (const std::string& note : report.notes)
                 shown.push_back(
                     {note, {(home.Home() / "device-id.txt").string(), "damaged", device}});
             return shown;
         }},
        {"RecordProblems",
         [](const fs::path&) {
             // A control character, an undefined byte, a line break, a blank definition and a
             // cut UTF-8 word: every problem the Words window can be told.
             std::vector<Shown> shown;
             const WordRecord records[] = {
                 {"a\x01z", "\x81"}, {"x\ny", "   "}, {"\xC3\xA9t\xC3", ""}, {"", "\xC3\xA9\x02"}};
             for (const WordRecord& record : records)
                 for (const std::string& problem :
                      RecordChecker::Problems(WordListFile::Serialize({record})))
                     shown.push_back({problem, {"0x01", "0x81", "0x0A", "U+0002"}});
             EXPECT_GE(shown.size(), 8u);
             return shown;
         }},
        {"WordsWindowEntry",
         [](const fs::path&) {
             // The command-line hint on cutting is left out in the learner's language too.
             WordRecord record;
             std::string problem;
             EXPECT_FALSE(EntryChecker().Word(std::string(40, 'w'), record, problem));
             EXPECT_EQ(problem.find("--truncate"), std::string::npos) << problem;
             return std::vector<Shown>{{problem, {std::string(40, 'w')}}};
         }},
    };
    return messages;
}

class MarkedMessagesTest : public ::testing::TestWithParam<MessageCase> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MarkingTranslator::InstallForTheProgram()); }
};

TEST_P(MarkedMessagesTest, NoWordOutsideTheTranslation) {
    TempDir dir(false);
    const std::vector<Shown> shown = GetParam().make(dir.path());
    ASSERT_FALSE(shown.empty()) << "no message to look at";
    static const QRegularExpression letter(QStringLiteral("\\p{L}"));
    for (const Shown& message : shown) {
        QString left = Unmarked(QString::fromStdString(message.text));
        for (const std::string& data : message.fromFiles) left.remove(QString::fromStdString(data));
        EXPECT_FALSE(left.contains(letter))
            << "\"" << message.text << "\" shows \"" << left.toStdString()
            << "\", which no translation reaches";
    }
}

// A sync message is built around paths and quoted lines of the learner's files: a piece of the
// sync library's that one of them happens to hold stays as the file has it.
class SyncPiecesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MarkingTranslator::InstallForTheProgram()); }
};

TEST_F(SyncPiecesTest, PathAndQuotedLineHoldingAPiece_StayAsTheyAre) {
    DataHome home;
    const fs::path list = home.Root() / "it has words";
    WriteWords(list / "list" / "kelvo.lst", {{"word1", "definition 1"}});
    fs::create_directories(list / "session");
    fs::create_directories(home.Home());
    ListSync::Report report;
    std::string error;
    ASSERT_TRUE(ListSync::Join(home.Home(), list, home.Root() / "sync no word id", report, error))
        << error;
    const std::string firstLine = "it has no word id, no date (YYYY-MM-DD)";
    WriteFile((list / "sync" / "journal.txt").string(), firstLine + "\n");

    EXPECT_FALSE(
        ListSync::Sync(home.Home(), list, ListFolder::Direction::kForwards, {}, -1, report, error));
    for (const std::string& kept : {(home.Root() / "sync no word id").string() + ": " +
                                        (list / "sync" / "journal.txt").string(),
                                    firstLine + "\")"})
        EXPECT_NE(error.find(kept), std::string::npos) << error;
    EXPECT_NE(error.find("⟦: not a Quibbix journal"), std::string::npos) << error;
}

std::string CaseName(const ::testing::TestParamInfo<MessageCase>& message) {
    return message.param.name;
}

INSTANTIATE_TEST_SUITE_P(Messages, MarkedMessagesTest, ::testing::ValuesIn(Messages()), CaseName);

// The command-line tools install no translation: scripts read what they print, in English
// whatever the learner's locale.
TEST(CommandLineMessages, StayEnglishUnderAnotherLocale) {
    TempDir dir(false);
    WriteFile((dir.path() / "words.tsv").string(),
              "word\tmeaning\n" + std::string(40, 'w') + "\tdefinition\n");
    const QByteArray binDir = qgetenv("QUIBBIX_BIN_DIR");
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        env.insert(QString::fromLatin1(variable), QStringLiteral("de_DE.UTF-8"));
    tool.setProcessEnvironment(env);
    tool.setWorkingDirectory(QString::fromStdString(dir.path().string()));
    tool.start((binDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                 : QString::fromLocal8Bit(binDir)) +
                   QStringLiteral("/quibbix-wordlist"),
               {QStringLiteral("import"), QStringLiteral("words.tsv"), QStringLiteral("-o"),
                QStringLiteral("out.lst")});
    ASSERT_TRUE(tool.waitForFinished(30000));
    EXPECT_EQ(tool.readAllStandardError().toStdString(),
              "words.tsv: note: read as tsv (guessed; --format chooses)\n"
              "words.tsv:1: warning: this row looks like column titles and was imported as an "
              "entry; use --header to skip it, --no-header to keep it\n"
              "words.tsv:2: word \"" +
                  std::string(40, 'w') +
                  "\" has 40 letters; a word holds at most 28 (30 in Windows-1252, 14 "
                  "Chinese, Japanese or Korean characters) (--truncate cuts it)\n"
                  "quibbix-wordlist: 1 entry refused; out.lst not written (--skip-bad writes the "
                  "others)\n");
}

}  // namespace
