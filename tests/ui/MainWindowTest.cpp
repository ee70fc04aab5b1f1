// SPDX-License-Identifier: GPL-2.0-or-later
// The main window through its real widgets: the start press, the two-press answer flow and
// its judgements, the forced and the asked-for break, the one-second tick, the exit question
// and the layout for the screen size.

#include "engine/WordState.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/ui/PixelTools.h"
#include "tests/ui/WindowFixture.h"
#include "ui/help/HelpWindow.h"

#include <QAccessible>
#include <QBuffer>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

using Dlg = CQuibbixDlg;

constexpr int kKnown = 5;  // beside the list ids, which the known list lacks

// The list holding `index`, or -1 when none does.
int ListHolding(const CWordState& state, uint32_t index) {
    const CWordList* lists[] = {&state.GetToBeViewed(), &state.GetUnsure(),   &state.GetMistaken(),
                                &state.GetNew(),        &state.GetLearning(), &state.GetKnown()};
    for (int id = 0; id <= kKnown; ++id)
        for (const CListRec& e : lists[id]->Entries())
            if (e.m_wordIndex == index) return id;
    return -1;
}

uint32_t CurrentIndex(Dlg& dlg) { return dlg.GetWordSelect().GetCurrent().m_wordIndex; }

// What a screen reader reads as the name of `w`.
QString ReadName(const QWidget& w) {
    return QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&w))->text(QAccessible::Name);
}

// What the answer buttons tell a screen reader besides their names.
std::string Told(const Dlg& dlg) {
    return dlg.GetDlgItem(Dlg::kYesId)->accessibleDescription().toStdString();
}

// Names a screen reader would read in `iface` and below it, one line each.
void CollectNames(QAccessibleInterface* iface, std::vector<std::string>& names) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child) continue;
        names.push_back(child->text(QAccessible::Name).toStdString());
        CollectNames(child, names);
    }
}

bool Enabled(const Dlg& dlg, int id) { return dlg.GetDlgItem(id)->isEnabled(); }
bool Visible(const Dlg& dlg, int id) { return dlg.GetDlgItem(id)->isVisible(); }

// The word on screen with its definition hidden, the way every new word appears.
void ExpectWordShown(Dlg& dlg) {
    EXPECT_FALSE(dlg.IsPaused());
    EXPECT_TRUE(dlg.IsBeforeReveal());
    EXPECT_EQ(dlg.GetWordBox().GetText(), "word" + std::to_string(CurrentIndex(dlg)));
    EXPECT_EQ(ReadName(dlg.GetWordBox()).toStdString(), dlg.GetWordBox().GetText());
    EXPECT_EQ(Told(dlg), dlg.GetWordBox().GetText());
    EXPECT_TRUE(dlg.GetWordBox().isVisible());
    EXPECT_FALSE(dlg.GetDefinitionBox().isVisible());
    EXPECT_EQ(dlg.GetDefinitionBox().GetText(), "");
    EXPECT_TRUE(Enabled(dlg, Dlg::kExitId));
    EXPECT_TRUE(Enabled(dlg, Dlg::kBreakId));
    for (int id : {Dlg::kYesId, Dlg::kUnsureId, Dlg::kNoId}) EXPECT_TRUE(Visible(dlg, id)) << id;
}

TEST(MainWindowTest, StartUp_WaitsForIKnow_ThenShowsTheFirstWord) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        EXPECT_TRUE(dlg.IsPaused());
        EXPECT_FALSE(dlg.IsBeforeReveal());
        EXPECT_EQ(dlg.GetWordBox().GetText(), "Press \"I Know\" to Start");
        EXPECT_TRUE(dlg.GetDefinitionBox().isVisible());
        EXPECT_EQ(dlg.GetDefinitionBox().GetText().substr(0, 33),
                  "Use \"Fonts and Colors\" button to ");
        EXPECT_TRUE(Visible(dlg, Dlg::kYesId));
        EXPECT_FALSE(Visible(dlg, Dlg::kUnsureId));
        EXPECT_FALSE(Visible(dlg, Dlg::kNoId));
        EXPECT_FALSE(Enabled(dlg, Dlg::kBreakId));
        EXPECT_TRUE(Enabled(dlg, Dlg::kExitId));
        EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kYesId)->accessibleName(), "I Know");
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kUnsureId)->accessibleName(), "Not Sure");
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kNoId)->accessibleName(), "Don't Know");
        for (int id : {Dlg::kStatisticsId, Dlg::kFontsId, Dlg::kBreakId, Dlg::kExitId})
            EXPECT_FALSE(dlg.GetDlgItem(id)->toolTip().isEmpty()) << id;
        for (int id : {Dlg::kYesId, Dlg::kUnsureId, Dlg::kNoId})
            EXPECT_TRUE(dlg.GetDlgItem(id)->toolTip().contains("Ctrl+Z or Backspace")) << id;

        Click(dlg, Dlg::kYesId);
        ExpectWordShown(dlg);
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 0);  // the start press records nothing
        EXPECT_TRUE(dlg.GetTimeRecord().IsRunning());
    });
}

TEST(MainWindowTest, Title_NamesTheListStudied) {
    MainWindowHarness h;
    EXPECT_EQ(h.dialog->windowTitle(), "Quibbix");
    const struct {
        const char* name;
        const char* title;
    } cases[] = {{"French verbs", "Quibbix — French verbs"},
                 {"bad \xff byte", "Quibbix — bad \\xff byte"},  // as a file may hold it
                 {"", "Quibbix"}};
    for (const auto& c : cases) {
        h.dialog->SetListName(c.name);
        EXPECT_EQ(h.dialog->windowTitle(), QString::fromUtf8(c.title)) << c.name;
    }
}

TEST(MainWindowTest, Backwards_ShowsTheDefinitionWrappedInTheWordBox_AndRevealsTheWord) {
    MainWindowHarness h;
    const std::string definition =
        "to go from one place to another on foot, by car or by any other means, and to arrive "
        "there in the end, whatever the weather on the way";
    std::string list;
    for (int i = 0; i < 5; ++i) list += MakeRecord("aller", definition);
    WriteFile("list/kelvo.lst", list);
    h.dialog->SetListName("French verbs");
    h.dialog->SetBackwards(true);
    EXPECT_EQ(h.dialog->windowTitle(), QString::fromUtf8("Quibbix — French verbs, backwards"));
    h.Run([&](Dlg& dlg) {
        EXPECT_EQ(dlg.GetWordBox().Caption(), "Definition");
        EXPECT_EQ(dlg.GetDefinitionBox().Caption(), "Word");
        Click(dlg, Dlg::kYesId);
        ASSERT_EQ(dlg.GetWordBox().GetText(), definition);
        EXPECT_FALSE(dlg.GetDefinitionBox().isVisible());
        // Wrapped on several lines, all of it in view: no tooltip holds a part cut off.
        const QImage image = Rendered(dlg.GetWordBox());
        const QRect ink =
            InkBounds(image, image.pixelColor(4, 4), dlg.GetWordBox().ClientRect().ToQRect());
        EXPECT_GT(ink.height(), 2 * QFontMetrics(dlg.GetWordBox().FontDrawn()).height());
        EXPECT_TRUE(dlg.GetWordBox().toolTip().isEmpty());

        Click(dlg, Dlg::kYesId);
        EXPECT_TRUE(dlg.GetDefinitionBox().isVisible());
        EXPECT_EQ(dlg.GetDefinitionBox().GetText(), "aller");
        EXPECT_EQ(dlg.GetWordBox().GetText(), definition);
        Click(dlg, Dlg::kYesId);
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 1);
        EXPECT_EQ(dlg.GetWordBox().GetText(), definition);
    });
}

