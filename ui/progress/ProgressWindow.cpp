// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/progress/ProgressWindow.h"

#include <QAreaSeries>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetrics>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <map>

#include "translations/Translations.h"
#include "windowfit/WindowFit.h"

namespace {

// The states from the bottom of the stack up, each with its place in HistoryCounts::lists:
// the words known at the bottom, so that their growth reads as the ground rising.
// Colours of their own, since the chart theme's repeat within six series.
struct State {
    size_t index;
    const char* label;
    QRgb color;
};
constexpr State kStates[] = {{5, QT_TRANSLATE_NOOP("ProgressWindow", "Known"), 0x2e7d32},
                             {4, QT_TRANSLATE_NOOP("ProgressWindow", "Learning"), 0x9ccc65},
                             {3, QT_TRANSLATE_NOOP("ProgressWindow", "Don't Know"), 0xef6c00},
                             {2, QT_TRANSLATE_NOOP("ProgressWindow", "Mistaken"), 0xc62828},
                             {1, QT_TRANSLATE_NOOP("ProgressWindow", "Not Sure"), 0xfdd835},
                             {0, QT_TRANSLATE_NOOP("ProgressWindow", "To Be Viewed"), 0x90a4ae}};

QString Label(const State& state) { return ProgressWindow::tr(state.label); }

QDate DateOf(const std::string& text) {
    return QDate::fromString(QString::fromStdString(text), Qt::ISODate);
}

// The most labels an axis shows: more crowd one another, and the chart then drops some or
// cuts them to dots. The minutes chart is the lower one.
constexpr int kMostDateLabels = 7;
constexpr int kMostStateCountLabels = 6;
constexpr int kMostMinuteCountLabels = 4;

QString Days(int64_t count) {
    return Translations::Counted("ProgressWindow",
                                 QT_TRANSLATE_N_NOOP("ProgressWindow", "%n day(s)"),
                                 std::max<int64_t>(count, 0), "day");
}

QString Minutes(int64_t count) {
    return Translations::Counted("ProgressWindow",
                                 QT_TRANSLATE_N_NOOP("ProgressWindow", "%n minute(s)"),
                                 std::max<int64_t>(count, 0), "minute");
}

// A date as the learner's language writes it; English keeps the ISO dates it always showed.
QString DateText(const QDate& date) {
    return Translations::Active() ? QLocale().toString(date, QLocale::ShortFormat)
                                  : date.toString(Qt::ISODate);
}

QString DateText(const std::string& isoDate) { return DateText(DateOf(isoDate)); }

// The axes' formats: the whole date, and the day and month alone for the close-set labels.
QString LongAxisFormat() {
    return Translations::Active() ? QLocale().dateFormat(QLocale::ShortFormat)
                                  : QStringLiteral("yyyy-MM-dd");
}

QString ShortAxisFormat() {
    if (!Translations::Active()) return QStringLiteral("MM-dd");
    // The locale's short date without its year and the separator that joins it.
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    format.remove(QRegularExpression(QStringLiteral("^y+[^dMy]*|[^dMy]*y+")));
    return format;
}

// The minutes of each of the `count` days up to `today`, oldest first.
std::vector<double> MinutesPerDay(const std::vector<HistoryDay>& days, const std::string& today,
                                  int count) {
    std::vector<double> minutes(static_cast<size_t>(count), 0.0);
    const int64_t last = HistoryFile::DayNumber(today);
    for (const HistoryDay& day : days) {
        const int64_t back = last - HistoryFile::DayNumber(day.date);
        if (back >= 0 && back < count)
            minutes[static_cast<size_t>(count - 1 - back)] = static_cast<double>(day.seconds) / 60;
    }
    return minutes;
}

// The step of a count axis from 0 past `most` with ticks on whole numbers only: 1, 2 or 5
// times a power of ten, as few steps as keep within `mostLabels` labels.
int64_t WholeStep(double most, int mostLabels) {
    int64_t power = 1;
    for (int digits = 0; digits < 15; ++digits, power *= 10) {
        for (int64_t times : {1, 2, 5}) {
            if (std::ceil(most / static_cast<double>(times * power)) < mostLabels)
                return times * power;
        }
    }
    return power;
}

void SetWholeTicks(QValueAxis& axis, double most, int mostLabels) {
    const int64_t step = WholeStep(most, mostLabels);
    const auto steps =
        std::max<int64_t>(1, static_cast<int64_t>(std::ceil(most / static_cast<double>(step))));
    axis.setTickType(QValueAxis::TicksFixed);
    axis.setRange(0, static_cast<qreal>(steps * step));
    axis.setTickCount(static_cast<int>(steps) + 1);
    axis.setMinorTickCount(0);
    axis.setLabelFormat(QStringLiteral("%d"));
}

// Translated, the count axis writes its numbers as the learner's locale does (1.234, 1 234),
// as the statistics do; the chart localizes only the real formats, so whole numbers go as
// "%.0f". English keeps the ungrouped numbers it always showed.
void FollowTheLocale(QChart& chart, QValueAxis& counts) {
    if (!Translations::Active()) return;
    chart.setLocale(QLocale());
    chart.setLocalizeNumbers(true);
    counts.setLabelFormat(QStringLiteral("%.0f"));
}

// An axis over `days` days from `first`, whose span starts at `origin`, a unit a day. It
// names a day under the middle of its span, every so many days, so that each date shows
// once and no more than `most` of them: a label for every day would be cut to dots.
QCategoryAxis* DayAxis(const QDate& first, int days, int most, const QString& format,
                       qreal origin) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setRange(origin, origin + days);
    axis->setStartValue(origin);
    axis->setGridLineVisible(false);
    const int every = std::max(1, (days + most - 1) / most);
    // Counted back from the last day, so that the latest one is always named.
    const int firstNamed = (days - 1) % every;
    for (int day = firstNamed; day < days; day += every)
        axis->append(first.addDays(day).toString(format), origin + day + 0.5);
    return axis;
}

