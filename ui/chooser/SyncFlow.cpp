// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/SyncFlow.h"

#include "engine/Escaped.h"
#include "lists/ListSync.h"
#include "ui/chooser/ImportFlow.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace SyncFlow {
namespace {

QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

// What arrived and what could not be read, for the message after a join or a sync.
QString Arrived(const ListSync::Report& report, const QString& nothing) {
    QStringList lines;
    const std::string line = report.Line();
    lines << (line.empty() ? nothing : Shown(line) + QLatin1Char('.'));
    for (const std::string& note : report.notes) lines << Shown(note);
    return lines.join(QLatin1Char('\n'));
}

bool Join(QWidget* parent, ListStore& store, const ListSummary& list) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent, QStringLiteral("Sync “%1” Through a Folder").arg(Shown(list.name)),
        QDir::homePath());
    if (folder.isEmpty()) return false;
    ListSync::Report report;
    std::string error;
    if (!ListSync::Join(store.DataHome(), list.folder, folder.toStdString(), report, error)) {
        QMessageBox::warning(
            parent, QStringLiteral("Cannot Sync"),
            QStringLiteral("“%1” cannot sync through %2.\n\n%3")
                .arg(Shown(list.name), Shown(folder.toStdString()), ImportFlow::ForWindow(error)));
        return false;
    }
    QMessageBox::information(
        parent, QStringLiteral("Sync"),
        QStringLiteral("“%1” now syncs through %2.\n\n%3\n\nOn your other computers, once the "
                       "folder has arrived there, choose Sync… with the same folder.")
            .arg(Shown(list.name), FolderShown(list.folder),
                 Arrived(report, QStringLiteral("Its words and progress are in the folder."))));
    return true;
}

// For a joined list: sync now, stop syncing, or leave it as it is.
bool SyncOrLeave(QWidget* parent, ListStore& store, const ListSummary& list) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Sync"),
        QStringLiteral("“%1” syncs through %2.").arg(Shown(list.name), FolderShown(list.folder)),
        QMessageBox::NoButton, parent);
    box.setInformativeText(
        QStringLiteral("It syncs whenever it is opened or saved. Stopping keeps the folder and "
                       "the list's progress as they are."));
    QPushButton* now = box.addButton(QStringLiteral("Sync &Now"), QMessageBox::AcceptRole);
    now->setObjectName(QStringLiteral("syncNowButton"));
    QPushButton* leave =
        box.addButton(QStringLiteral("&Stop Syncing"), QMessageBox::DestructiveRole);
    leave->setObjectName(QStringLiteral("stopSyncingButton"));
    box.setDefaultButton(now);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    std::string error;
    if (box.clickedButton() == leave) {
        if (ListSync::Leave(list.folder, error)) return true;
        QMessageBox::warning(parent, QStringLiteral("Cannot Stop Syncing"),
                             QStringLiteral("“%1” still syncs.\n\n%2")
                                 .arg(Shown(list.name), ImportFlow::ForWindow(error)));
        return false;
    }
    if (box.clickedButton() != now) return false;
    ListSync::Report report;
    // Nothing is studied here: no answers to add, and the word on screen is the one a study
    // window left in the session.
    const ListFolder::Direction forwards = ListFolder::Direction::kForwards;
    if (!ListSync::Sync(store.DataHome(), list.folder, forwards, {},
                        ListSync::WordOnScreen(list.folder, forwards), report, error)) {
        QMessageBox::warning(parent, QStringLiteral("Cannot Sync"),
                             QStringLiteral("“%1” was not synced.\n\n%2")
                                 .arg(Shown(list.name), ImportFlow::ForWindow(error)));
        return false;
    }
    QMessageBox::information(
        parent, QStringLiteral("Sync"),
        Arrived(report, QStringLiteral("Nothing new arrived from other computers.")));
    return report.sessionChanged || report.listChanged;
}

}  // namespace

bool Run(QWidget* parent, ListStore& store, const ListSummary& list) {
    return ListSync::IsJoined(list.folder) ? SyncOrLeave(parent, store, list)
                                           : Join(parent, store, list);
}

QString FolderShown(const std::filesystem::path& listFolder) {
    if (!ListSync::IsJoined(listFolder)) return {};
    QString path = QString::fromStdString(ListSync::FolderOf(listFolder).string());
    const QString home = QDir::homePath();
    if (path.startsWith(home + QLatin1Char('/'))) path.replace(0, home.size(), QStringLiteral("~"));
    return Shown(path.toStdString());
}

}  // namespace SyncFlow
