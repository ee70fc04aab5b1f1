// SPDX-License-Identifier: GPL-2.0-or-later
// The Words window by keyboard alone: search, edit in place, undo, close.
#include "tests/lists/ListTestFiles.h"
#include "ui/words/WordsWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(WordsWindow, SearchEditUndoAndCloseByKeyboard) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    WriteWords(home.Home() / "list" / "kelvo.lst",
               {{"aller", "to go"}, {"venir", "to come"}, {"être", "to be"}});
    WordsWindow::Options options;
    options.settingsFile = QString::fromStdString((home.Root() / "words.ini").string());
    WordsWindow window(store, *store.Find("First list"), options);
    std::string error;
    ASSERT_TRUE(window.Load(error)) << error;
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(window.windowTitle(), QString("Words — First list[*]"));

    auto* search = window.findChild<QLineEdit*>("searchEdit");
    auto* table = window.findChild<QTableView*>("wordsTable");
    auto* status = window.findChild<QLabel*>("statusLabel");
    table->setFocus();
    QTest::keyClick(&window, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(QApplication::focusWidget(), search);
    QTest::keyClicks(search, "VÉN");
    EXPECT_EQ(status->text(), QString("1 of 3 words shown"));

    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, WordsModel::kDefinition));
    QTest::keyClick(table, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "to arrive");
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents();  // the editor commits on the next turn of the loop
    EXPECT_EQ(window.Model().Records()[1].definition, "to arrive");
    EXPECT_TRUE(window.isWindowModified());

    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window.Model().Records()[1].definition, "to come");

    // The arrows move between the cells, Tab on to the buttons, which are read by their text.
    table->setFocus();
    table->setCurrentIndex(table->model()->index(0, WordsModel::kWord));
    QTest::keyClick(table, Qt::Key_Right);
    EXPECT_EQ(table->currentIndex().column(), WordsModel::kDefinition);
    QTest::keyClick(table, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), table);
    auto* remove = window.findChild<QPushButton*>("deleteButton");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(remove)->text(QAccessible::Name),
              QString("Delete"));
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