// An '&' in a word or a definition is a letter there, not an access key that hides itself.
TEST(MainWindowTest, Ampersands_ShowInTheWordAndTheDefinition) {
    MainWindowHarness h;
    std::string list;
    for (int i = 0; i < 5; ++i) list += MakeRecord("R&D", "AT&T");
    WriteFile("list/kelvo.lst", list);
    // Prefix processing would draw "RD" and "ATT", no wider than those letters' advance.
    const auto expectWiderThan = [](const CWinText& box, const char* hidden) {
        const QImage image = Rendered(box);
        const int ink =
            InkBounds(image, image.pixelColor(4, 4), box.ClientRect().ToQRect()).width();
        const int withoutAmpersand = QFontMetrics(box.FontInForce()).horizontalAdvance(hidden);
        EXPECT_GT(ink, withoutAmpersand) << box.GetText();
    };
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        ASSERT_EQ(dlg.GetWordBox().GetText(), "R&D");
        expectWiderThan(dlg.GetWordBox(), "RD");
        Click(dlg, Dlg::kYesId);
        ASSERT_EQ(dlg.GetDefinitionBox().GetText(), "AT&T");
        expectWiderThan(dlg.GetDefinitionBox(), "ATT");
    });
}

TEST(MainWindowTest, EveryPairOfPresses_PlacesTheWordByItsJudgement) {
    // A first run draws from the to-be-viewed list, whose words go to one list per code.
    const struct {
        int first, second;
        int landsIn;
    } cases[] = {
        {Dlg::kYesId, Dlg::kYesId, kKnown},             // JUDGE_KNEW
        {Dlg::kYesId, Dlg::kUnsureId, LIST_MISTAKEN},   // JUDGE_MISTAKEN
        {Dlg::kYesId, Dlg::kNoId, LIST_MISTAKEN},       //
        {Dlg::kUnsureId, Dlg::kYesId, LIST_UNSURE},     // JUDGE_NOTSURE
        {Dlg::kUnsureId, Dlg::kUnsureId, LIST_UNSURE},  //
        {Dlg::kUnsureId, Dlg::kNoId, LIST_UNSURE},      //
        {Dlg::kNoId, Dlg::kYesId, LIST_NEW},            // JUDGE_DONTKNOW
        {Dlg::kNoId, Dlg::kUnsureId, LIST_NEW},         //
        {Dlg::kNoId, Dlg::kNoId, LIST_NEW},             //
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "presses " << c.first << ", " << c.second);
        MainWindowHarness h;
        h.Run([&](Dlg& dlg) {
            Click(dlg, Dlg::kYesId);
            const uint32_t word = CurrentIndex(dlg);

            Click(dlg, c.first);
            EXPECT_FALSE(dlg.IsBeforeReveal());
            EXPECT_TRUE(dlg.GetDefinitionBox().isVisible());
            EXPECT_EQ(dlg.GetDefinitionBox().GetText(), "definition " + std::to_string(word));
            EXPECT_EQ(ReadName(dlg.GetDefinitionBox()).toStdString(),
                      "definition " + std::to_string(word));
            EXPECT_EQ(Told(dlg), "definition " + std::to_string(word));
            EXPECT_EQ(dlg.GetWordBox().GetText(), "word" + std::to_string(word));
            EXPECT_FALSE(Enabled(dlg, Dlg::kExitId));
            EXPECT_FALSE(Enabled(dlg, Dlg::kBreakId));
            EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), -1);

            Click(dlg, c.second);
            EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), c.landsIn);
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 1);
            EXPECT_NE(CurrentIndex(dlg), word);
            ExpectWordShown(dlg);
        });
    }
}

TEST(MainWindowTest, CtrlZOrBackspace_TakesTheVerdictBack_AndShowsTheWordUnrevealed) {
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    } keys[] = {{Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Backspace, Qt::NoModifier}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        MainWindowHarness h;
        h.Run([&](Dlg& dlg) {
            dlg.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
            const auto undo = [&] { QTest::keyClick(&dlg, k.key, k.modifiers); };
            undo();  // nothing to take back before the start
            EXPECT_TRUE(dlg.IsPaused());
            Click(dlg, Dlg::kYesId);
            h.Judge(Dlg::kYesId, Dlg::kYesId);
            const uint32_t word = CurrentIndex(dlg);
            const int32_t viewed = dlg.GetWordSelect().GetViewedCount();
            Click(dlg, Dlg::kYesId);
            Click(dlg, Dlg::kNoId);
            ASSERT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), LIST_MISTAKEN);
            dlg.GetDlgItem(Dlg::kExitId)->setFocus();

            undo();
            EXPECT_EQ(CurrentIndex(dlg), word);
            EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), -1);
            EXPECT_EQ(dlg.GetWordSelect().GetViewedCount(), viewed);
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 1);
            ExpectWordShown(dlg);
            EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));
            undo();  // one level only: the first verdict stays
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 1);

            // Judged again it lands by the new verdict; after the next press nothing is
            // taken back.
            h.Judge(Dlg::kYesId, Dlg::kYesId);
            EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), kKnown);
            Click(dlg, Dlg::kNoId);
            undo();
            EXPECT_FALSE(dlg.IsBeforeReveal());
            EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), kKnown);
        });
    }
}

TEST(MainWindowTest, AnswerKeys_WorkOnlyWhileTheirButtonIsVisibleAndEnabled) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        // Before the start only "I Know" is there.
        QTest::keyClick(&dlg, Qt::Key_S);
        QTest::keyClick(&dlg, Qt::Key_D);
        EXPECT_TRUE(dlg.IsPaused());
        QTest::keyClick(&dlg, Qt::Key_K);
        ASSERT_FALSE(dlg.IsPaused());
        const uint32_t word = CurrentIndex(dlg);

        dlg.GetDlgItem(Dlg::kNoId)->setEnabled(false);
        QTest::keyClick(&dlg, Qt::Key_D);
        EXPECT_TRUE(dlg.IsBeforeReveal());
        dlg.GetDlgItem(Dlg::kNoId)->setEnabled(true);

        QTest::keyClick(&dlg, Qt::Key_S);  // first press "Not Sure"
        EXPECT_FALSE(dlg.IsBeforeReveal());
        QTest::keyClick(&dlg, Qt::Key_D);
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), LIST_UNSURE);
        ExpectWordShown(dlg);
    });
}

