// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/SyncFolderPicker.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "lists/ListSync.h"
#include "lists/SyncManifest.h"

#include <QCoreApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>

#include "posix/PosixFileSystem.h"
#include "windowfit/PlainMessageBox.h"

namespace fs = std::filesystem;

namespace {

QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

}  // namespace

SyncFolderPicker::SyncFolderPicker(QWidget* parent, const QString& listName)
    : QFileDialog(
          parent,
          QCoreApplication::translate("SyncFlow", "Sync “%1” Through a Folder").arg(listName),
          QDir::homePath()) {
    // Qt's own dialog, which has room for the advice and makes folders.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::ShowDirsOnly);
    setFileMode(QFileDialog::Directory);
    auto* advice = new QLabel(
        QCoreApplication::translate(
            "SyncFlow",
            "Pick an empty folder inside the folder your sync program shares (Syncthing, "
            "Nextcloud, Dropbox…), or, on another computer, the folder the first one made for "
            "this list. A name typed that is not there yet becomes a new folder."),
        this);
    advice->setObjectName(QStringLiteral("syncFolderAdvice"));
    advice->setWordWrap(true);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(advice, grid->rowCount(), 0, 1, grid->columnCount());
}

QString SyncFolderPicker::Refusal(const fs::path& folder) {
    std::vector<std::string> names;
    if (const int failure = PosixFileSystem::Instance().ListDirectory(folder.string(), names))
        return QString::fromStdString(FileError{folder.string(), failure}.Describe());
    std::string words;
    if (!ListSync::ListNameIn(folder, words).empty()) return {};
    const std::vector<std::string> foreign = SyncManifest::ForeignFiles(names);
    if (foreign.empty()) return {};
    return QCoreApplication::translate(
               "SyncFlow",
               "%1 holds files that are no Quibbix list's, such as “%2”. Pick an empty folder, "
               "or the folder another computer made for this list.")
        .arg(Shown(folder.string()), Shown(foreign.front()));
}

void SyncFolderPicker::accept() {
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty()) return;
    const fs::path folder = chosen.front().toStdString();
    std::error_code error;
    QString refusal;
    if (!fs::exists(folder, error)) {
        if (!fs::create_directories(folder, error))
            refusal =
                QCoreApplication::translate("SyncFlow", "%1 cannot be made: %2")
                    .arg(Shown(folder.string()), QString::fromLocal8Bit(error.message().c_str()));
    } else {
        refusal = Refusal(folder);
    }
    if (!refusal.isEmpty()) {
        PlainMessageBox::Warning(this, QCoreApplication::translate("SyncFlow", "Not This Folder"),
                                 refusal);
        return;
    }
    m_folder = folder;
    QDialog::accept();
}
