// SPDX-License-Identifier: GPL-2.0-or-later
// The launcher's command line and its windows on Qt's offscreen platform: the chooser over
// real list folders in a temporary data home, the refused entries and the question of a list
// that already exists, each answered as a user would.

#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "imports/TextEncoding.h"
#include "lists/ListSync.h"
#include "tests/support/TempDir.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/ImportFlow.h"
#include "ui/chooser/RefusedDialog.h"
#include "ui/help/HelpWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "launch/LaunchRequest.h"

namespace fs = std::filesystem;

namespace {

std::vector<WordRecord> Words(int count, const std::string& stem) {
    std::vector<WordRecord> records;
    for (int i = 0; i < count; ++i)
        records.push_back({stem + std::to_string(i), "the meaning of " + stem + std::to_string(i)});
    return records;
}

// A session with `known` words known, as the driver leaves it; `options` such as --reverse.
void Study(const fs::path& folder, int known, const std::string& options = "") {
    // "I Know" starts; then for each word, once to see the definition and once to say so.
    std::string script = "init\npress yes\n";
    for (int i = 0; i < known; ++i) script += "press yes\npress yes\n";
    script += "save\n";
    WriteFile((folder / "script.txt").string(), script);
    const std::string command = "cd '" + folder.string() +
                                "' && '" QUIBBIX_BUILT_BIN_DIR "/quibbix-drive' " + options +
                                " < script.txt > /dev/null";
    ASSERT_EQ(0, std::system(command.c_str()));
    fs::remove(folder / "script.txt");
}

// Runs `answer` on the next modal window to open, from inside its event loop.
void WhenModalOpens(std::function<void(QWidget*)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        answer(modal);
    });
    timer->start(10);
}

void Click(QWidget* window, const QString& objectName) {
    auto* button = window->findChild<QPushButton*>(objectName);
    ASSERT_TRUE(button) << objectName.toStdString();
    button->click();
}

class LaunchWindowsTest : public testing::Test {
protected:
    LaunchWindowsTest() : store(dir.path() / "data/quibbix", QUIBBIX_BUILT_LIST_DIR) {
        setenv("XDG_DATA_HOME", (dir.path() / "data").c_str(), 1);
        fs::create_directories(store.DataHome() / "list");
        fs::create_directories(store.DataHome() / "session");
        WriteFile((store.DataHome() / "list/kelvo.lst").string(),
                  WordListFile::Serialize(Words(30, "first")));
    }

    fs::path AddList(const std::string& name, int words) {
        std::string error;
        const auto folder = store.Create(name, error);
        EXPECT_TRUE(folder) << error;
        WriteFile((*folder / "list/kelvo.lst").string(),
                  WordListFile::Serialize(Words(words, name)));
        return *folder;
    }

    std::vector<std::string> Rows(QTreeWidget* view) {
        std::vector<std::string> rows;
        for (int i = 0; i < view->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = view->topLevelItem(i);
            QStringList cells;
            for (int c = 0; c < 3; ++c) cells << item->text(c);
            rows.push_back(cells.join(QLatin1Char('|')).toStdString());
        }
        return rows;
    }

    std::string Settings() const { return (dir.path() / "chooser.ini").string(); }

    TempDir dir{false};
    ListStore store;
};

