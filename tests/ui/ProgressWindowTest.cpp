// SPDX-License-Identifier: GPL-2.0-or-later
// The progress window as the program gets it: from the module the build put beside the
// programs, opened from the statistics dialog; its charts drawn, its summaries, its export.

#include "tests/ui/WindowFixture.h"
#include "ui/ProgressLoader.h"
#include "ui/QuibStatisticDlg.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QSet>
#include <QTranslator>
#include <QValueAxis>

#include <cmath>
#include <gtest/gtest.h>

#include "translations/Translations.h"

namespace {

// Ten days in a row up to 2026-03-14: i + 1 minutes on day i, and three more known words a day.
ProgressWindowInput TenDays() {
    ProgressWindowInput input;
    input.today = "2026-03-14";
    const QDate last(2026, 3, 14);
    for (int i = 0; i < 10; ++i) {
        HistoryDay day;
        day.date = last.addDays(i - 9).toString(Qt::ISODate).toStdString();
        day.seconds = (i + 1) * 60;
        day.judgements = 10;
        day.counts.lists = {100 - 3 * i, 2, 1, 3, 4, 3 * i};
        input.days.push_back(day);
    }
    return input;
}

// How many pixels of `view` show exactly `color`.
int PixelsOf(QChartView& view, const QColor& color) {
    const QImage image = view.grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == color.rgb()) ++count;
    return count;
}

class ProgressWindowTest : public ::testing::Test {
protected:
    std::unique_ptr<QDialog> Open(const ProgressWindowInput& input) {
        QString error;
        std::unique_ptr<QDialog> window(loader.Create(nullptr, input, error));
        EXPECT_TRUE(window) << error.toStdString();
        if (window) {
            window->show();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }
        return window;
    }

    TempDir dir;
    ProgressLoader loader;
};

TEST_F(ProgressWindowTest, OpensFromTheModule_AndDrawsEveryChart) {
    std::unique_ptr<QDialog> window = Open(TenDays());
    ASSERT_TRUE(window);
    EXPECT_EQ("Progress", window->windowTitle());

    auto* states = window->findChild<QChartView*>("statesChart");
    ASSERT_NE(nullptr, states);
    const QList<QAbstractSeries*> areas = states->chart()->series();
    ASSERT_EQ(6, areas.size());
    for (QAbstractSeries* series : areas) {
        auto* area = qobject_cast<QAreaSeries*>(series);
        ASSERT_NE(nullptr, area);
        EXPECT_EQ(20, area->upperSeries()->count()) << area->name().toStdString();
        EXPECT_GT(PixelsOf(*states, area->color()), 20) << area->name().toStdString();
    }

    auto* minutes = window->findChild<QChartView*>("minutesChart");
    ASSERT_NE(nullptr, minutes);
    ASSERT_EQ(1, minutes->chart()->series().size());
    auto* bars = qobject_cast<QBarSeries*>(minutes->chart()->series()[0]);
    ASSERT_NE(nullptr, bars);
    QBarSet* set = bars->barSets().at(0);
    ASSERT_EQ(90, set->count());
    EXPECT_EQ(10.0, set->at(89));  // today, the last bar
    EXPECT_EQ(1.0, set->at(80));
    EXPECT_EQ(0.0, set->at(79));
    EXPECT_GT(PixelsOf(*minutes, set->color()), 50);

    EXPECT_EQ("Studied 10 days in a row (longest: 10 days)",
              window->findChild<QLabel*>("streakLabel")->text());
    EXPECT_EQ(
        "On 2026-03-14: 27 Known, 4 Learning, 3 Don't Know, 1 Mistaken, 2 Not Sure, "
        "73 To Be Viewed. Known words went from 0 on 2026-03-05 to 27.",
        states->accessibleDescription());
    EXPECT_EQ(
        "In the last 90 days: 10 days studied, 55 minutes in all. The most was 10 minutes, "
        "on 2026-03-14.",
        minutes->accessibleDescription());
}

