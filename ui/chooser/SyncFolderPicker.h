#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The folder picker of "Sync…": it says which folder to pick, makes a folder whose name was
// typed and is not there yet, and refuses, before it closes, a folder holding files that are
// no Quibbix list's, which a join would refuse after it.

#include <QFileDialog>

#include <filesystem>

class SyncFolderPicker : public QFileDialog {
public:
    SyncFolderPicker(QWidget* parent, const QString& listName);

    // The folder picked, once the dialog was accepted.
    const std::filesystem::path& Folder() const { return m_folder; }

    void accept() override;

private:
    // Why `folder` cannot be a sync folder, or "" when it can.
    static QString Refusal(const std::filesystem::path& folder);

    std::filesystem::path m_folder;
};