TEST(LaunchRequestTest, Parse_TakesItsOwnOptions_AndHandsTheRestOn) {
    const char* argv[] = {"quibbix-launch", "--list", "French", "-style", "--help"};
    LaunchRequest request = LaunchRequest::Parse(5, argv);
    EXPECT_EQ("", request.error);
    EXPECT_EQ("French", request.listName);
    EXPECT_TRUE(request.help);
    EXPECT_EQ(std::vector<std::string>{"-style"}, request.passThrough);
    EXPECT_FALSE(request.reverse);
    const char* reverse[] = {"quibbix-launch", "--type", "--reverse", "-style"};
    request = LaunchRequest::Parse(4, reverse);
    EXPECT_TRUE(request.reverse);
    EXPECT_TRUE(request.type);
    EXPECT_EQ((std::vector<std::string>{"--reverse", "--type", "-style"}), request.Arguments());
    EXPECT_EQ((std::vector<std::string>{"--reverse", "--type", "-style"}),
              request.ProgramArguments(true, true));
    EXPECT_EQ(std::vector<std::string>{"-style"}, request.ProgramArguments(false, false));

    // A file whose name starts with a dash survives being handed to the window program.
    const char* file[] = {"quibbix-launch", "--", "-verbs.kvtml"};
    request = LaunchRequest::Parse(3, file);
    EXPECT_EQ("-verbs.kvtml", request.file);
    std::vector<std::string> again = request.Arguments();
    again.insert(again.begin(), "quibbix-chooser");
    std::vector<const char*> pointers;
    for (const std::string& arg : again) pointers.push_back(arg.c_str());
    EXPECT_EQ("-verbs.kvtml",
              LaunchRequest::Parse(static_cast<int>(pointers.size()), pointers.data()).file);

    const char* choose[] = {"quibbix-launch", "--choose", "--reverse"};
    request = LaunchRequest::Parse(3, choose);
    EXPECT_TRUE(request.choose);
    EXPECT_EQ((std::vector<std::string>{"--choose", "--reverse"}), request.Arguments());

    for (const std::vector<const char*>& bad : {std::vector<const char*>{"x", "--list"},
                                                {"x", "a.csv", "b.csv"},
                                                {"x", "--list", "A", "a.csv"},
                                                {"x", "--choose", "a.csv"}}) {
        EXPECT_NE("", LaunchRequest::Parse(static_cast<int>(bad.size()), bad.data()).error)
            << bad.back();
    }
}

TEST_F(LaunchWindowsTest, Chooser_ShowsEachListsFigures_AndEnterStudiesTheOneSelected) {
    Study(store.DataHome(), 2);
    const fs::path second = AddList("French verbs", 12);
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    ASSERT_TRUE(view);
    const std::vector<std::string> rows = Rows(view);
    ASSERT_EQ(2u, rows.size());
    EXPECT_EQ("30|2 of 30", rows[0].substr(rows[0].find('|') + 1));
    EXPECT_EQ("French verbs|12|0 of 12", rows[1]);
    EXPECT_EQ(QStringLiteral("never"), view->topLevelItem(1)->text(4));
    EXPECT_NE(QStringLiteral("never"), view->topLevelItem(0)->text(4));
    // The list studied last is selected, the keyboard is on the lists, and a screen reader
    // says each button by the text on it, and what it does after.
    EXPECT_EQ(view->topLevelItem(0), view->currentItem());
    EXPECT_EQ(view, chooser.focusWidget());
    for (QPushButton* button : chooser.findChildren<QPushButton*>()) {
        QAccessibleInterface* read = QAccessible::queryAccessibleInterface(button);
        EXPECT_EQ(QString(button->text()).remove(QLatin1Char('&')), read->text(QAccessible::Name));
        EXPECT_FALSE(read->text(QAccessible::Description).isEmpty())
            << button->objectName().toStdString();
    }
    EXPECT_FALSE(view->accessibleName().isEmpty());

    QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, chooser.result());
    EXPECT_FALSE(chooser.isVisible());
    EXPECT_EQ(fs::weakly_canonical(second), fs::weakly_canonical(chooser.ChosenFolder()));
    EXPECT_TRUE(fs::exists(second / "list/Yes.bmp")) << "the defaults, copied in to study it";
}

