#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The small window that opens when there is more than one list to study: each list with its
// size, the words known and when it was last studied, and the buttons to study, add, rename
// and remove one. Its place and size on the screen are kept between starts.

#include "lists/ListStore.h"

#include <QDialog>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class QPushButton;
class QTreeWidget;

class ChooserWindow : public QDialog {
public:
    // `store` must outlive the window. `settingsFile` is the ini file for the window's place.
    ChooserWindow(ListStore& store, const QString& settingsFile, QWidget* parent = nullptr);

    // The list to study once the window was accepted.
    const std::filesystem::path& ChosenFolder() const { return m_chosen; }

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
    void Study();
    void AddList();
    void RenameList();
    void RemoveList();

    ListStore& m_store;
    QString m_settingsFile;
    std::filesystem::path m_chosen;
    QTreeWidget* m_view = nullptr;
    QPushButton* m_study = nullptr;
    QPushButton* m_rename = nullptr;
    QPushButton* m_remove = nullptr;
};