// The last day's label stands under the middle of the last day, at the right edge: half of it
// lies beyond the plot, where the chart's margin must hold it.
void LeaveRoomForTheLastLabel(QChart& chart, QCategoryAxis& axis) {
    const QStringList labels = axis.categoriesLabels();
    if (labels.isEmpty()) return;
    const int half = QFontMetrics(axis.labelsFont()).horizontalAdvance(labels.back()) / 2;
    QMargins margins = chart.margins();
    margins.setRight(std::max(margins.right(), half + 4));
    chart.setMargins(margins);
}

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const ProgressWindowInput& input)
    : QDialog(parent), m_input(input) {
    setWindowTitle(tr("Progress"));
    auto* layout = new QVBoxLayout(this);

    auto* streak = new QLabel(this);
    streak->setObjectName(QStringLiteral("streakLabel"));
    const int32_t current = HistoryFile::CurrentStreak(m_input.days, m_input.today);
    const int32_t longest = HistoryFile::LongestStreak(m_input.days);
    streak->setText(tr("Studied %1 in a row (longest: %2)").arg(Days(current), Days(longest)));
    layout->addWidget(streak);
    layout->addWidget(MakeStatesChart(), 3);
    layout->addWidget(MakeMinutesChart(), 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(tr("Export as CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 620);
    FitToScreen(*this);
}

QChartView* ProgressWindow::MakeStatesChart() {
    auto* chart = new QChart;
    chart->setTitle(tr("Words in each state"));
    // Days count from the first one recorded, each a unit wide.
    const QDate first =
        m_input.days.empty() ? DateOf(m_input.today) : DateOf(m_input.days.front().date);
    const int span = m_input.days.empty()
                         ? 1
                         : static_cast<int>(first.daysTo(DateOf(m_input.days.back().date))) + 1;
    QCategoryAxis* xAxis = DayAxis(first, span, kMostDateLabels - 1, LongAxisFormat(), 0);
    auto* yAxis = new QValueAxis;
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);

    // Each state's area lies on the ones below it. Every day holds its counts until the next
    // day studied, and the last one for a day of its own, so that a single day still shows.
    QLineSeries* below = nullptr;
    int32_t top = 1;
    for (const State& state : kStates) {
        // An area series does not own its edges; the chart does, so they go with it.
        auto* upper = new QLineSeries(chart);
        for (size_t i = 0; i < m_input.days.size(); ++i) {
            const QDate date = DateOf(m_input.days[i].date);
            const QDate until =
                i + 1 < m_input.days.size() ? DateOf(m_input.days[i + 1].date) : date.addDays(1);
            qreal value = m_input.days[i].counts.lists[state.index];
            if (below) value += below->at(static_cast<int>(2 * i)).y();
            upper->append(static_cast<qreal>(first.daysTo(date)), value);
            upper->append(static_cast<qreal>(first.daysTo(until)), value);
            top = std::max(top, static_cast<int32_t>(value));
        }
        auto* area = new QAreaSeries(upper, below);
        area->setName(Label(state));
        area->setColor(QColor(state.color));
        area->setBorderColor(QColor(state.color));
        chart->addSeries(area);
        area->attachAxis(xAxis);
        area->attachAxis(yAxis);
        below = upper;
    }
    SetWholeTicks(*yAxis, top, kMostStateCountLabels);
    FollowTheLocale(*chart, *yAxis);

    LeaveRoomForTheLastLabel(*chart, *xAxis);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("statesChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(StatesSummary(m_input.days));
    view->setMinimumHeight(200);
    return view;
}

QChartView* ProgressWindow::MakeMinutesChart() {
    auto* chart = new QChart;
    chart->setTitle(tr("Minutes studied per day, last %1 days").arg(kMinuteDays));
    chart->legend()->hide();
    auto* set = new QBarSet(tr("Minutes"));
    double most = 1;
    const std::vector<double> minutes = MinutesPerDay(m_input.days, m_input.today, kMinuteDays);
    for (double dayMinutes : minutes) {
        set->append(dayMinutes);
        most = std::max(most, dayMinutes);
    }
    auto* series = new QBarSeries;
    series->setBarWidth(0.9);
    series->append(set);
    chart->addSeries(series);
    // Bar i stands on i, in the middle of its day's span.
    QCategoryAxis* xAxis = DayAxis(DateOf(m_input.today).addDays(1 - kMinuteDays), kMinuteDays,
                                   kMostDateLabels, ShortAxisFormat(), -0.5);
    auto* yAxis = new QValueAxis;
    SetWholeTicks(*yAxis, most, kMostMinuteCountLabels);
    FollowTheLocale(*chart, *yAxis);
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);

    LeaveRoomForTheLastLabel(*chart, *xAxis);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("minutesChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(MinutesSummary(m_input.days, m_input.today));
    view->setMinimumHeight(160);
    return view;
}

QString ProgressWindow::StatesSummary(const std::vector<HistoryDay>& days) {
    if (days.empty()) return tr("No study recorded yet.");
    const HistoryDay& last = days.back();
    QStringList parts;
    for (const State& state : kStates)
        parts << tr("%1 %2").arg(last.counts.lists[state.index]).arg(Label(state));
    const int32_t knownFirst = days.front().counts.lists[kStates[0].index];
    return tr("On %1: %2. Known words went from %3 on %4 to %5.")
        .arg(DateText(last.date), parts.join(tr(", ")))
        .arg(knownFirst)
        .arg(DateText(days.front().date))
        .arg(last.counts.lists[kStates[0].index]);
}

QString ProgressWindow::MinutesSummary(const std::vector<HistoryDay>& days,
                                       const std::string& today) {
    const std::vector<double> minutes = MinutesPerDay(days, today, kMinuteDays);
    int studied = 0;
    double total = 0;
    size_t most = 0;
    for (size_t i = 0; i < minutes.size(); ++i) {
        if (minutes[i] > 0) ++studied;
        total += minutes[i];
        if (minutes[i] > minutes[most]) most = i;
    }
    QString text = tr("In the last %1 days: %2 studied, %3 in all.")
                       .arg(kMinuteDays)
                       .arg(Days(studied))
                       .arg(Minutes(static_cast<int64_t>(total + 0.5)));
    if (studied > 0) {
        const QDate day = DateOf(today).addDays(static_cast<int>(most) - kMinuteDays + 1);
        text += tr(" The most was %1, on %2.")
                    .arg(Minutes(static_cast<int64_t>(minutes[most] + 0.5)))
                    .arg(DateText(day));
    }
    return text;
}

bool ProgressWindow::ExportTo(const QString& path, QString& error) const {
    const std::string csv = HistoryFile::ToCsv(m_input.days);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(csv.data(), static_cast<qint64>(csv.size())) !=
            static_cast<qint64>(csv.size()) ||
        !file.commit()) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

void ProgressWindow::Export() {
    const QString path =
        m_input.chooseExportPath
            ? m_input.chooseExportPath(this)
            : QFileDialog::getSaveFileName(this, tr("Export the History"),
                                           QDir::home().filePath(QStringLiteral("history.csv")),
                                           tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    QString error;
    if (ExportTo(path, error)) return;
    const QString text = tr("The history could not be exported.\n\n") + error;
    if (m_input.showError) {
        m_input.showError(this, text);
    } else {
        QMessageBox::warning(this, QStringLiteral("Quibbix"), text);
    }
}