// One day, ten, and a year with a gap: the count axes tick on whole numbers, the date axes
// name each date once, and no axis has more labels than fit.
TEST_F(ProgressWindowTest, Axes_TickOnWholeNumbers_AndNameEachDateOnce) {
    ProgressWindowInput oneDay = TenDays();
    oneDay.days.erase(oneDay.days.begin(), oneDay.days.end() - 1);
    ProgressWindowInput aYear;
    aYear.today = "2026-03-14";
    for (int i = 0; i < 365; i += i == 100 ? 40 : 1) {
        HistoryDay day;
        day.date = QDate(2025, 3, 15).addDays(i).toString(Qt::ISODate).toStdString();
        day.seconds = 37 * 60 + 7 * i;
        day.counts.lists = {32767 - i, 0, 0, 0, 0, i};
        aYear.days.push_back(day);
    }
    for (const ProgressWindowInput& input : {oneDay, TenDays(), aYear}) {
        SCOPED_TRACE(input.days.size());
        std::unique_ptr<QDialog> window = Open(input);
        ASSERT_TRUE(window);
        for (const char* name : {"statesChart", "minutesChart"}) {
            SCOPED_TRACE(name);
            QChart* chart = window->findChild<QChartView*>(name)->chart();
            ASSERT_EQ(2, chart->axes().size());
            auto* dates = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
            ASSERT_NE(nullptr, dates);
            const QStringList labels = dates->categoriesLabels();
            EXPECT_GE(labels.size(), 1);
            EXPECT_LE(labels.size(), 8);
            EXPECT_EQ(labels.size(), QSet<QString>(labels.begin(), labels.end()).size());
            auto* counts = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
            ASSERT_NE(nullptr, counts);
            EXPECT_LE(counts->tickCount(), 8);
            EXPECT_EQ(0, counts->min());
            const double step = counts->max() / (counts->tickCount() - 1);
            EXPECT_EQ(std::floor(step), step) << counts->max() << " in " << counts->tickCount();
        }
    }
}

// The texts `chart` draws, its axes' labels among them; a plain text reads no-break spaces
// as spaces.
QStringList DrawnTexts(QChart& chart) {
    QStringList texts;
    for (QGraphicsItem* item : chart.scene()->items())
        if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
            if (text->isVisible()) texts << text->toPlainText();
    return texts;
}

struct AxisLocaleCase {
    const char* language;  // as the program's translation is named; empty for English
    const char* locale;
    const char* topLabel;  // the count axis's top label for counts up to 32767
};

class ProgressAxisLocaleTest : public ProgressWindowTest,
                               public ::testing::WithParamInterface<AxisLocaleCase> {
protected:
    void TearDown() override {
        QCoreApplication::removeTranslator(&translator);
        Translations::Use(&translator, QString());
        QCoreApplication::removeTranslator(&translator);
        QLocale::setDefault(QLocale::c());
    }
    QTranslator translator;
};

TEST_P(ProgressAxisLocaleTest, CountAxis_GroupsDigitsAsTheLearnersLocale) {
    QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
    Translations::Use(&translator, QString::fromLatin1(GetParam().language));
    ProgressWindowInput input = TenDays();
    input.days.back().counts.lists[5] = 32767;
    std::unique_ptr<QDialog> window = Open(input);
    ASSERT_TRUE(window);
    const QStringList texts = DrawnTexts(*window->findChild<QChartView*>("statesChart")->chart());
    EXPECT_TRUE(texts.contains(QString::fromUtf8(GetParam().topLabel)))
        << texts.join('|').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, ProgressAxisLocaleTest,
                         ::testing::Values(AxisLocaleCase{"", "de_DE", "40000"},
                                           AxisLocaleCase{"de", "de_DE", "40.000"},
                                           AxisLocaleCase{"fr", "fr_FR", "40 000"}));