TEST(MainWindowTest, Enter_MeansIKnow_WhateverWasPressedOrClosedBefore) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        auto enter = [&](Qt::Key key = Qt::Key_Return) {
            QWidget* focused = dlg.focusWidget();
            QTest::keyClick(focused ? focused : &dlg, key);
        };
        enter(Qt::Key_Enter);  // the keypad's Enter starts as well
        ASSERT_FALSE(dlg.IsPaused());
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));

        // "Not Sure" clicked twice; then Enter on the next word reveals as "I Know", and
        // "I Know" again records the word known, not unsure.
        Click(dlg, Dlg::kUnsureId);
        Click(dlg, Dlg::kUnsureId);
        const uint32_t word = CurrentIndex(dlg);
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));
        enter();
        enter();
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), kKnown);

        // After Statistics and a break have closed, Enter answers instead of opening them.
        for (int id : {Dlg::kStatisticsId, Dlg::kBreakId}) {
            SCOPED_TRACE(id);
            ASSERT_NE(WithModal([&] { Click(dlg, id); }, [](QWidget* w) { Click(w, IDOK); }),
                      nullptr);
            EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));
            EXPECT_EQ(WithModal([&] { enter(); }, [](QWidget*) {}), nullptr);
            EXPECT_FALSE(dlg.IsBeforeReveal()) << "Enter revealed the definition";
            enter();
        }
        // Staying, when asked whether to leave, also brings the keyboard back.
        Click(dlg, Dlg::kExitId);
        ASSERT_EQ(h.platform.messageBoxes.ShownBoxes().size(), 1u);
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));
        // Nothing at all when "I Know" cannot be pressed.
        dlg.GetDlgItem(Dlg::kYesId)->setEnabled(false);
        enter();
        EXPECT_TRUE(dlg.IsBeforeReveal());
    });
}

// Space presses the focused button; it must show which one that is.
TEST(MainWindowTest, FocusedPictureButton_DrawsAFocusFrame) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QWidget* yes = dlg.GetDlgItem(Dlg::kYesId);
        yes->setFocus();
        ASSERT_TRUE(yes->hasFocus());
        const QImage focused = Rendered(*yes);
        dlg.GetDlgItem(Dlg::kExitId)->setFocus();
        EXPECT_NE(Rendered(*yes), focused);
    });
}

TEST(MainWindowTest, ForcedBreak_ComesWithThe150thJudgement_NotThe149th) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        for (int i = 1; i < Dlg::BREAK_AFTER_WORDS; ++i) {
            ASSERT_FALSE(h.Judge(Dlg::kNoId, Dlg::kNoId)) << "judgement " << i;
        }
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 149);

        Click(dlg, Dlg::kNoId);
        const uint32_t judged = CurrentIndex(dlg);
        QWidget* opened =
            WithModal([&] { Click(dlg, Dlg::kNoId); },
                      [&](QWidget* w) {
                          // Recorded, but the next word waits for the end of the break.
                          EXPECT_EQ(dlg.GetWordsSinceBreak(), 150);
                          EXPECT_TRUE(dlg.IsPaused());
                          EXPECT_FALSE(dlg.GetWordBox().isVisible());
                          EXPECT_EQ(dlg.GetWordBox().GetText(), "word" + std::to_string(judged));
                          EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
                          // The focus comes back before the next word: no stale text with it.
                          EXPECT_EQ(dlg.GetDlgItem(Dlg::kNoId)->accessibleDescription(), "");
                          Click(w, IDOK);
                      });
        EXPECT_EQ(opened, &dlg.GetBreakDlg());
        EXPECT_EQ(Told(dlg), dlg.GetWordBox().GetText());
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 0);
        EXPECT_TRUE(dlg.GetTimeRecord().IsRunning());
        ExpectWordShown(dlg);
    });
}

TEST(MainWindowTest, ForcedBreak_ComesAt780000Ms_NotAt779000) {
    for (const auto& pair : {std::pair{779000, false}, std::pair{780000, true}}) {
        // Named, not bound: a lambda may not capture a structured binding before C++20.
        const int ms = pair.first;
        const bool breaks = pair.second;
        SCOPED_TRACE(ms);
        MainWindowHarness h;
        h.Run([&](Dlg& dlg) {
            Click(dlg, Dlg::kYesId);
            Click(dlg, Dlg::kYesId);
            dlg.SetMsSinceBreak(ms);
            EXPECT_EQ(h.PressExpectingMaybeBreak(Dlg::kYesId), breaks);
            ExpectWordShown(dlg);
        });
    }
}

TEST(MainWindowTest, TakeABreak_ResetsTheCount_AndBringsBackTheSameWord) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        for (int i = 0; i < 3; ++i) h.Judge(Dlg::kYesId, Dlg::kYesId);
        ASSERT_EQ(dlg.GetWordsSinceBreak(), 3);
        const uint32_t word = CurrentIndex(dlg);
        dlg.SetMsSinceBreak(500000);

        QWidget* opened = WithModal([&] { Click(dlg, Dlg::kBreakId); },
                                    [&](QWidget* w) {
                                        EXPECT_TRUE(dlg.IsPaused());
                                        EXPECT_FALSE(dlg.GetWordBox().isVisible());
                                        EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
                                        Click(w, IDOK);
                                    });
        ASSERT_EQ(opened, &dlg.GetBreakDlg());
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 0);
        // Ended before a tick came: the study time is as it was.
        EXPECT_EQ(dlg.GetMsSinceBreak(), 500000);
        EXPECT_EQ(CurrentIndex(dlg), word);
        EXPECT_TRUE(dlg.GetTimeRecord().IsRunning());
        ExpectWordShown(dlg);
    });
}

TEST(MainWindowTest, BreakDialog_StaysInsideTheFrame_ClearOfItsStripsAndTheButtons) {
    for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1280, 1024}}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height);
        MainWindowHarness h(20, width, height);
        h.Run([&](Dlg& dlg) {
            Click(dlg, Dlg::kYesId);
            auto global = [&](int id) {
                QWidget* w = dlg.GetDlgItem(id);
                return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
            };
            WithModal(
                [&] { Click(dlg, Dlg::kBreakId); },
                [&](QWidget* w) {
                    const QRect shown = w->frameGeometry();
                    for (int id : {Dlg::kLeftStripId, Dlg::kTopStripId, Dlg::kRightStripId,
                                   Dlg::kBottomStripId, Dlg::kNoId, Dlg::kUnsureId, Dlg::kYesId}) {
                        EXPECT_FALSE(shown.intersects(global(id))) << "control " << id;
                    }
                    Click(w, IDOK);
                });
        });
    }
}

