#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The small window that opens when there is more than one list to study: each list with its
// size, the words known each way, when it was last studied and the folder it syncs through,
// and the buttons to study (forwards or backwards), add, sync, rename and remove one. Its place and
// size on the screen, and the way each list was last studied, are kept between starts.

#include "lists/ListStore.h"

#include <QCoreApplication>
#include <QDialog>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class QCheckBox;
class QPushButton;
class QTreeWidget;

class ChooserWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(ChooserWindow)

public:
    // `store` must outlive the window. `settingsFile` is the ini file for the window's place.
    ChooserWindow(ListStore& store, const QString& settingsFile, QWidget* parent = nullptr);

    // The list to study once the window was accepted, and whether backwards.
    const std::filesystem::path& ChosenFolder() const { return m_chosen; }
    bool ChosenBackwards() const { return m_chosenBackwards; }
    // Ticks "Backwards" for the list selected now, as asked on the command line.
    void SetBackwards(bool backwards);
    // Whether the answers are to be typed, and ticking "Type the Answer" for the list selected
    // now and its direction, as asked on the command line.
    bool ChosenTyping() const { return m_chosenTyping; }
    void SetTyping(bool typing);

    // Reads the lists again and selects `name`, else the one studied last.
    void Reload(const std::string& name = {});

    // The chooser's ini file: $XDG_CONFIG_HOME/quibbix/chooser.ini.
    static QString DefaultSettingsFile();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<ListSummary> Current() const;
    void UpdateButtons();
    void AnnounceCurrentRow();
    // The way the selected list was last chosen to be studied, and remembering a new one.
    void ShowDirection();
    void RememberDirection();
    // The same for typing the answers, per list and per direction.
    void RememberTyping();
    void Study();
    void AddList();
    void EditWords();
    // The languages the list is spoken in, and whether each word is said as it appears.
    void EditSpeech();
    void SyncList();
    void RenameList();
    void RemoveList();

    ListStore& m_store;
    QString m_settingsFile;
    std::filesystem::path m_chosen;
    bool m_chosenBackwards = false;
    bool m_chosenTyping = false;
    QTreeWidget* m_view = nullptr;
    QPushButton* m_study = nullptr;
    QCheckBox* m_backwards = nullptr;
    QCheckBox* m_typing = nullptr;
    QPushButton* m_editWords = nullptr;
    QPushButton* m_sync = nullptr;
    QPushButton* m_speech = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_remove = nullptr;
};