TEST_F(LaunchWindowsTest, Chooser_Backwards_ShowsEachWaysKnown_AndIsRememberedPerList) {
    Study(store.DataHome(), 2);
    Study(store.DataHome(), 1, "--reverse");
    AddList("French verbs", 12);
    {
        ChooserWindow chooser(store, QString::fromStdString(Settings()));
        chooser.show();
        auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
        auto* backwards = chooser.findChild<QCheckBox*>(QStringLiteral("backwardsCheckBox"));
        auto* typing = chooser.findChild<QCheckBox*>(QStringLiteral("typingCheckBox"));
        ASSERT_TRUE(view && backwards && typing);
        EXPECT_EQ(QStringLiteral("2 of 30"), view->topLevelItem(0)->text(2));
        EXPECT_EQ(QStringLiteral("1 of 30"), view->topLevelItem(0)->text(3));
        EXPECT_EQ(QStringLiteral("Backwards"),
                  QAccessible::queryAccessibleInterface(backwards)->text(QAccessible::Name));
        EXPECT_FALSE(backwards->isChecked());
        // Typing is remembered for each list and each way.
        QTest::mouseClick(typing, Qt::LeftButton);
        QTest::mouseClick(backwards, Qt::LeftButton);
        EXPECT_FALSE(typing->isChecked()) << "backwards, the answers are not typed yet";
        QTest::keyClick(view, Qt::Key_Down);
        EXPECT_FALSE(backwards->isChecked()) << "another list, studied the usual way";
        EXPECT_FALSE(typing->isChecked());
        QTest::keyClick(view, Qt::Key_Up);
        EXPECT_TRUE(backwards->isChecked());
        QTest::mouseClick(backwards, Qt::LeftButton);
        EXPECT_TRUE(typing->isChecked());
        QTest::mouseClick(backwards, Qt::LeftButton);
        QTest::keyClick(view, Qt::Key_Return);
        EXPECT_TRUE(chooser.ChosenBackwards());
        EXPECT_FALSE(chooser.ChosenTyping());
    }
    ChooserWindow again(store, QString::fromStdString(Settings()));
    auto* backwards = again.findChild<QCheckBox*>(QStringLiteral("backwardsCheckBox"));
    ASSERT_TRUE(backwards);
    EXPECT_TRUE(backwards->isChecked());
}

TEST_F(LaunchWindowsTest, Chooser_RenamesWithF2_RemovesToTheTrashOnlyAfterAsking) {
    const fs::path second = AddList("Verbs", 5);
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    QTest::keyClick(view, Qt::Key_End);

    WhenModalOpens([](QWidget* input) {
        input->findChild<QLineEdit*>()->setText(QStringLiteral("French verbs"));
        qobject_cast<QDialog*>(input)->accept();
    });
    QTest::keyClick(view, Qt::Key_F2);
    ASSERT_TRUE(store.Find("French verbs"));
    EXPECT_EQ(QStringLiteral("French verbs"), view->currentItem()->text(0));

    WhenModalOpens([](QWidget* box) { qobject_cast<QMessageBox*>(box)->reject(); });
    QTest::keyClick(view, Qt::Key_Delete);
    ASSERT_TRUE(store.Find("French verbs")) << "removed without the user's yes";

    WhenModalOpens([](QWidget* box) { Click(box, QStringLiteral("confirmRemoveButton")); });
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_FALSE(store.Find("French verbs"));
    EXPECT_EQ(1, view->topLevelItemCount());
    EXPECT_FALSE(fs::exists(second));
    EXPECT_FALSE(fs::is_empty(dir.path() / "data/Trash/files")) << "into the trash, not deleted";
}

// What reads like markup in a list's name is shown as typed, and the box's line breaks stay.
TEST_F(LaunchWindowsTest, Chooser_RemoveConfirmation_ShowsTheNameAsText) {
    AddList("French <b>animals</b>", 5);
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    QTest::keyClick(view, Qt::Key_End);
    QStringList shown;
    WhenModalOpens([&](QWidget* box) {
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            if (label->text().isEmpty()) continue;
            EXPECT_EQ(Qt::PlainText, label->textFormat()) << label->text().toStdString();
            shown << label->text();
        }
        qobject_cast<QMessageBox*>(box)->reject();
    });
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_TRUE(
        shown.contains(QStringLiteral("Move the list “French <b>animals</b>” to the trash?")))
        << shown.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(store.Find("French <b>animals</b>"));
}

TEST_F(LaunchWindowsTest, Chooser_ComesBackWhereTheUserLeftIt) {
    AddList("Verbs", 5);
    QRect left;
    {
        ChooserWindow chooser(store, QString::fromStdString(Settings()));
        chooser.show();
        chooser.setGeometry(140, 120, 700, 420);
        left = chooser.geometry();
        chooser.reject();
    }
    ChooserWindow again(store, QString::fromStdString(Settings()));
    again.show();
    EXPECT_EQ(left, again.geometry());
}