TEST(MainWindowTest, BreakEndedBeforeATick_LeavesTheTimeDue_SoTheNextJudgementBreaksAgain) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        dlg.SetMsSinceBreak(Dlg::BREAK_AFTER_MS);
        ASSERT_TRUE(h.PressExpectingMaybeBreak(Dlg::kBreakId));
        EXPECT_EQ(dlg.GetMsSinceBreak(), Dlg::BREAK_AFTER_MS);
        EXPECT_TRUE(h.Judge(Dlg::kYesId, Dlg::kYesId));

        // A tick during the break clears the time, as a real two minutes would.
        WithModal([&] { Click(dlg, Dlg::kBreakId); },
                  [&](QWidget* w) {
                      dlg.OnTick(Dlg::TICK_TIMER_ID);
                      EXPECT_EQ(dlg.GetMsSinceBreak(), 0);
                      Click(w, IDOK);
                  });
        EXPECT_EQ(dlg.GetMsSinceBreak(), 0);
        EXPECT_FALSE(h.Judge(Dlg::kYesId, Dlg::kYesId));
    });
}

TEST(MainWindowTest, Tick_CountsOnlyWhileStudying_AndStopsAt781000) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.SetMsSinceBreak(5000);
        dlg.OnTick(Dlg::TICK_TIMER_ID);
        EXPECT_EQ(dlg.GetMsSinceBreak(), 0);  // paused before the start press

        Click(dlg, Dlg::kYesId);
        dlg.OnTick(Dlg::TICK_TIMER_ID);
        EXPECT_EQ(dlg.GetMsSinceBreak(), 1000);
        dlg.OnTick(Dlg::TICK_TIMER_ID + 1);
        EXPECT_EQ(dlg.GetMsSinceBreak(), 1000);

        dlg.SetMsSinceBreak(779000);
        const int32_t expected[] = {780000, 781000, 781000, 781000};
        for (int32_t ms : expected) {
            dlg.OnTick(Dlg::TICK_TIMER_ID);
            EXPECT_EQ(dlg.GetMsSinceBreak(), ms);
        }
    });
}

const char* const kSessionFiles[] = {
    "session/Time.txt",     "session/currWord.cfg", "session/tobeviewed.txt",
    "session/unsure.txt",   "session/mistaken.txt", "session/new.txt",
    "session/learning.txt", "session/known.txt",    "session/WordsLearned.txt"};

TEST(MainWindowTest, ExitWithEscapeHeld_IsIgnored) {
    MainWindowHarness h;
    h.platform.keys.isEscapeDown = true;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kExitId);
        QTest::keyClick(&dlg, Qt::Key_Escape);
        EXPECT_TRUE(h.platform.messageBoxes.ShownBoxes().empty());
        EXPECT_FALSE(FileExists("session/Time.txt"));
        EXPECT_FALSE(FileExists("session/known.txt"));
        EXPECT_TRUE(dlg.isVisible());
    });
}

TEST(MainWindowTest, ExitAnsweredNo_HasSaved_AndRunsTheClockOnlyWhileStudying) {
    const struct {
        bool studying;
        bool byCloseRequest;
    } cases[] = {{false, false}, {true, false}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.studying ? "studying" : "before the start press")
                                        << (c.byCloseRequest ? ", close request" : ", Exit"));
        MainWindowHarness h;
        h.Run([&](Dlg& dlg) {
            if (c.studying) Click(dlg, Dlg::kYesId);
            h.env.now += 10;
            if (c.byCloseRequest) {
                dlg.close();
            } else {
                Click(dlg, Dlg::kExitId);
            }
            ASSERT_EQ(h.platform.messageBoxes.ShownBoxes().size(), 1u);
            const auto& box = h.platform.messageBoxes.ShownBoxes()[0];
            EXPECT_EQ(box.text, "Do you want to leave?");
            EXPECT_EQ(box.caption, "Confirmation");
            EXPECT_EQ(box.buttons, MessageBoxes::Buttons::YesNo);
            EXPECT_EQ(box.icon, MessageBoxes::Icon::Question);
            EXPECT_TRUE(box.hasOwner);
            for (const char* file : kSessionFiles) EXPECT_TRUE(FileExists(file)) << file;
            EXPECT_EQ(ReadFile("session/Time.txt"), c.studying ? "10.0" : "0.0");
            // The study time goes to today's line of the history; no study, no line.
            EXPECT_EQ(
                ReadFile("session/History.txt").find("\n2026-03-14\t10\t0\t") != std::string::npos,
                c.studying);
            EXPECT_EQ(dlg.GetTimeRecord().IsRunning(), c.studying);
            EXPECT_TRUE(dlg.isVisible());
        });
    }
}

TEST(MainWindowTest, ExitAnsweredYes_WritesTheSameTotalTwice) {
    MainWindowHarness h;
    h.platform.messageBoxes.Answer(IDYES);
    const int result = h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        h.env.now += 30;
        Click(dlg, Dlg::kExitId);
        EXPECT_FALSE(dlg.isVisible());
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ReadFile("session/Time.txt"), "30.0");
    // The clock stopped before the question: time passing now adds nothing.
    h.env.now += 50;
    std::filesystem::remove("session/Time.txt");
    h.dialog.reset();
    EXPECT_EQ(ReadFile("session/Time.txt"), "30.0");
}

TEST(MainWindowTest, ExitWithAFailingSave_SaysSo_AndOffersToTryAgain) {
    FaultyFileSystem files;  // outlives the window, which saves once more as it goes
    MainWindowHarness h;
    h.env.files = &files;
    h.platform.messageBoxes.Answer(IDYES);  // try again: it fails again
    h.platform.messageBoxes.Answer(IDNO);   // give up trying
    h.platform.messageBoxes.Answer(IDNO);   // and stay
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        Click(dlg, Dlg::kYesId);
        Click(dlg, Dlg::kYesId);
        files.failWritesContaining.push_back("known.txt");
        Click(dlg, Dlg::kExitId);
        const auto& boxes = h.platform.messageBoxes.ShownBoxes();
        ASSERT_EQ(boxes.size(), 3u);
        EXPECT_EQ(boxes[0].text, "Your progress could not be saved. Try again?");
        EXPECT_EQ(boxes[1].text, boxes[0].text);
        EXPECT_EQ(boxes[2].text, "Do you want to leave?");
        ASSERT_EQ(h.env.messages.size(), 2u);
        EXPECT_NE(h.env.messages[0].text.find("session/known.txt: Input/output error"),
                  std::string::npos);
        EXPECT_TRUE(dlg.isVisible());
    });
}

