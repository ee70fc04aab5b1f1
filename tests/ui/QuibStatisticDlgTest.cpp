// SPDX-License-Identifier: GPL-2.0-or-later
// The statistics dialog, opened from the main window's "Show Statistics": the formats of its
// fields, the save that comes before the snapshot, and the usage clock around it.

#include "tests/ui/WindowFixture.h"
#include "ui/QuibStatisticDlg.h"

#include <gtest/gtest.h>

namespace {

using Dlg = CQuibbixDlg;
using Stat = CQuibStatisticDlg;

TEST(QuibStatisticDlgTest, Formats) {
    const struct {
        int32_t n, total;
        const char* text;
    } counts[] = {
        {37, 5000, "37 (0.7%)"}, {5000, 5000, "5000 (100.0%)"},
        {1, 3, "1 (33.3%)"},     {0, 5000, "0 (0.0%)"},
        {0, 0, "0 (0.0%)"},  // no word list: no division by zero
        {7, 0, "7 (0.0%)"},
    };
    for (const auto& c : counts)
        EXPECT_EQ(Stat::FormatCount(c.n, c.total), c.text) << c.n << "/" << c.total;

    const struct {
        int32_t seconds;
        const char* text;
    } durations[] = {
        {3725, "1:02:05"}, {0, "0:00:00"},        {59, "0:00:59"},
        {3600, "1:00:00"}, {360000, "100:00:00"},
    };
    for (const auto& d : durations) EXPECT_EQ(Stat::FormatDuration(d.seconds), d.text) << d.seconds;
}

// Clicks "Show Statistics" and runs `inside` in the statistics dialog.
void InStatistics(Dlg& dlg, const std::function<void(Stat&)>& inside) {
    QWidget* opened = WithModal([&] { Click(dlg, Dlg::kStatisticsId); },
                                [&](QWidget* w) {
                                    auto* dialog = dynamic_cast<Stat*>(w);
                                    ASSERT_NE(dialog, nullptr);
                                    inside(*dialog);
                                });
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), "Statistics");
}

TEST(QuibStatisticDlgTest, Opening_SavesFirst_AndShowsTheCountsAfterMaintenance) {
    MainWindowHarness h(10);
    // Ten words to be viewed, and word 2 known as well: the save's maintenance drops the copy.
    std::string toBeViewed = "10\n";
    for (int i = 1; i <= 10; ++i) toBeViewed += std::to_string(i) + "\t0\n";
    WriteFile("session/tobeviewed.txt", toBeViewed);
    WriteFile("session/known.txt", "1\n2\t0\n");
    WriteFile("session/Time.txt", "3725.0");
    h.Run([&](Dlg& dlg) {
        ASSERT_EQ(dlg.GetWordSelect().GetWordState().GetKnown().GetCount(), 1);
        InStatistics(dlg, [&](Stat& stat) {
            for (const char* file :
                 {"session/currWord.cfg", "session/unsure.txt", "session/mistaken.txt",
                  "session/new.txt", "session/learning.txt", "session/WordsLearned.txt"})
                EXPECT_TRUE(FileExists(file)) << file;
            EXPECT_EQ(ReadFile("session/known.txt"), "0\n");
            const struct {
                int id;
                const char* text;
            } fields[] = {
                {Stat::kTotalWordsId, "10"},          {Stat::kViewedId, "0"},
                {Stat::kLearnedId, "0 (0.0%)"},       {Stat::kSessionTimeId, "0:00:00"},
                {Stat::kTotalTimeId, "1:02:05"},      {Stat::kMistakenId, "0 (0.0%)"},
                {Stat::kUnsureId, "0 (0.0%)"},        {Stat::kNewId, "0 (0.0%)"},
                {Stat::kLearningId, "0 (0.0%)"},      {Stat::kKnownId, "0 (0.0%)"},
                {Stat::kToBeViewedId, "10 (100.0%)"},
            };
            for (const auto& f : fields)
                EXPECT_EQ(stat.FieldText(f.id), f.text) << "field " << f.id;
            // "Words Viewed" counts every showing; its label and value say so.
            for (const QLabel* label : stat.findChildren<QLabel*>()) {
                if (label != stat.GetDlgItem(Stat::kViewedId) && label->text() != "Words Viewed :")
                    continue;
                EXPECT_TRUE(label->toolTip().contains("each repeat counted")) << "tooltip";
                EXPECT_EQ(label->accessibleDescription(), label->toolTip());
            }
            // A screen reader on a number alone hears what it counts.
            EXPECT_EQ(stat.GetDlgItem(Stat::kTotalWordsId)->accessibleDescription(),
                      "Total Words in This Program");
            EXPECT_EQ(stat.GetDlgItem(Stat::kToBeViewedId)->accessibleDescription(),
                      "Words in To Be Viewed List");
            Click(stat, IDOK);
        });
    });
}

TEST(QuibStatisticDlgTest, WhileStudying_ShowsTheTimes_AndStopsOnlyTheUsageClock) {
    MainWindowHarness h;
    WriteFile("session/Time.txt", "100.0");
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        h.Judge(Dlg::kNoId, Dlg::kNoId);
        h.env.now += 3725;
        InStatistics(dlg, [&](Stat& stat) {
            EXPECT_EQ(stat.FieldText(Stat::kSessionTimeId), "1:02:05");
            EXPECT_EQ(stat.FieldText(Stat::kTotalTimeId), "1:03:45");
            EXPECT_EQ(stat.FieldText(Stat::kViewedId), "2");
            EXPECT_EQ(stat.FieldText(Stat::kNewId), "1 (1.7%)");
            EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
            // The break count goes on while the dialog is open; the usage clock does not.
            dlg.OnTick(Dlg::TICK_TIMER_ID);
            EXPECT_EQ(dlg.GetMsSinceBreak(), 1000);
            h.env.now += 300;
            QTest::keyClick(&stat, Qt::Key_Escape);
        });
        EXPECT_TRUE(dlg.GetTimeRecord().IsRunning());
        EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 3725);

        InStatistics(dlg, [&](Stat& stat) {
            EXPECT_EQ(stat.FieldText(Stat::kSessionTimeId), "1:02:05");
            Click(stat, IDOK);
        });
    });
}

TEST(QuibStatisticDlgTest, BeforeTheStartPress_TheUsageClockStaysStopped) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        InStatistics(dlg, [&](Stat& stat) { Click(stat, IDOK); });
        EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
    });
}

}  // namespace