// A KVTML file with one entry that has no word.
fs::path WriteKvtml(const fs::path& folder, const std::string& title, int entries) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<kvtml version=\"2.0\"><information><title>" +
        title + "</title></information><entries>";
    for (int i = 0; i < entries; ++i)
        xml += "<entry id=\"" + std::to_string(i) + "\"><translation id=\"0\"><text>" +
               (i == 1 ? std::string() : "mot" + std::to_string(i)) +
               "</text></translation><translation id=\"1\"><text>word " + std::to_string(i) +
               "</text></translation></entry>";
    xml += "</entries></kvtml>\n";
    const fs::path file = folder / (title + ".kvtml");
    WriteFile(file.string(), xml);
    return file;
}

TEST_F(LaunchWindowsTest, Import_ShowsRefusedEntries_AndCancelCreatesNothing) {
    const fs::path file = WriteKvtml(dir.path(), "French verbs", 4);
    const std::vector<ListSummary> before = store.Lists();

    QStringList shown;
    WhenModalOpens([&](QWidget* dialog) {
        for (QTreeWidgetItem* item : dialog->findChild<QTreeWidget*>()->findItems(
                 QStringLiteral("*"), Qt::MatchWildcard, 1))
            shown << item->text(1);
        Click(dialog, QStringLiteral("cancelButton"));
    });
    EXPECT_FALSE(ImportFlow::Run(nullptr, store, file));
    EXPECT_EQ(1, shown.size()) << shown.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(before.size(), store.Lists().size());
    EXPECT_FALSE(fs::exists(store.DataHome() / "lists") &&
                 !fs::is_empty(store.DataHome() / "lists"))
        << "a folder was left behind";

    WhenModalOpens([](QWidget* dialog) { Click(dialog, QStringLiteral("skipButton")); });
    const auto added = ImportFlow::Run(nullptr, store, file);
    ASSERT_TRUE(added);
    EXPECT_EQ("French verbs", added->name);
    EXPECT_EQ(3, store.Find("French verbs")->words);
}

// A word too long even in the compact form is cut at its last whole letter, on request.
TEST_F(LaunchWindowsTest, RefusedEntries_CutToFit_AddsThemCut) {
    const fs::path file = dir.path() / "long.tsv";
    std::string tooLong;
    for (int i = 0; i < 35; ++i) tooLong += "ж";
    WriteFile(file.string(), "кот\tcat\n" + tooLong + "\tlong\n");
    WhenModalOpens([](QWidget* dialog) { Click(dialog, QStringLiteral("cutButton")); });
    const auto added = ImportFlow::Run(nullptr, store, file);
    ASSERT_TRUE(added);
    size_t trailing = 0;
    const std::vector<WordRecord> words =
        WordListFile::ParseAll(ReadFile((added->folder / "list/kelvo.lst").string()), trailing);
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(FieldText::ToUtf8(words[1].word), tooLong.substr(0, 29 * 2));
}

// A file's name and words may hold what a terminal or a label takes as commands.
TEST_F(LaunchWindowsTest, RefusedEntries_ShowTheFilesControlCharactersEscaped) {
    ImportPlan plan;
    plan.file = dir.path() / "verbs%3\x1b]0;owned\x07.tsv";
    plan.records = Words(2, "mot");
    plan.refused = {{2, "word \"ti\x1b[2Jtle\x07\": no definition"}};
    plan.notes = {"line 3: \x1b[31mred\x07"};
    RefusedDialog dialog(plan);
    QStringList shown;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) shown << label->text();
    const auto* view = dialog.findChild<QTreeWidget*>(QStringLiteral("refusedEntriesView"));
    ASSERT_EQ(1, view->topLevelItemCount());
    shown << view->topLevelItem(0)->text(1) << view->topLevelItem(0)->toolTip(1);
    const QString all = shown.join(QLatin1Char('\n'));
    EXPECT_FALSE(all.contains(QChar(0x1b)) || all.contains(QChar(0x07)));
    for (const char* escaped :
         {"verbs%3\\x1b]0;owned\\x07.tsv", "ti\\x1b[2Jtle\\x07", "\\x1b[31mred"})
        EXPECT_TRUE(all.contains(QLatin1String(escaped))) << escaped;
}