TEST(MainWindowTest, UnreadableProgress_OffersToQuit_OrStudiesOnWithoutOverwritingIt) {
    FaultyFileSystem files;
    files.unreadable.insert("session/known.txt");
    std::vector<uint32_t> toBeViewed;
    for (uint32_t i = 1; i <= 55; ++i) toBeViewed.push_back(i);
    for (int answer : {IDYES, IDNO}) {
        MainWindowHarness h;
        WriteSessionLists({{}, {}, {}, {}, toBeViewed, {56, 57, 58, 59, 60}});
        h.env.files = &files;
        h.dialog = std::make_unique<Dlg>(h.platform.services, h.env);  // on those files
        h.platform.messageBoxes.Answer(answer);
        h.platform.messageBoxes.Answer(IDNO);  // and stay, when asked to leave
        const int result = h.Run([&](Dlg& dlg) {
            if (answer == IDYES) {
                // Quitting ends the window without another press; a loaded machine may take a
                // moment to get there.
                EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg.isVisible(); }, 10000));
                return;
            }
            Click(dlg, Dlg::kExitId);
        });
        const auto& boxes = h.platform.messageBoxes.ShownBoxes();
        ASSERT_FALSE(boxes.empty());
        EXPECT_NE(boxes[0].text.find("Quit now to look into it?"), std::string::npos);
        if (answer == IDYES) {
            EXPECT_EQ(result, IDCANCEL);
        }
        EXPECT_EQ(ReadFile("session/known.txt"), ListFile({56, 57, 58, 59, 60}));
    }
}

// Every laid-out control, by id (the boxes under their placeholders' ids).
std::map<int, Rect> LaidOut(const Dlg& dlg) {
    std::map<int, Rect> rects;
    for (int id : {Dlg::kStatisticsId, Dlg::kFontsId, Dlg::kBreakId, Dlg::kExitId, Dlg::kNoId,
                   Dlg::kUnsureId, Dlg::kYesId, Dlg::kTopStripId, Dlg::kBottomStripId,
                   Dlg::kLeftStripId, Dlg::kRightStripId, Dlg::kMiddleStripId})
        rects[id] = Rect::FromQRect(dlg.GetDlgItem(id)->geometry());
    rects[Dlg::kWordPlaceholderId] = Rect::FromQRect(dlg.GetWordBox().geometry());
    rects[Dlg::kDefinitionPlaceholderId] = Rect::FromQRect(dlg.GetDefinitionBox().geometry());
    return rects;
}

TEST(MainWindowTest, Layout_FillsTheClientArea_AtEverySize_AndAgainOnEveryResize) {
    const QSize sizes[] = {{800, 600}, {801, 600},   {800, 601},
                           {900, 650}, {1280, 1024}, {1920, 1080}};
    MainWindowHarness h(20, 1024, 768);
    // A panel at the top and a dock at the bottom leave this much to the window.
    h.platform.screen.workArea = {0, 30, 1024, 720};
    h.Run([&](Dlg& dlg) {
        // Before any window manager acts, the client area covers the work area.
        EXPECT_EQ(Rect::FromQRect(dlg.geometry()), (Rect{0, 30, 1024, 720}));
        const Rect stats0 = dlg.MapDialogRect(459, 144, 57, 35);
        const Rect exit0 = dlg.MapDialogRect(459, 297, 57, 35);
        const Rect yes0 = dlg.MapDialogRect(368, 288, 56, 44);
        Rect word0 = dlg.MapDialogRect(37, 44, 299, 86);
        Rect def0 = dlg.MapDialogRect(37, 148, 299, 168);
        word0.Deflate(Dlg::BOX_INSET);
        def0.Deflate(Dlg::BOX_INSET);
        std::map<QSize, std::map<int, Rect>, bool (*)(const QSize&, const QSize&)> seen(
            [](const QSize& a, const QSize& b) {
                return std::pair(a.width(), a.height()) < std::pair(b.width(), b.height());
            });
        for (int round = 0; round < 2; ++round) {
            for (const QSize& size : sizes) {
                SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
                dlg.resize(size);
                ASSERT_EQ(dlg.size(), size);
                const std::map<int, Rect> rects = LaidOut(dlg);
                auto [it, first] = seen.emplace(size, rects);
                if (!first) {
                    EXPECT_TRUE(it->second == rects) << "a second pass moved something";
                    continue;
                }
                auto at = [&](int id) { return rects.at(id); };
                EXPECT_EQ(at(Dlg::kStatisticsId).right, size.width() - Dlg::LAYOUT_MARGIN);
                EXPECT_EQ(at(Dlg::kExitId).bottom, size.height() - Dlg::LAYOUT_MARGIN);
                const int dx = at(Dlg::kStatisticsId).left - stats0.left;
                const int dy = at(Dlg::kExitId).top - exit0.top;
                EXPECT_EQ(at(Dlg::kYesId).left - yes0.left, dx - 10);
                EXPECT_EQ(at(Dlg::kYesId).top - yes0.top, dy);
                const Rect word = at(Dlg::kWordPlaceholderId);
                const Rect def = at(Dlg::kDefinitionPlaceholderId);
                EXPECT_EQ(word.left, word0.left);
                EXPECT_EQ(word.Width(), word0.Width() + dx - 20);
                EXPECT_EQ(word.Height(), word0.Height());  // the word box keeps its height
                EXPECT_EQ(def.Width(), def0.Width() + dx - 20);
                EXPECT_EQ(def.Height(), def0.Height() + dy);
                for (const auto& [id, r] : rects) {
                    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= size.width() &&
                                r.bottom <= size.height() && r.Width() > 0 && r.Height() > 0)
                        << "control " << id << " at " << r.left << "," << r.top << " " << r.right
                        << "," << r.bottom;
                }
                // The answers stay clear of the frame around the boxes.
                EXPECT_GE(at(Dlg::kNoId).left, at(Dlg::kRightStripId).right);
            }
        }
        // The smallest size still leaves the boxes half their template size.
        dlg.resize(100, 100);
        const std::map<int, Rect> rects = LaidOut(dlg);
        EXPECT_GE(rects.at(Dlg::kWordPlaceholderId).Width(), word0.Width() / 2);
        EXPECT_GE(rects.at(Dlg::kDefinitionPlaceholderId).Height(), def0.Height() / 2);
        EXPECT_LT(dlg.minimumWidth(), 800);
        EXPECT_LT(dlg.minimumHeight(), 600);
    });
}

