#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The "Progress" window: the words in each state over time as a stacked area chart, the
// minutes studied on each of the last 90 days as bars, the streak of days studied, and the
// export of the history as CSV. Each chart carries a short summary in words as its
// accessible description, for those who cannot see it.

#include "ui/progress/ProgressModule.h"

#include <QCoreApplication>
#include <QDialog>

class QChartView;

class ProgressWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ProgressWindow)

public:
    static constexpr int kMinuteDays = 90;

    ProgressWindow(QWidget* parent, const ProgressWindowInput& input);

    // Writes the history as CSV to `path`, whole or not at all; false with `error` set.
    bool ExportTo(const QString& path, QString& error) const;

    // The summaries the charts describe themselves with.
    static QString StatesSummary(const std::vector<HistoryDay>& days);
    static QString MinutesSummary(const std::vector<HistoryDay>& days, const std::string& today);

private:
    QChartView* MakeStatesChart();
    QChartView* MakeMinutesChart();
    void Export();

    ProgressWindowInput m_input;
};