// What the importers and the store say for the terminal reaches a window in the learner's
// words: what to change in the file, not which option to give.
TEST(ImportFlowTest, ForWindow_SaysWhatToDoInTheFile_NotWhichOptionToGive) {
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"read as tsv",
         "Quibbix read this file as text with a tab between each word and its meaning."},
        {"line 1: this row looks like column titles and was imported as an entry; use --header "
         "to skip it, --no-header to keep it",
         "Line 1: this row looks like column titles and was imported as an entry; delete that "
         "row from the file if it holds no word."},
        {"line 3: byte 0x98 has no character in windows-1251; give the right encoding with "
         "--input-encoding",
         "Line 3: byte 0x98 has no character in windows-1251; choose another encoding."},
        {"not UTF-8; read as koi8-r (guessed, 30% sure; --input-encoding chooses)",
         "Not UTF-8; read as koi8-r (guessed, 30% sure)."},
        {"definition is 300 bytes in UTF-8, over the limit of 200 (--truncate cuts it)",
         "Definition is 300 bytes in UTF-8, over the limit of 200; shorten it in the file."},
        {"line 2: deactivated entry skipped (--include-deactivated keeps it)",
         "Line 2: deactivated entry skipped."},
        {"ambiguous matches; nothing changed (--force pairs them in file order)",
         "Ambiguous matches; nothing changed."},
        {"some new advice; try --other-option, or not", "Some new advice."},
        {"a list named \"x\x1b\" exists already", "A list named \"x\\x1b\" exists already."},
        // Any script starts with its capital; a full-width mark ends a sentence already.
        {"это электронная таблица; сохраните её", "Это электронная таблица; сохраните её."},
        {"这是电子表格。", "这是电子表格。"},
        {"\xe9t\xe9 is no UTF-8", "\\xe9t\\xe9 is no UTF-8."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImportFlow::ForWindow(c.message).toStdString(), c.shown) << c.message;
}