TEST(MainWindowTest, StudyLine_ShowsTheCountsAndTheVerdictHint_AndHidesWhenCrowded) {
    MainWindowHarness h(60, 1024, 768);
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        const CStudyLine& line = dlg.GetStudyLine();
        const auto text = [&] { return line.text().toStdString(); };
        EXPECT_EQ(line.accessibleDescription(), "Study progress");
        EXPECT_EQ(text(), "This session: 0 \"I Know\", 0 others\n60 to view, break in 13 min");
        Click(dlg, Dlg::kYesId);
        const QRect placed = line.geometry();
        h.Judge(Dlg::kYesId, Dlg::kYesId);
        h.Judge(Dlg::kNoId, Dlg::kYesId);
        EXPECT_EQ(text(), "This session: 1 \"I Know\", 1 other\n57 to view, break in 13 min");
        EXPECT_EQ(ReadName(line), line.text());
        for (int first : {Dlg::kYesId, Dlg::kUnsureId, Dlg::kNoId}) {
            Click(dlg, first);
            EXPECT_NE(text().find(first == Dlg::kYesId ? "Now your verdict" : "any answer goes on"),
                      std::string::npos)
                << text();
            Click(dlg, Dlg::kUnsureId);
        }
        EXPECT_EQ(text().substr(0, 34), "This session: 1 \"I Know\", 4 others");
        QTest::keyClick(&dlg, Qt::Key_Backspace);
        EXPECT_EQ(text().substr(0, 34), "This session: 1 \"I Know\", 3 others");
        EXPECT_EQ(line.geometry(), placed) << "an answer moved the line";

        // Clear of every control wherever it shows; gone where it would crowd them.
        ASSERT_TRUE(line.isVisible());
        for (const QSize& size : {QSize(800, 600), QSize(1920, 1080), dlg.minimumSize()}) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
            dlg.resize(size);
            if (size == dlg.minimumSize()) {
                EXPECT_FALSE(line.isVisible());
                continue;
            }
            ASSERT_TRUE(line.isVisible());
            EXPECT_TRUE(dlg.rect().contains(line.geometry()));
            for (const auto& [id, r] : LaidOut(dlg))
                EXPECT_FALSE(line.geometry().intersects(r.ToQRect())) << "control " << id;
        }
        dlg.resize(1024, 768);
        EXPECT_TRUE(line.isVisible());
    });
}

// The line tells a small list's learner when every word has been seen, then when every word
// is known, and takes the second back when a word is not known again.
TEST(MainWindowTest, StudyLine_SaysWhenEveryWordIsSeen_AndWhenEveryWordIsKnown) {
    MainWindowHarness h(5);
    h.Run([&](Dlg& dlg) {
        // The second line up to the time of the break.
        const auto round = [&] {
            const std::string text = dlg.GetStudyLine().text().toStdString();
            const size_t start = text.find('\n') + 1;
            return text.substr(start, text.find(", break") - start);
        };
        Click(dlg, Dlg::kYesId);
        std::set<uint32_t> shown = {CurrentIndex(dlg)};
        while (shown.size() < 5) {
            EXPECT_EQ(round().find("All"), std::string::npos) << shown.size() << " seen";
            h.Judge(Dlg::kYesId, Dlg::kYesId);
            shown.insert(CurrentIndex(dlg));
        }
        EXPECT_EQ(round(), "All 5 words seen once") << "the last new word is on screen";
        h.Judge(Dlg::kYesId, Dlg::kYesId);
        EXPECT_EQ(round(), "All 5 words known");
        h.Judge(Dlg::kNoId, Dlg::kNoId);
        EXPECT_EQ(round(), "All 5 words seen once");
        dlg.OnUndo();
        EXPECT_EQ(round(), "All 5 words known") << "the verdict taken back";
    });
}

// A learner who cannot see hears each press's outcome on the answer button keeping the
// focus, reads the word and the study line by their texts, and meets no placeholder.
TEST(MainWindowTest, ScreenReader_HearsEachOutcomeOnTheAnswers_AndNoPlaceholders) {
    MainWindowHarness h(60, 1024, 768);
    h.Run([&](Dlg& dlg) {
        EXPECT_EQ(Told(dlg), "Press \"I Know\" to Start");
        Click(dlg, Dlg::kYesId);
        const std::string word = dlg.GetWordBox().GetText();
        EXPECT_EQ(Told(dlg), word);
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kNoId)->accessibleDescription().toStdString(), word);
        EXPECT_EQ(dlg.GetDlgItem(Dlg::kYesId)->accessibleName(), "I Know");
        Click(dlg, Dlg::kNoId);
        EXPECT_EQ(Told(dlg), dlg.GetDefinitionBox().GetText());
        Click(dlg, Dlg::kNoId);
        EXPECT_NE(dlg.GetWordBox().GetText(), word);
        EXPECT_EQ(Told(dlg), dlg.GetWordBox().GetText());
        dlg.OnUndo();
        EXPECT_EQ(Told(dlg), word);

        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&dlg);
        ASSERT_NE(window, nullptr);
        std::vector<std::string> names;
        CollectNames(window, names);
        EXPECT_NE(std::find(names.begin(), names.end(), word), names.end());
        EXPECT_NE(std::find(names.begin(), names.end(), dlg.GetStudyLine().text().toStdString()),
                  names.end());
        for (const std::string& name : names) {
            EXPECT_EQ(name.find("Static"), std::string::npos) << name;
            EXPECT_FALSE(name.empty()) << "an object without a name";
        }
    });
}

std::string SecondLine(const CStudyLine::Progress& p) {
    const std::string text = CStudyLine::ProgressText(p);
    return text.substr(text.find('\n') + 1);
}

TEST(MainWindowTest, StudyLine_CountsDownToTheBreakThatComesFirst) {
    CStudyLine::Progress p;
    p.toBeViewed = 7;
    p.msSinceBreak = 721000;
    EXPECT_EQ(CStudyLine::ProgressText(p),
              "This session: 0 \"I Know\", 0 others\n7 to view, break in 59 s");
    p.msSinceBreak = 60000;
    p.wordsSinceBreak = 120;  // half a second a word: the words run out first
    EXPECT_EQ(SecondLine(p), "7 to view, break in 30 words");
    p.wordsSinceBreak = 149;
    EXPECT_EQ(SecondLine(p), "7 to view, break in 1 word");
}

