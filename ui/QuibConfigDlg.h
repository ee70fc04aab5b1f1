#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Lets the user choose the font, text colour and background of the word box and the
// definition box, and the background of the program's windows. It edits a copy of the
// display settings and shows every change at once in three samples; only OK hands the copy
// back to the main window, which then saves and applies it.

#include "platform/TemplateDialog.h"
#include "ui/QuibConfigData.h"
#include "ui/WinText.h"

#include <QCoreApplication>

#include <cstdint>

class CommonDialogs;

class CQuibConfigDlg : public TemplateDialog {
    Q_DECLARE_TR_FUNCTIONS(CQuibConfigDlg)

public:
    static constexpr int kTemplateId = 111;
    enum ControlId {
        kVocabularyFontId = 1018,
        kVocabularyBackId = 1019,
        kVocabularySampleId = 1020,
        kDefinitionFontId = 1021,
        kDefinitionBackId = 1022,
        kDefinitionSampleId = 1023,
        kProgramBackId = 1024,
        kProgramSampleId = 1025,
        // What the dialog ends with when "Use for Every List" was pressed: OK, for every list.
        kEveryListId = 1026,
    };
    static constexpr int kBoxInset = 6;

    // `dialogs` must outlive this dialog.
    explicit CQuibConfigDlg(CommonDialogs& dialogs, QWidget* parent = nullptr);
    ~CQuibConfigDlg() override;

    void SetConfigData(const CQuibConfigData& settings) { m_configData = settings; }
    const CQuibConfigData& GetConfigData() const { return m_configData; }

    void OnVocabularyFont();
    void OnDefinitionFont();
    void OnVocabularyBackColor();
    void OnDefinitionBackColor();
    void OnProgramBackColor();

    const CWinText& GetSample(int placeholderId) const;

protected:
    bool OnInitDialog() override;
    void OnCommand(int id) override;

private:
    void CreateSample(CWinText& box, int placeholderId, uint32_t format);
    void DescribeButtonsByTheirGroups();
    // "Use for Every List", which ends the dialog with kEveryListId.
    void AddEveryListButton();
    void ChooseFont(LogFont& font, COLORREF& textColor, CWinText& sample);
    void ChooseBackColor(COLORREF& color, CWinText& sample);

    CommonDialogs& m_dialogs;
    CWinText m_sampleVocabulary;
    CWinText m_sampleDefinition;
    CWinText m_sampleProgram;
    CQuibConfigData m_configData;
};
