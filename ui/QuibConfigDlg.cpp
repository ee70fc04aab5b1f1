// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/QuibConfigDlg.h"

#include "platform/CommonDialogs.h"
#include "platform/DrawText.h"
#include "platform/StaticControl.h"
#include "platform/WindowOps.h"

#include <QGroupBox>
#include <QPushButton>

CQuibConfigDlg::CQuibConfigDlg(CommonDialogs& dialogs, QWidget* parent)
    : TemplateDialog(kTemplateId, parent), m_dialogs(dialogs) {}

CQuibConfigDlg::~CQuibConfigDlg() = default;

void CQuibConfigDlg::CreateSample(CWinText& box, int placeholderId, uint32_t format) {
    box.CreateBox(tr("Sample").toStdString(), PlaceholderRect(placeholderId, kBoxInset), this,
                  format);
    // A screen reader finds the sample, not the placeholder it covers, and tells the three
    // apart by the group each sits in; the program's sample shows no text and is read by that.
    StaticControl* placeholder = GetStatic(placeholderId);
    if (!placeholder) return;
    placeholder->SetDecorative(true);
    for (const QGroupBox* group : findChildren<QGroupBox*>()) {
        if (group->geometry().contains(placeholder->geometry()))
            box.SetCaption(group->accessibleName());
    }
}

bool CQuibConfigDlg::OnInitDialog() {
    // Each sample is laid out as the box it stands for: the word centred on one line, drawn
    // smaller where the line is too wide, as the word box draws it. Wrapped like a definition,
    // the large fonts chosen for a word cut the sample to "Samp".
    CreateSample(m_sampleVocabulary, kVocabularySampleId, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    CreateSample(m_sampleDefinition, kDefinitionSampleId, DT_WORDBREAK);
    CreateSample(m_sampleProgram, kProgramSampleId, DT_WORDBREAK);

    m_sampleVocabulary.SetBackColor(m_configData.m_crVocabularyBack);
    m_sampleVocabulary.SetTextFont(m_configData.m_lfVocabulary, m_configData.m_crVocabularyText);
    m_sampleVocabulary.SetText(tr("Sample").toStdString());
    m_sampleDefinition.SetBackColor(m_configData.m_crDefinitionBack);
    m_sampleDefinition.SetTextFont(m_configData.m_lfDefinition, m_configData.m_crDefinitionText);
    m_sampleDefinition.SetText(tr("Sample").toStdString());
    // The program sample is a plain area of the background colour.
    m_sampleProgram.SetBackColor(m_configData.m_crProgramBack);
    m_sampleProgram.SetTextFont(m_configData.m_lfDefinition, m_configData.m_crProgramBack);
    m_sampleProgram.SetText("");
    DescribeButtonsByTheirGroups();
    AddEveryListButton();
    return true;
}

void CQuibConfigDlg::AddEveryListButton() {
    // The template's size and controls are the dialog's own; the row above the groups is the
    // room it leaves.
    auto* everyList = new QPushButton(tr("Use for Every List"), this);
    everyList->setObjectName(QStringLiteral("useForEveryListButton"));
    everyList->setAccessibleName(tr("Use these fonts and colors for every list"));
    everyList->setAutoDefault(false);
    everyList->setGeometry(MapDialogRect(7, 2, 134, 14).ToQRect());
    everyList->show();
    connect(everyList, &QPushButton::clicked, this, [this] { EndDialog(kEveryListId); });
}

void CQuibConfigDlg::DescribeButtonsByTheirGroups() {
    // Two "Text Font" and three "Background Color" buttons: a screen reader tells them apart
    // by the group each sits in, which is beside them in the tree, not around them.
    for (const QGroupBox* group : findChildren<QGroupBox*>()) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (group->geometry().contains(button->geometry()))
                button->setAccessibleDescription(group->accessibleName());
        }
    }
}

void CQuibConfigDlg::OnCommand(int id) {
    switch (id) {
        case kVocabularyFontId:
            OnVocabularyFont();
            break;
        case kDefinitionFontId:
            OnDefinitionFont();
            break;
        case kVocabularyBackId:
            OnVocabularyBackColor();
            break;
        case kDefinitionBackId:
            OnDefinitionBackColor();
            break;
        case kProgramBackId:
            OnProgramBackColor();
            break;
        default:
            TemplateDialog::OnCommand(id);
    }
}

void CQuibConfigDlg::ChooseFont(LogFont& font, COLORREF& textColor, CWinText& sample) {
    LogFont chosenFont = font;
    COLORREF chosenColor = textColor;
    if (!m_dialogs.ChooseFont(chosenFont, chosenColor)) return;
    font = chosenFont;
    textColor = chosenColor;
    sample.SetTextFont(font, textColor);
}

void CQuibConfigDlg::ChooseBackColor(COLORREF& color, CWinText& sample) {
    COLORREF chosen = 0;
    if (!m_dialogs.ChooseColor(chosen)) return;
    color = chosen;
    sample.SetBackColor(color);
}

void CQuibConfigDlg::OnVocabularyFont() {
    ChooseFont(m_configData.m_lfVocabulary, m_configData.m_crVocabularyText, m_sampleVocabulary);
}

void CQuibConfigDlg::OnDefinitionFont() {
    ChooseFont(m_configData.m_lfDefinition, m_configData.m_crDefinitionText, m_sampleDefinition);
}

void CQuibConfigDlg::OnVocabularyBackColor() {
    ChooseBackColor(m_configData.m_crVocabularyBack, m_sampleVocabulary);
}

void CQuibConfigDlg::OnDefinitionBackColor() {
    ChooseBackColor(m_configData.m_crDefinitionBack, m_sampleDefinition);
}

void CQuibConfigDlg::OnProgramBackColor() {
    ChooseBackColor(m_configData.m_crProgramBack, m_sampleProgram);
}

const CWinText& CQuibConfigDlg::GetSample(int placeholderId) const {
    if (placeholderId == kVocabularySampleId) return m_sampleVocabulary;
    if (placeholderId == kDefinitionSampleId) return m_sampleDefinition;
    return m_sampleProgram;
}
