#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A snapshot of how far the user has come, taken when the dialog opens: the number of words,
// words viewed and learned, the time of use in this run and in all runs, and the size of
// each learning list, also as a share of all words. It only reads. Its "Progress..." button
// opens the study history's charts.

#include "engine/HistoryFile.h"
#include "platform/TemplateDialog.h"

#include <QCoreApplication>

#include <cstdint>
#include <string>
#include <vector>

class CWordSelect;
class MessageBoxes;
class ProgressLoader;

class CQuibStatisticDlg : public TemplateDialog {
    Q_DECLARE_TR_FUNCTIONS(CQuibStatisticDlg)

public:
    static constexpr int kTemplateId = 112;
    enum ControlId {
        kMistakenId = 1027,
        kUnsureId = 1028,
        kNewId = 1029,
        kLearningId = 1030,
        kKnownId = 1031,
        kToBeViewedId = 1032,
        kViewedId = 1033,
        kTotalWordsId = 1034,
        kSessionTimeId = 1035,
        kTotalTimeId = 1036,
        kLearnedId = 1037,
        kProgressId = 1038,
    };

    explicit CQuibStatisticDlg(QWidget* parent = nullptr);
    ~CQuibStatisticDlg() override;

    // `select` is not owned and must outlive every opening.
    void SetWordSelect(const CWordSelect* select) { m_pWordSelect = select; }
    void SetTimes(int32_t sessionSeconds, int32_t totalSeconds) {
        m_nSessionTime = sessionSeconds;
        m_nTotalTime = totalSeconds;
    }
    // What the progress window shows: `days` (not owned, must outlive every opening) up to
    // `today`, through `loader`, which tells through `boxes` when it cannot open it. Without
    // a loader the button stays disabled.
    void SetHistory(const std::vector<HistoryDay>* days, const std::string& today) {
        m_history = days;
        m_today = today;
    }
    void SetProgressLoader(ProgressLoader* loader, MessageBoxes* boxes) {
        m_progressLoader = loader;
        m_messageBoxes = boxes;
    }
    // Opens the progress window modally over this dialog.
    void ShowProgress();

    // Sets control `id` to "n (p%)", p the share of `total` with one decimal.
    void ShowCount(int id, int32_t n, int32_t total);

    // "n (p%)"; with no words at all the share is 0.0% rather than a division by zero.
    static std::string FormatCount(int32_t n, int32_t total);
    // "h:mm:ss", the hours without bound.
    static std::string FormatDuration(int32_t seconds);
    // A whole number, grouped as the learner's locale does once translated.
    static std::string Number(int64_t n);
    // The text a value field shows.
    std::string FieldText(int id) const;

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;

private:
    void SetField(int id, const std::string& text);
    // "Words Viewed" counts draws, not words: its label and its value say so to the mouse
    // and to screen readers.
    void ExplainViewed();
    void Explain(int fieldId, const QString& caption, const QString& what);
    void DescribeFields();

    const CWordSelect* m_pWordSelect = nullptr;
    int32_t m_nTotalTime = 0;
    int32_t m_nSessionTime = 0;
    const std::vector<HistoryDay>* m_history = nullptr;
    std::string m_today;
    ProgressLoader* m_progressLoader = nullptr;
    MessageBoxes* m_messageBoxes = nullptr;
};