TEST_F(LaunchWindowsTest, Import_OverAListOfThatName_AsksToUpdateOrAddBeside) {
    const struct {
        const char* title;     // of the file, and the name it suggests
        const char* existing;  // the list already there, the same name in another case
        bool hasProgress;
    } cases[] = {{"Verbs", "Verbs", true}, {"Nouns", "NOUNS", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const fs::path file = WriteKvtml(dir.path(), c.title, 1);
        const fs::path existing = AddList(c.existing, 5);
        if (c.hasProgress) Study(existing, 1);

        QString asked;
        WhenModalOpens([&](QWidget* box) {
            asked = qobject_cast<QMessageBox*>(box)->text();
            Click(box, QStringLiteral("addNewButton"));
        });
        auto added = ImportFlow::Run(nullptr, store, file);
        ASSERT_TRUE(added);
        EXPECT_EQ(std::string(c.title) + " (2)", added->name);
        EXPECT_EQ(5, store.Find(c.existing)->words) << "the list there was changed";
        EXPECT_TRUE(asked.startsWith(QStringLiteral("You already have a list named")))
            << "added beside without asking";
        EXPECT_EQ(c.hasProgress, asked.contains(QStringLiteral("with progress")))
            << asked.toStdString();

        QString reported;
        WhenModalOpens([&](QWidget* box) {
            Click(box, QStringLiteral("updateButton"));
            WhenModalOpens([&](QWidget* report) {
                reported = qobject_cast<QMessageBox*>(report)->text();
                qobject_cast<QMessageBox*>(report)->accept();
            });
        });
        added = ImportFlow::Run(nullptr, store, file);
        ASSERT_TRUE(added);
        EXPECT_EQ(c.existing, added->name);
        EXPECT_EQ(1, store.Find(c.existing)->words);
        // The backups are named on the terminal; the window says what they mean.
        EXPECT_TRUE(reported.contains(QStringLiteral("now holds 1 word.")))
            << reported.toStdString();
        EXPECT_EQ(c.hasProgress, reported.contains(QStringLiteral("keep their progress")));
        EXPECT_FALSE(reported.contains(QStringLiteral("session"))) << reported.toStdString();
    }
    EXPECT_EQ(5u, store.Lists().size());

    // A file that cannot be read at all is told, and nothing is made.
    QString told;
    WhenModalOpens([&](QWidget* box) {
        told = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->accept();
    });
    EXPECT_FALSE(ImportFlow::Run(nullptr, store, dir.path() / "gone.csv"));
    EXPECT_TRUE(told.contains(QStringLiteral("gone.csv"))) << told.toStdString();
    EXPECT_EQ(5u, store.Lists().size());
}

// The words of the list in `folder`, in UTF-8.
std::vector<std::string> ListWords(const fs::path& folder) {
    size_t trailing = 0;
    std::vector<std::string> words;
    for (const WordRecord& record :
         WordListFile::ParseAll(ReadFile((folder / "list/kelvo.lst").string()), trailing))
        words.push_back(FieldText::ToUtf8(record.word));
    return words;
}

void Choose(QWidget* dialog, const char* encoding) {
    auto* box = dialog->findChild<QComboBox*>(QStringLiteral("encodingComboBox"));
    const int index = box->findText(QString::fromStdString(TextEncoding::Find(encoding)->Label()));
    ASSERT_GE(index, 0) << encoding;
    box->setCurrentIndex(index);
}

QString Preview(QWidget* dialog) {
    return dialog->findChild<QPlainTextEdit*>(QStringLiteral("previewTextBox"))->toPlainText();
}

// A list's name is shown as it is, placeholders and all.
TEST_F(LaunchWindowsTest, Import_UpdatesAListNamedWithPlaceholders_ReportsTheNameAsItIs) {
    const fs::path file = dir.path() / "a%2b%n.tsv";
    WriteFile(file.string(), "mot1\tword 1\nmot2\tword 2\n");
    AddList("a%2b%n", 5);
    QString reported;
    WhenModalOpens([&](QWidget* box) {
        Click(box, QStringLiteral("updateButton"));
        WhenModalOpens([&](QWidget* report) {
            reported = qobject_cast<QMessageBox*>(report)->text();
            qobject_cast<QMessageBox*>(report)->accept();
        });
    });
    ASSERT_TRUE(ImportFlow::Run(nullptr, store, file));
    EXPECT_EQ(QStringLiteral("“a%2b%n” now holds 2 words."), reported);
}

// Short Russian words saved on a Cyrillic Windows system read as well in KOI8-R, wrongly:
// the detector cannot be sure, and the user's choice decides the letters of the list.
TEST_F(LaunchWindowsTest, Import_UnsureEncoding_PreviewsTheChoice_AndReadsTheFileInIt) {
    // "кот,cat", "собака,dog", "мышь,mouse" in windows-1251.
    const fs::path file = dir.path() / "animals.csv";
    WriteFile(file.string(),
              "\xEA\xEE\xF2,cat\n\xF1\xEE\xE1\xE0\xEA\xE0,dog\n\xEC\xFB\xF8\xFC,mouse\n");

    QString asKoi8, asCp1251, retold;
    WhenModalOpens([&](QWidget* dialog) {
        Choose(dialog, "koi8-r");
        asKoi8 = Preview(dialog);
        Choose(dialog, "windows-1251");
        asCp1251 = Preview(dialog);
        // A choice the file does not read in is said, and asked again.
        Choose(dialog, "utf-8");
        WhenModalOpens([&](QWidget* again) {
            retold = again->findChild<QLabel*>(QStringLiteral("introLabel"))->text();
            Choose(again, "windows-1251");
            Click(again, QStringLiteral("addButton"));
        });
        Click(dialog, QStringLiteral("addButton"));
    });
    const auto added = ImportFlow::Run(nullptr, store, file);
    ASSERT_TRUE(added);
    EXPECT_EQ(QStringLiteral("кот,cat\nсобака,dog\nмышь,mouse"), asCp1251);
    EXPECT_FALSE(asKoi8.contains(QStringLiteral("кот"))) << asKoi8.toStdString();
    EXPECT_TRUE(retold.contains(QStringLiteral("does not read as")) &&
                retold.contains(QStringLiteral("Line 1: not valid UTF-8 (byte 0xEA)")))
        << retold.toStdString();
    EXPECT_EQ((std::vector<std::string>{"кот", "собака", "мышь"}), ListWords(added->folder));
}

// A first row of column titles is the user's to skip or keep, and Cancel makes no list.
TEST_F(LaunchWindowsTest, Import_HeaderRow_IsAskedAbout) {
    const struct {
        QMessageBox::StandardButton answer;
        std::vector<std::string> words;  // none: no list made
    } cases[] = {
        {QMessageBox::Yes, {"cat", "dog"}},
        {QMessageBox::No, {"word", "cat", "dog"}},
        {QMessageBox::Cancel, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        const fs::path file = dir.path() / ("pets " + std::to_string(c.answer) + ".csv");
        WriteFile(file.string(), "word,definition\ncat,a pet\ndog,a friend\n");
        const size_t before = store.Lists().size();
        QString asked;
        WhenModalOpens([&](QWidget* box) {
            asked = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->button(c.answer)->click();
        });
        const auto added = ImportFlow::Run(nullptr, store, file);
        EXPECT_EQ(QStringLiteral("The first row looks like column titles: skip it?"), asked);
        if (c.words.empty()) {
            EXPECT_FALSE(added);
            EXPECT_EQ(before, store.Lists().size());
        } else {
            ASSERT_TRUE(added);
            EXPECT_EQ(c.words, ListWords(added->folder));
        }
    }
}

// F1 in the chooser opens the same help as in the study window; Escape closes only the help.
TEST_F(LaunchWindowsTest, Chooser_F1_OpensTheHelp_AndEscapeClosesIt) {
    AddList("French verbs", 12);
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    chooser.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chooser));
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    QTest::keyClick(view, Qt::Key_F1);
    auto* help = chooser.findChild<HelpWindow*>();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(QStringLiteral("Quibbix Help"), help->windowTitle());
    EXPECT_TRUE(
        help->findChild<QTextBrowser*>()->toPlainText().contains(QStringLiteral("Adding a list")));
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    EXPECT_TRUE(chooser.isVisible());
}

