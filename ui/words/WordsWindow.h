#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The Words window ("Words — NAME"): a list's words with each direction's progress, to search,
// sort, mend, add and delete, saved through the list's all-or-nothing update, which keeps
// every word's progress that can be kept. Opened from the chooser, or from the study window,
// which then goes on at the word it showed (see Outcome).

#include "lists/ListImporter.h"
#include "lists/ListStore.h"
#include "ui/words/WordsFilter.h"
#include "ui/words/WordsModel.h"

#include <QCoreApplication>
#include <QDialog>

#include <optional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

class WordsWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(WordsWindow)

public:
    struct Options {
        int focusRecord = -1;  // the word on screen: its record in list/kelvo.lst; -1 for none
        // The direction whose session lock the caller holds (the study window's own), which
        // the save must not wait for; the save takes every other lock it needs itself.
        std::optional<ListFolder::Direction> callerHolds;
        QString settingsFile;  // where the size is kept; empty for DefaultSettingsFile()
        FieldEncoder::Encoding encoding = FieldEncoder::Encoding::Auto;
    };
    struct Outcome {
        bool isChanged = false;  // a save replaced the list's words
        std::string report;      // the last save's summary
        // Where the study goes on, in the list as saved: the focus word's record, or when it
        // was deleted the record of the word after it; -1 without a focus or a save.
        int focusRecord = -1;
        std::string focusWord;  // that record's word, UTF-8
    };

    // Runs the window modally on the list `listName` of `store`. Returns whether the list's
    // words changed; false with `error` set when the list cannot be opened. `outcome`, when
    // given, gets the details.
    static bool Edit(QWidget* parent, ListStore& store, const std::string& listName,
                     std::string& error, const Options& options, Outcome* outcome = nullptr);
    static bool Edit(QWidget* parent, ListStore& store, const std::string& listName,
                     std::string& error) {
        return Edit(parent, store, listName, error, Options());
    }

    // `store` must outlive the window. Show it only after Load succeeded.
    WordsWindow(ListStore& store, const ListSummary& list, const Options& options,
                QWidget* parent = nullptr);
    ~WordsWindow() override;
    bool Load(std::string& error);

    // Saves the changes; true when they were saved or there were none. A failure is shown.
    bool Save();
    const Outcome& Result() const { return m_outcome; }
    WordsModel& Model() { return m_model; }

    // Gives the word of `modelRow` the picture or recording in the file at `path`, brought
    // into the list when it is saved; a file that cannot come in is refused with a message.
    bool SetMediaFile(int modelRow, bool isPicture, const QString& path);

    // ~/.config/quibbix/words.ini, beside the chooser's.
    static QString DefaultSettingsFile();

    void done(int result) override;
    // Asks what to do with unsaved changes: Escape, the window's close button and Close.
    void reject() override;

private:
    void BuildControls();
    void InstallShortcuts();
    QPushButton* AddButton(const QString& text, const char* name, const QString& description);
    void AddWord();
    void DeleteSelected();
    void Undo();
    void ChooseMediaFile(bool isPicture);
    void RemoveMedia(bool isPicture);
    void ShowRefusal(const QModelIndex& index, const QString& text, const QString& why);
    void FinishEditing();
    void UpdateState();
    // The rows of the model behind the table's selection, else behind its current row.
    std::vector<int> SelectedRows() const;
    void SelectRow(int modelRow);

    ListStore& m_store;
    ListSummary m_list;
    Options m_options;
    Outcome m_outcome;
    WordsModel m_model;
    WordsFilter m_filter{m_model};
    QLineEdit* m_search = nullptr;
    QTableView* m_table = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_mediaButton = nullptr;
    QPushButton* m_save = nullptr;
    bool m_isRefusalShown = false;
};
