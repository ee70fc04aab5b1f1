// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/QuibStatisticDlg.h"

#include "engine/WordSelect.h"
#include "platform/MessageBoxes.h"
#include "platform/StaticControl.h"
#include "ui/ProgressLoader.h"

#include <QLocale>
#include <QString>

#include <memory>
#include <set>

#include "translations/Translations.h"

CQuibStatisticDlg::CQuibStatisticDlg(QWidget* parent) : TemplateDialog(kTemplateId, parent) {}

CQuibStatisticDlg::~CQuibStatisticDlg() = default;

std::string CQuibStatisticDlg::FormatCount(int32_t n, int32_t total) {
    const double share =
        total == 0 ? 0.0 : static_cast<double>(n) * 100.0 / static_cast<double>(total);
    // Translated, the counts are written as the learner's locale writes numbers; English
    // keeps the C locale's, whatever the user's locale says.
    if (Translations::Active()) {
        const QLocale locale;
        return tr("%1 (%2%)").arg(locale.toString(n), locale.toString(share, 'f', 1)).toStdString();
    }
    return QString::asprintf("%d (%3.1f%%)", n, share).toStdString();
}

std::string CQuibStatisticDlg::Number(int64_t n) {
    return Translations::Active() ? QLocale().toString(qlonglong(n)).toStdString()
                                  : std::to_string(n);
}

std::string CQuibStatisticDlg::FormatDuration(int32_t seconds) {
    const long s = seconds;
    return QString::asprintf("%ld:%02ld:%02ld", s / 3600, (s / 60) % 60, s % 60).toStdString();
}

void CQuibStatisticDlg::SetField(int id, const std::string& text) {
    if (auto* field = GetStatic(id)) field->setText(QString::fromStdString(text));
}

std::string CQuibStatisticDlg::FieldText(int id) const {
    auto* field = GetStatic(id);
    return field ? field->text().toStdString() : std::string();
}

void CQuibStatisticDlg::ShowCount(int id, int32_t n, int32_t total) {
    SetField(id, FormatCount(n, total));
}

bool CQuibStatisticDlg::OnInitDialog() {
    if (QWidget* progress = GetDlgItem(kProgressId))
        progress->setEnabled(m_progressLoader != nullptr);
    if (!m_pWordSelect) return true;
    const int32_t total = m_pWordSelect->GetRecordReader().GetCount();
    const CWordState& state = m_pWordSelect->GetWordState();
    ShowCount(kMistakenId, state.GetMistaken().GetCount(), total);
    ShowCount(kUnsureId, state.GetUnsure().GetCount(), total);
    ShowCount(kNewId, state.GetNew().GetCount(), total);
    ShowCount(kLearningId, state.GetLearning().GetCount(), total);
    ShowCount(kKnownId, state.GetKnown().GetCount(), total);
    ShowCount(kToBeViewedId, state.GetToBeViewed().GetCount(), total);
    ShowCount(kLearnedId, state.GetWordsLearned(), total);
    SetField(kTotalWordsId, Number(total));
    SetField(kViewedId, Number(m_pWordSelect->GetViewedCount()));
    ExplainViewed();
    SetField(kSessionTimeId, FormatDuration(m_nSessionTime));
    SetField(kTotalTimeId, FormatDuration(m_nTotalTime));
    DescribeFields();
    return true;
}

void CQuibStatisticDlg::DescribeFields() {
    // A screen reader that comes to a number alone must hear what it counts: each field
    // follows its caption in the template, and takes the caption as its description.
    const std::set<const QWidget*> fields = {
        GetDlgItem(kMistakenId),  GetDlgItem(kUnsureId),     GetDlgItem(kNewId),
        GetDlgItem(kLearningId),  GetDlgItem(kKnownId),      GetDlgItem(kToBeViewedId),
        GetDlgItem(kViewedId),    GetDlgItem(kTotalWordsId), GetDlgItem(kSessionTimeId),
        GetDlgItem(kTotalTimeId), GetDlgItem(kLearnedId)};
    const StaticControl* caption = nullptr;
    for (QObject* child : children()) {
        auto* label = dynamic_cast<StaticControl*>(child);
        if (!label) continue;
        if (!fields.count(label)) {
            caption = label;
            continue;
        }
        if (!caption || !label->accessibleDescription().isEmpty()) continue;
        QString what = caption->text().trimmed();
        if (what.endsWith(QLatin1Char(':'))) what.chop(1);
        label->setAccessibleDescription(what.trimmed());
    }
}

void CQuibStatisticDlg::ExplainViewed() {
    // A word is shown again and again until it is known, so with a small list this count
    // soon passes the number of words; it says nothing about how many are left.
    Explain(kViewedId, QStringLiteral("Words Viewed :"),
            tr("How many times a word was shown, each repeat counted again: not the number of "
               "different words"));
    // The known list empties into the words to be viewed whenever few of those are left,
    // which on a small list is all the time: the count alone reads as no progress.
    Explain(kKnownId, QStringLiteral("Known Words :"),
            tr("Known words come back for review when few words are left to be viewed, so on a "
               "small list most of them wait among those; the list of lists counts them as "
               "known"));
}

void CQuibStatisticDlg::Explain(int fieldId, const QString& caption, const QString& what) {
    QWidget* field = GetDlgItem(fieldId);
    for (StaticControl* label : findChildren<StaticControl*>()) {
        if (label != field && label->text() != Translations::DialogText(caption)) continue;
        label->setToolTip(what);
        label->setAccessibleDescription(what);
    }
}

void CQuibStatisticDlg::OnCommand(int id) {
    if (id == kProgressId) {
        ShowProgress();
    } else {
        TemplateDialog::OnCommand(id);
    }
}

void CQuibStatisticDlg::ShowProgress() {
    if (!m_progressLoader) return;
    ProgressWindowInput input;
    if (m_history) input.days = *m_history;
    input.today = m_today;
    QString error;
    std::unique_ptr<QDialog> window(m_progressLoader->Create(this, input, error));
    if (window) {
        window->exec();
    } else if (m_messageBoxes) {
        m_messageBoxes->ShowUnicode(this, tr("The Progress window cannot be opened.\n\n") + error,
                                    QStringLiteral("Quibbix"), MessageBoxes::Buttons::Ok,
                                    MessageBoxes::Icon::Error);
    }
}