// Answers the message box that opens next with its default button, keeping its text.
void WhenMessageOpens(QString& text) {
    WhenModalOpens([&text](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_TRUE(box);
        text = box->text();
        box->accept();
    });
}

TEST_F(LaunchWindowsTest, Chooser_Sync_JoinsThePickedFolder_ShowsIt_AndStopsWhenAsked) {
    const fs::path list = AddList("French verbs", 12);
    const fs::path folder = dir.path() / "Sync/quibbix-French";
    fs::create_directories(folder);
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    QTest::keyClick(view, Qt::Key_End);
    auto* sync = chooser.findChild<QPushButton*>(QStringLiteral("syncButton"));
    ASSERT_TRUE(sync);

    QString said;
    WhenModalOpens([&](QWidget* modal) {
        auto* picker = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(picker);
        WhenMessageOpens(said);
        picker->setDirectory(QString::fromStdString(folder.string()));
        static_cast<QDialog*>(picker)->accept();
    });
    sync->click();
    ASSERT_TRUE(ListSync::IsJoined(list)) << said.toStdString();
    EXPECT_TRUE(fs::equivalent(folder, ListSync::FolderOf(list)));
    EXPECT_TRUE(said.contains(QString::fromStdString(folder.string()))) << said.toStdString();
    EXPECT_EQ(QString::fromStdString(folder.string()), view->currentItem()->text(5));
    EXPECT_TRUE(fs::exists(folder / "quibbix-list.txt")) << "the list's base, for the others";

    WhenModalOpens([&](QWidget* box) {
        WhenMessageOpens(said);
        Click(box, QStringLiteral("syncNowButton"));
    });
    sync->click();
    EXPECT_EQ(QStringLiteral("Nothing new arrived from other computers."), said);

    WhenModalOpens([](QWidget* box) { Click(box, QStringLiteral("stopSyncingButton")); });
    sync->click();
    EXPECT_FALSE(ListSync::IsJoined(list));
    EXPECT_EQ(QString(), view->currentItem()->text(5));
    EXPECT_TRUE(fs::exists(folder / "quibbix-list.txt")) << "the folder stays as it is";
}