TEST_F(ProgressWindowTest, NoHistoryYet_StillOpens_AndSaysSo) {
    ProgressWindowInput input;
    input.today = "2026-03-14";
    std::unique_ptr<QDialog> window = Open(input);
    ASSERT_TRUE(window);
    EXPECT_EQ("No study recorded yet.",
              window->findChild<QChartView*>("statesChart")->accessibleDescription());
    EXPECT_EQ("Studied 0 days in a row (longest: 0 days)",
              window->findChild<QLabel*>("streakLabel")->text());
}

TEST_F(ProgressWindowTest, OneMinuteOnOneDay_CountsInTheSingular) {
    ProgressWindowInput input = TenDays();
    input.days.erase(input.days.begin(), input.days.end() - 1);
    input.days.back().seconds = 60;
    std::unique_ptr<QDialog> window = Open(input);
    ASSERT_TRUE(window);
    EXPECT_EQ("Studied 1 day in a row (longest: 1 day)",
              window->findChild<QLabel*>("streakLabel")->text());
    EXPECT_EQ(
        "In the last 90 days: 1 day studied, 1 minute in all. The most was 1 minute, on "
        "2026-03-14.",
        window->findChild<QChartView*>("minutesChart")->accessibleDescription());
}

TEST_F(ProgressWindowTest, Export_WritesEveryDay_OrSaysWhyNot) {
    ProgressWindowInput input = TenDays();
    QString target = "history.csv";
    input.chooseExportPath = [&](QWidget*) { return target; };
    std::vector<QString> errors;
    input.showError = [&](QWidget*, const QString& text) { errors.push_back(text); };
    std::unique_ptr<QDialog> window = Open(input);
    ASSERT_TRUE(window);
    auto* exportButton = window->findChild<QPushButton*>("exportButton");
    ASSERT_NE(nullptr, exportButton);

    exportButton->click();
    const std::string csv = ReadFile("history.csv");
    EXPECT_EQ(HistoryFile::ToCsv(input.days), csv);
    EXPECT_EQ(11, std::count(csv.begin(), csv.end(), '\n'));
    EXPECT_NE(std::string::npos, csv.find("\n2026-03-14,600,10,73,2,1,3,4,27,0\n"));
    EXPECT_TRUE(errors.empty());

    target = "no-such-folder/history.csv";
    exportButton->click();
    ASSERT_EQ(1u, errors.size());
    EXPECT_TRUE(errors[0].contains("could not be exported"));
    EXPECT_TRUE(errors[0].contains(target));

    target.clear();  // cancelled: nothing happens
    exportButton->click();
    EXPECT_EQ(1u, errors.size());
}

TEST(ProgressFromStatisticsTest, ButtonOpensTheWindow_OrSaysTheModuleIsMissing) {
    TempDir dir;
    ScriptedMessageBoxes boxes;
    const ProgressWindowInput input = TenDays();
    CQuibStatisticDlg stat;
    stat.SetHistory(&input.days, input.today);

    ProgressLoader loader;
    stat.SetProgressLoader(&loader, &boxes);
    QString opened;
    WithModal([&] { stat.DoModal(); },
              [&](QWidget*) {
                  WithModal([&] { Click(stat, CQuibStatisticDlg::kProgressId); },
                            [&](QWidget* w) { opened = w->windowTitle(); });
              });
    EXPECT_EQ("Progress", opened);
    EXPECT_TRUE(boxes.ShownBoxes().empty());

    ProgressLoader missing("no-such-folder/" + QString(ProgressModule::kFileName));
    stat.SetProgressLoader(&missing, &boxes);
    WithModal([&] { stat.DoModal(); },
              [&](QWidget*) { Click(stat, CQuibStatisticDlg::kProgressId); });
    ASSERT_EQ(1u, boxes.ShownBoxes().size());
    const std::string& text = boxes.ShownBoxes()[0].text;
    EXPECT_NE(std::string::npos, text.find("The Progress window cannot be opened"));
    EXPECT_NE(std::string::npos, text.find("no-such-folder/quibbix-progress.so"));
}

}  // namespace
