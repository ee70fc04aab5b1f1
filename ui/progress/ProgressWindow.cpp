// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/progress/ProgressWindow.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDate>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <map>

namespace {

// The states from the bottom of the stack up, each with its place in HistoryCounts::lists:
// the words known at the bottom, so that their growth reads as the ground rising.
// Colours of their own, since the chart theme's repeat within six series.
struct State {
    size_t index;
    const char* label;
    QRgb color;
};
constexpr State kStates[] = {{5, "Known", 0x2e7d32},      {4, "Learning", 0x9ccc65},
                             {3, "Don't Know", 0xef6c00}, {2, "Mistaken", 0xc62828},
                             {1, "Not Sure", 0xfdd835},   {0, "To Be Viewed", 0x90a4ae}};

QDate DateOf(const std::string& text) {
    return QDate::fromString(QString::fromStdString(text), Qt::ISODate);
}

qreal MsAt(const QDate& date) { return static_cast<qreal>(date.startOfDay().toMSecsSinceEpoch()); }

QString Plural(int64_t n, const char* one, const char* many) {
    return QString::number(n) + ' ' + (n == 1 ? one : many);
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

}  // namespace

ProgressWindow::ProgressWindow(QWidget* parent, const ProgressWindowInput& input)
    : QDialog(parent), m_input(input) {
    setWindowTitle(QStringLiteral("Progress"));
    auto* layout = new QVBoxLayout(this);

    auto* streak = new QLabel(this);
    streak->setObjectName(QStringLiteral("streakLabel"));
    const int32_t current = HistoryFile::CurrentStreak(m_input.days, m_input.today);
    const int32_t longest = HistoryFile::LongestStreak(m_input.days);
    streak->setText(QStringLiteral("Studied %1 in a row (longest: %2)")
                        .arg(Plural(current, "day", "days"), Plural(longest, "day", "days")));
    layout->addWidget(streak);
    layout->addWidget(MakeStatesChart(), 3);
    layout->addWidget(MakeMinutesChart(), 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* exportButton =
        buttons->addButton(QStringLiteral("Export as CSV..."), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setAutoDefault(false);
    connect(exportButton, &QPushButton::clicked, this, [this] { Export(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(760, 620);
}

QChartView* ProgressWindow::MakeStatesChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Words in each state"));
    auto* xAxis = new QDateTimeAxis;
    xAxis->setFormat(QStringLiteral("yyyy-MM-dd"));
    auto* yAxis = new QValueAxis;
    yAxis->setLabelFormat(QStringLiteral("%d"));
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
            upper->append(MsAt(date), value);
            upper->append(MsAt(until), value);
            top = std::max(top, static_cast<int32_t>(value));
        }
        auto* area = new QAreaSeries(upper, below);
        area->setName(QString::fromLatin1(state.label));
        area->setColor(QColor(state.color));
        area->setBorderColor(QColor(state.color));
        chart->addSeries(area);
        area->attachAxis(xAxis);
        area->attachAxis(yAxis);
        below = upper;
    }
    yAxis->setRange(0, top);
    if (!m_input.days.empty()) {
        xAxis->setRange(DateOf(m_input.days.front().date).startOfDay(),
                        DateOf(m_input.days.back().date).addDays(1).startOfDay());
    }

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("statesChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(StatesSummary(m_input.days));
    view->setMinimumHeight(240);
    return view;
}

QChartView* ProgressWindow::MakeMinutesChart() {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Minutes studied per day, last %1 days").arg(kMinuteDays));
    chart->legend()->hide();
    auto* set = new QBarSet(QStringLiteral("Minutes"));
    QStringList categories;
    const QDate today = DateOf(m_input.today);
    double most = 1;
    const std::vector<double> minutes = MinutesPerDay(m_input.days, m_input.today, kMinuteDays);
    for (int i = 0; i < kMinuteDays; ++i) {
        set->append(minutes[static_cast<size_t>(i)]);
        most = std::max(most, minutes[static_cast<size_t>(i)]);
        categories << today.addDays(i - kMinuteDays + 1).toString(QStringLiteral("MM-dd"));
    }
    auto* series = new QBarSeries;
    series->setBarWidth(0.9);
    series->append(set);
    chart->addSeries(series);
    auto* xAxis = new QBarCategoryAxis;
    xAxis->append(categories);
    xAxis->setLabelsAngle(-90);
    QFont small = xAxis->labelsFont();
    small.setPointSizeF(std::max(5.0, small.pointSizeF() * 0.7));
    xAxis->setLabelsFont(small);
    auto* yAxis = new QValueAxis;
    yAxis->setRange(0, most);
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(xAxis, Qt::AlignBottom);
    chart->addAxis(yAxis, Qt::AlignLeft);
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);

    auto* view = new QChartView(chart, this);
    view->setObjectName(QStringLiteral("minutesChart"));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAccessibleName(chart->title());
    view->setAccessibleDescription(MinutesSummary(m_input.days, m_input.today));
    view->setMinimumHeight(200);
    return view;
}

QString ProgressWindow::StatesSummary(const std::vector<HistoryDay>& days) {
    if (days.empty()) return QStringLiteral("No study recorded yet.");
    const HistoryDay& last = days.back();
    QStringList parts;
    for (const State& state : kStates)
        parts << QStringLiteral("%1 %2").arg(last.counts.lists[state.index]).arg(state.label);
    const int32_t knownFirst = days.front().counts.lists[kStates[0].index];
    return QStringLiteral("On %1: %2. Known words went from %3 on %4 to %5.")
        .arg(QString::fromStdString(last.date), parts.join(QStringLiteral(", ")))
        .arg(knownFirst)
        .arg(QString::fromStdString(days.front().date))
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
    QString text = QStringLiteral("In the last %1 days: %2 studied, %3 minutes in all.")
                       .arg(kMinuteDays)
                       .arg(Plural(studied, "day", "days"))
                       .arg(static_cast<long long>(total + 0.5));
    if (studied > 0) {
        const QDate day = DateOf(today).addDays(static_cast<int>(most) - kMinuteDays + 1);
        text += QStringLiteral(" The most was %1 minutes, on %2.")
                    .arg(static_cast<long long>(minutes[most] + 0.5))
                    .arg(day.toString(Qt::ISODate));
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
            : QFileDialog::getSaveFileName(this, QStringLiteral("Export the History"),
                                           QDir::home().filePath(QStringLiteral("history.csv")),
                                           QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty()) return;
    QString error;
    if (ExportTo(path, error)) return;
    const QString text = QStringLiteral("The history could not be exported.\n\n") + error;
    if (m_input.showError) {
        m_input.showError(this, text);
    } else {
        QMessageBox::warning(this, QStringLiteral("Quibbix"), text);
    }
}