// The picker says what to pick, refuses a folder of other files before it closes, and makes a
// folder typed that is not there yet.
TEST_F(LaunchWindowsTest, Chooser_SyncPicker_RefusesOtherFiles_MakesATypedFolder) {
    const fs::path list = AddList("French verbs", 12);
    const fs::path shared = dir.path() / "Sync";
    fs::create_directories(shared);
    WriteFile((shared / "holiday.jpg").string(), "not a list");
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    QTest::keyClick(chooser.findChild<QTreeWidget*>(QStringLiteral("listsView")), Qt::Key_End);
    QString refused, joined;
    bool advised = false, stayedOpen = false;
    WhenModalOpens([&](QWidget* modal) {
        auto* picker = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(picker);
        advised = picker->findChild<QLabel*>(QStringLiteral("syncFolderAdvice")) != nullptr;
        const QString shots = qEnvironmentVariable("QUIBBIX_UI_SCREENSHOTS");
        if (!shots.isEmpty())
            picker->grab().save(QDir(shots).filePath(QStringLiteral("sync-picker.png")));
        WhenMessageOpens(refused);
        picker->setDirectory(QString::fromStdString(shared.string()));
        static_cast<QDialog*>(picker)->accept();
        stayedOpen = picker->isVisible();
        WhenMessageOpens(joined);
        picker->selectFile(QStringLiteral("quibbix-French"));
        static_cast<QDialog*>(picker)->accept();
    });
    chooser.findChild<QPushButton*>(QStringLiteral("syncButton"))->click();
    EXPECT_TRUE(advised);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(refused.contains(QStringLiteral("holiday.jpg"))) << refused.toStdString();
    ASSERT_TRUE(ListSync::IsJoined(list)) << joined.toStdString();
    EXPECT_TRUE(fs::equivalent(shared / "quibbix-French", ListSync::FolderOf(list)));
}

TEST_F(LaunchWindowsTest, Chooser_Sync_FolderFromAnotherComputer_AddsItsList_KeepsTheSelected) {
    // Another computer's data folder, whose list "Greek" went into the folder first.
    ListStore other(dir.path() / "other/quibbix", QUIBBIX_BUILT_LIST_DIR);
    std::string error;
    const std::optional<fs::path> greek = other.Create("Greek", error);
    ASSERT_TRUE(greek) << error;
    WriteFile((*greek / "list/kelvo.lst").string(), WordListFile::Serialize(Words(8, "greek")));
    const fs::path folder = dir.path() / "Sync/quibbix-Greek";
    fs::create_directories(folder);
    ListSync::Report report;
    ASSERT_TRUE(ListSync::Join(other.DataHome(), *greek, folder, report, error)) << error;

    const std::string firstWords = ReadFile((store.DataHome() / "list/kelvo.lst").string());
    ChooserWindow chooser(store, QString::fromStdString(Settings()));
    chooser.show();
    auto* view = chooser.findChild<QTreeWidget*>(QStringLiteral("listsView"));
    QString said;
    WhenModalOpens([&](QWidget* modal) {
        auto* picker = qobject_cast<QFileDialog*>(modal);
        ASSERT_TRUE(picker);
        WhenModalOpens([&](QWidget* box) {
            WhenMessageOpens(said);
            // Joining is what the learner came for: Enter does it.
            auto* question = qobject_cast<QMessageBox*>(box);
            ASSERT_TRUE(question && question->defaultButton());
            EXPECT_EQ(QStringLiteral("addSyncedListButton"),
                      question->defaultButton()->objectName());
            Click(box, QStringLiteral("addSyncedListButton"));
        });
        picker->setDirectory(QString::fromStdString(folder.string()));
        static_cast<QDialog*>(picker)->accept();
    });
    chooser.findChild<QPushButton*>(QStringLiteral("syncButton"))->click();

    const std::optional<ListSummary> added = store.Find("Greek");
    ASSERT_TRUE(added) << said.toStdString();
    EXPECT_TRUE(ListSync::IsJoined(added->folder));
    EXPECT_EQ(8, added->words);
    EXPECT_EQ(QStringLiteral("Greek"), view->currentItem()->text(0));
    EXPECT_TRUE(said.contains(QStringLiteral("came from the folder"))) << said.toStdString();
    EXPECT_FALSE(ListSync::IsJoined(store.DataHome())) << "the list selected is not replaced";
    EXPECT_EQ(firstWords, ReadFile((store.DataHome() / "list/kelvo.lst").string()));
}

}  // namespace