// Alt and a letter press each command button, whose text keeps its words with the letter
// underlined; each dialog it opens, and its group boxes, have names a screen reader can say.
// The answer key S stays "Not Sure".
TEST(MainWindowTest, AltKeys_PressTheCommandButtons_WhoseDialogsHaveAccessibleNames) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);  // "Take A Break" waits for the start
        const struct {
            Qt::Key key;
            int id;
            const char* text;
            const char* opens;  // the accessible name of the dialog, or null for the question
        } keys[] = {{Qt::Key_S, Dlg::kStatisticsId, "Show Statistics", "Statistics"},
                    {Qt::Key_F, Dlg::kFontsId, "Fonts and Colors", "Configuration"},
                    {Qt::Key_B, Dlg::kBreakId, "Take A Break", "On Break"},
                    {Qt::Key_X, Dlg::kExitId, "Exit", nullptr}};
        for (const auto& k : keys) {
            SCOPED_TRACE(k.text);
            EXPECT_EQ(static_cast<QPushButton*>(dlg.GetDlgItem(k.id))->text().remove('&'), k.text);
            dlg.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
            QString name;
            bool opened = false;
            WithModal(
                [&] {
                    QTest::keyClick(&dlg, k.key, Qt::AltModifier);
                    // The button clicks itself a moment later, as a pressed button does.
                    EXPECT_TRUE(QTest::qWaitFor(
                        [&] { return opened || !h.platform.messageBoxes.ShownBoxes().empty(); },
                        1000));
                },
                [&](QWidget* w) {
                    opened = true;
                    name = w->accessibleName();
                    for (const QGroupBox* group : w->findChildren<QGroupBox*>())
                        EXPECT_FALSE(group->accessibleName().isEmpty())
                            << group->title().toStdString();
                    // Every object a screen reader finds there is read by a name of its own.
                    std::vector<std::string> names;
                    CollectNames(QAccessible::queryAccessibleInterface(w), names);
                    for (const std::string& read : names) {
                        EXPECT_FALSE(read.empty()) << "an object without a name";
                        EXPECT_EQ(read.find("Static"), std::string::npos) << read;
                    }
                    Click(w, IDOK);
                });
            if (k.opens) {
                EXPECT_EQ(name, k.opens);
            } else {
                EXPECT_EQ(h.platform.messageBoxes.ShownBoxes().size(), 1u);
            }
        }
        ASSERT_TRUE(dlg.IsBeforeReveal());
        QTest::keyClick(&dlg, Qt::Key_S);
        EXPECT_FALSE(dlg.IsBeforeReveal());
    });
}

TEST(MainWindowTest, Tab_ReachesEveryCommandButton) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        Click(dlg, Dlg::kYesId);
        std::set<QWidget*> reached;
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(dlg.focusWidget(), Qt::Key_Tab);
            reached.insert(dlg.focusWidget());
        }
        for (int id : {Dlg::kStatisticsId, Dlg::kFontsId, Dlg::kBreakId, Dlg::kExitId})
            EXPECT_TRUE(reached.count(dlg.GetDlgItem(id))) << id;
    });
}

// F1 opens the help from the program's own resources; Escape closes it, and F1 brings the same
// window back.
TEST(MainWindowTest, F1_OpensTheHelp_AndEscapeClosesIt) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(&dlg, Qt::Key_F1);
        auto* help = dlg.findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(help->windowTitle(), "Quibbix Help");
        const QString page = help->findChild<QTextBrowser*>()->toPlainText();
        for (const char* topic : {"Studying", "Keys", "Breaks", "Where your progress is kept",
                                  "Adding a list", "Alt+S"})
            EXPECT_TRUE(page.contains(topic)) << topic;
        EXPECT_TRUE(QTest::qWaitForWindowActive(help));
        QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_Escape);
        EXPECT_FALSE(help->isVisible());
        EXPECT_TRUE(dlg.isVisible());
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        QTest::keyClick(&dlg, Qt::Key_F1);
        EXPECT_TRUE(help->isVisible());
        EXPECT_EQ(dlg.findChildren<HelpWindow*>().size(), 1);
    });
}

}  // namespace

namespace {

// Types `text` into whatever has the keyboard and presses Enter there.
void TypeAndEnter(Dlg& dlg, const QString& text) {
    QWidget* focused = dlg.focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClicks(focused, text);
    QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
}

TEST(MainWindowTest, TypeTheAnswer_SuggestsAVerdict_WhichOnePressGivesOrChanges) {
    MainWindowHarness h;
    std::string list;
    for (int i = 0; i < 40; ++i) list += MakeRecord("house", "maison");
    WriteFile("list/kelvo.lst", list);
    h.dialog->SetTypingAnswers(true);
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        auto* entry = dlg.findChild<QLineEdit*>(QStringLiteral("answerEntry"));
        ASSERT_NE(entry, nullptr);
        EXPECT_FALSE(entry->isEnabled());
        QTest::keyClick(&dlg, Qt::Key_K);  // the start press
        ASSERT_EQ(dlg.focusWidget(), entry);

        // K, S and D type here; Enter reveals and puts the keyboard on the suggestion.
        uint32_t word = CurrentIndex(dlg);
        TypeAndEnter(dlg, QStringLiteral("mKisn"));
        EXPECT_TRUE(dlg.IsBeforeReveal());
        EXPECT_TRUE(dlg.GetDefinitionBox().isVisible());
        EXPECT_EQ(dlg.GetDefinitionBox().GetText(), "maison");
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kNoId));
        EXPECT_NE(Told(dlg).find("Not the answer"), std::string::npos) << Told(dlg);
        QTest::keyClick(dlg.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), LIST_NEW);
        EXPECT_EQ(dlg.GetWordsSinceBreak(), 1);
        ASSERT_EQ(dlg.focusWidget(), entry);
        EXPECT_TRUE(entry->text().isEmpty());

        // One letter off suggests "Not Sure"; K says "I Know" all the same.
        word = CurrentIndex(dlg);
        TypeAndEnter(dlg, QStringLiteral("Maisn"));
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kUnsureId));
        EXPECT_NE(Told(dlg).find("Missing: o"), std::string::npos) << Told(dlg);
        QTest::keyClick(dlg.focusWidget(), Qt::Key_K);
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), kKnown);

        // Right suggests "I Know"; S gives "Not Sure" instead.
        word = CurrentIndex(dlg);
        TypeAndEnter(dlg, QStringLiteral(" MAISON "));
        EXPECT_EQ(dlg.focusWidget(), dlg.GetDlgItem(Dlg::kYesId));
        QTest::keyClick(dlg.focusWidget(), Qt::Key_S);
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), LIST_UNSURE);

        // Backspace on an empty line takes the last verdict back.
        QTest::keyClick(entry, Qt::Key_Backspace);
        EXPECT_EQ(CurrentIndex(dlg), word);
        EXPECT_EQ(ListHolding(dlg.GetWordSelect().GetWordState(), word), -1);
        EXPECT_FALSE(dlg.GetDefinitionBox().isVisible());
        EXPECT_EQ(dlg.focusWidget(), entry);
    });
}

}  // namespace

namespace {

QImage Filled(QColor color) {
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

std::string Stored(MediaStore& store, const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    std::string note;
    return *store.AddBytes(bytes.toStdString(), "png", "picture", note);
}

QColor CentreOfPicture(const CWinText& box) {
    const QImage shown = const_cast<CWinText&>(box).grab().toImage();
    return shown.pixelColor(box.PictureRect().center());
}

TEST(MainWindowTest, CardPictures_ShowWithTheWord_AndWithTheRevealedDefinition) {
    MainWindowHarness h;
    std::string list;
    for (int i = 0; i < 40; ++i) list += MakeRecord("cat", "chat");
    WriteFile("list/kelvo.lst", list);
    MediaStore store(".");
    MediaIndex index;
    index.Set({"cat", "chat"},
              {Stored(store, Filled(Qt::red)), "", Stored(store, Filled(Qt::blue)), ""});
    WriteFile(MediaIndex::kFile, index.Serialize());
    h.Run([&](Dlg& dlg) {
        EXPECT_FALSE(dlg.GetWordBox().HasPicture()) << "nothing before the start press";
        Click(dlg, Dlg::kYesId);
        ASSERT_EQ(dlg.GetWordBox().GetText(), "cat");
        ASSERT_TRUE(dlg.GetWordBox().HasPicture());
        EXPECT_EQ(CentreOfPicture(dlg.GetWordBox()), QColor(Qt::red));
        EXPECT_FALSE(dlg.GetDefinitionBox().HasPicture());
        Click(dlg, Dlg::kYesId);
        ASSERT_TRUE(dlg.GetDefinitionBox().HasPicture());
        EXPECT_EQ(CentreOfPicture(dlg.GetDefinitionBox()), QColor(Qt::blue));
        // Within its share of the box, beside the text.
        EXPECT_LE(dlg.GetDefinitionBox().PictureRect().width(),
                  dlg.GetDefinitionBox().width() * CWinText::kPictureShare);
        Click(dlg, Dlg::kYesId);
        EXPECT_FALSE(dlg.GetDefinitionBox().HasPicture());
    });
}

}  // namespace

namespace {

// Seconds of study pass: the wall clock of the usage clock and one tick each.
void Pass(MainWindowHarness& h, Dlg& dlg, int seconds) {
    for (int i = 0; i < seconds; ++i) {
        ++h.env.now;
        dlg.OnTick(Dlg::TICK_TIMER_ID);
    }
}

TEST(MainWindowTest, AwayFromTheKeyboard_BothClocksStopAtTheLastInput_AndInputGoesOn) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        dlg.SetAwaySeconds(5);
        Click(dlg, Dlg::kYesId);
        dlg.GetAwayWatch().NoteInput();
        Pass(h, dlg, 3);
        dlg.GetAwayWatch().NoteInput();
        Pass(h, dlg, 4);
        EXPECT_FALSE(dlg.IsAway());
        // Not yet confirmed, the last seconds are not saved.
        dlg.GetTimeRecord().Save();
        EXPECT_EQ(ReadFile("session/Time.txt"), "3.0");
        Pass(h, dlg, 1);
        ASSERT_TRUE(dlg.IsAway());
        EXPECT_EQ(dlg.GetMsSinceBreak(), 3000);
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 3);
        EXPECT_NE(dlg.GetStudyLine().text().indexOf("Paused while you were away"), -1)
            << dlg.GetStudyLine().text().toStdString();
        // A long time away adds nothing, to either clock.
        Pass(h, dlg, 900);
        EXPECT_EQ(dlg.GetMsSinceBreak(), 3000);
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 3);
        dlg.GetAwayWatch().NoteInput();
        EXPECT_FALSE(dlg.IsAway());
        Pass(h, dlg, 2);
        dlg.GetAwayWatch().NoteInput();
        EXPECT_EQ(dlg.GetMsSinceBreak(), 5000);
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 5);

        // A locked session is away at once.
        dlg.GetAwayWatch().SetDesktopIdle(true);
        Pass(h, dlg, 1);
        EXPECT_TRUE(dlg.IsAway());
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 5);
        // Whoever types has unlocked it: the window does not wait for the desktop's word.
        dlg.GetAwayWatch().NoteInput();
        Pass(h, dlg, 1);
        EXPECT_FALSE(dlg.IsAway());

        // Zero turns the pause off: time with no input counts as it always did.
        dlg.SetAwaySeconds(0);
        Pass(h, dlg, 600);
        EXPECT_FALSE(dlg.IsAway());
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 606);
    });
}

std::string BreakFile(int64_t startedAgo, int words) {
    const int64_t now = std::chrono::duration_cast<std::chrono::seconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
    std::string text = "quibbix-break 1\nstudy-ms\t600000\nwords\t" + std::to_string(words) + "\n";
    if (startedAgo >= 0)
        text += "break-started\t" + std::to_string(now - startedAgo) + "\nbreak-left-ms\t120000\n";
    return text;
}

TEST(MainWindowTest, ABreakSurvivesARestart_AndTheCountTowardTheNextGoesOn) {
    {
        // Killed a minute into its break: the window opens on the rest of it, then waits
        // for the start press.
        MainWindowHarness h;
        WriteFile(BreakRecord::kFileName, BreakFile(60, 150));
        h.Run([&](Dlg& dlg) {
            QWidget* opened =
                WithModal([&] { dlg.OnTick(Dlg::TICK_TIMER_ID); },
                          [&](QWidget* w) {
                              EXPECT_NEAR(dlg.GetBreakDlg().GetElapsed(), 60000, 3000);
                              EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
                              Click(w, IDOK);
                          });
            EXPECT_EQ(opened, &dlg.GetBreakDlg());
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 0);
            EXPECT_TRUE(dlg.IsPaused());
            EXPECT_EQ(dlg.GetWordBox().GetText(), "Press \"I Know\" to Start");
            EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
        });
    }
    {
        // Its time ran out while the program was closed: it is over.
        MainWindowHarness h;
        WriteFile(BreakRecord::kFileName, BreakFile(600, 150));
        h.Run([&](Dlg& dlg) {
            dlg.OnTick(Dlg::TICK_TIMER_ID);
            EXPECT_FALSE(dlg.GetBreakDlg().isVisible());
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 0);
            EXPECT_EQ(dlg.GetMsSinceBreak(), 0);
        });
    }
    {
        // 149 judgements before the restart: the next one brings the break.
        MainWindowHarness h;
        WriteFile(BreakRecord::kFileName, BreakFile(-1, 149));
        h.Run([&](Dlg& dlg) {
            EXPECT_EQ(dlg.GetWordsSinceBreak(), 149);
            Click(dlg, Dlg::kYesId);
            Click(dlg, Dlg::kNoId);
            EXPECT_TRUE(h.PressExpectingMaybeBreak(Dlg::kNoId));
        });
        EXPECT_NE(ReadFile(BreakRecord::kFileName).find("words\t0"), std::string::npos);
    }
}

}  // namespace
