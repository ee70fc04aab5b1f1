// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/SyncFlow.h"

#include "engine/Escaped.h"
#include "lists/ListGuard.h"
#include "lists/ListSync.h"
#include "ui/chooser/ImportFlow.h"
#include "ui/chooser/SyncFolderPicker.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>

#include "windowfit/PlainMessageBox.h"

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

// Asks `question` with one button `yes` besides Cancel, which is the default; true when the
// user chose it. Joining is what the learner came to the folder for.
bool Confirm(QWidget* parent, const QString& question, const QString& detail, const QString& yes,
             const char* yesName) {
    PlainMessageBox box(QMessageBox::Question, QCoreApplication::translate("SyncFlow", "Sync"),
                        question, QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    QPushButton* accept = box.addButton(yes, QMessageBox::AcceptRole);
    accept->setObjectName(QLatin1String(yesName));
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(accept);
    box.exec();
    return box.clickedButton() == accept;
}

// The list to join to `folder`. A folder that holds a list from another computer makes a list
// here by that list's name, never the one selected under another name: joining replaces
// what a list holds. nullopt when the user declined or the list could not be made (told).
std::optional<ListSummary> ListToJoin(QWidget* parent, ListStore& store, const ListSummary& list,
                                      const std::filesystem::path& folder) {
    std::string words;
    const std::string name = ListSync::ListNameIn(folder, words);
    // An empty folder takes the selected list; one still arriving is refused by the join.
    if (name.empty()) return list;
    const QString shown = Shown(name);
    std::optional<ListSummary> here = store.Find(name);
    if (here && ListSync::IsJoined(here->folder)) return here;  // the join tells where it syncs
    if (here) {
        if (!Confirm(parent,
                     QCoreApplication::translate("SyncFlow",
                                                 "The folder holds “%1” from another computer.")
                         .arg(shown),
                     QCoreApplication::translate(
                         "SyncFlow",
                         "“%1” here is made from it, words and progress; what it "
                         "holds now goes to the trash first.")
                         .arg(Shown(here->name)),
                     QCoreApplication::translate("SyncFlow", "&Replace"), "replaceListButton"))
            return std::nullopt;
        return here;
    }
    if (!Confirm(
            parent,
            QCoreApplication::translate("SyncFlow", "The folder holds “%1” from another computer.")
                .arg(shown),
            QCoreApplication::translate(
                "SyncFlow",
                "It is added here as a new list, with its words and progress, "
                "and “%1” stays as it is.")
                .arg(Shown(list.name)),
            QCoreApplication::translate("SyncFlow", "&Add “%1”").arg(shown), "addSyncedListButton"))
        return std::nullopt;
    std::string error;
    if (words.empty()) error = "the list is still arriving; try again once it is whole";
    if (error.empty())
        store.Create(name, {{ListFolder::kWordListFile, words}, ListGuard::CopyImage(words)},
                     error);
    if (!error.empty()) {
        PlainMessageBox::Warning(
            parent, QCoreApplication::translate("SyncFlow", "Cannot Sync"),
            QCoreApplication::translate("SyncFlow", "“%1” was not added.\n\n%2")
                .arg(shown, ImportFlow::ForWindow(error)));
        return std::nullopt;
    }
    return store.Find(name);
}

std::optional<std::string> Join(QWidget* parent, ListStore& store, const ListSummary& selected) {
    SyncFolderPicker picker(parent, Shown(selected.name));
    if (picker.exec() != QDialog::Accepted) return std::nullopt;
    const std::filesystem::path folder = picker.Folder();
    std::string words;
    const bool isFirst = ListSync::ListNameIn(folder, words).empty();
    const std::optional<ListSummary> list = ListToJoin(parent, store, selected, folder);
    if (!list) return std::nullopt;
    ListSync::Report report;
    std::string error;
    if (!ListSync::Join(store.DataHome(), list->folder, folder, report, error)) {
        PlainMessageBox::Warning(
            parent, QCoreApplication::translate("SyncFlow", "Cannot Sync"),
            QCoreApplication::translate("SyncFlow", "“%1” cannot sync through %2.\n\n%3")
                .arg(Shown(list->name), Shown(folder.string()), ImportFlow::ForWindow(error)));
        // A list made for the join stays, to be joined again once the folder is whole.
        return list->name == selected.name ? std::nullopt : std::optional(list->name);
    }
    const QString done = QCoreApplication::translate("SyncFlow", "“%1” now syncs through %2.")
                             .arg(Shown(list->name), FolderShown(list->folder));
    PlainMessageBox::Information(
        parent, QCoreApplication::translate("SyncFlow", "Sync"),
        isFirst ? done + QCoreApplication::translate(
                             "SyncFlow",
                             "\n\nOn your other computers, once the folder has "
                             "arrived there, choose Sync… with the same folder.")
                : done +
                      QCoreApplication::translate(
                          "SyncFlow", "\n\nIts words and progress came from the folder. ") +
                      Arrived(report, QString()));
    return list->name;
}

// For a joined list: sync now, stop syncing, or leave it as it is.
std::optional<std::string> SyncOrLeave(QWidget* parent, ListStore& store, const ListSummary& list) {
    PlainMessageBox box(QMessageBox::Question, QCoreApplication::translate("SyncFlow", "Sync"),
                        QCoreApplication::translate("SyncFlow", "“%1” syncs through %2.")
                            .arg(Shown(list.name), FolderShown(list.folder)),
                        QMessageBox::NoButton, parent);
    box.setInformativeText(QCoreApplication::translate(
        "SyncFlow",
        "It syncs whenever it is opened or saved. Stopping keeps the folder and "
        "the list's progress as they are."));
    QPushButton* now = box.addButton(QCoreApplication::translate("SyncFlow", "Sync &Now"),
                                     QMessageBox::AcceptRole);
    now->setObjectName(QStringLiteral("syncNowButton"));
    QPushButton* leave = box.addButton(QCoreApplication::translate("SyncFlow", "&Stop Syncing"),
                                       QMessageBox::DestructiveRole);
    leave->setObjectName(QStringLiteral("stopSyncingButton"));
    box.setDefaultButton(now);
    box.addButton(QMessageBox::Cancel);
    box.exec();
    std::string error;
    if (box.clickedButton() == leave) {
        if (ListSync::Leave(list.folder, error)) return list.name;
        PlainMessageBox::Warning(parent,
                                 QCoreApplication::translate("SyncFlow", "Cannot Stop Syncing"),
                                 QCoreApplication::translate("SyncFlow", "“%1” still syncs.\n\n%2")
                                     .arg(Shown(list.name), ImportFlow::ForWindow(error)));
        return std::nullopt;
    }
    if (box.clickedButton() != now) return std::nullopt;
    ListSync::Report report;
    // Nothing is studied here: no answers to add, and the word on screen is the one a study
    // window left in the session.
    const ListFolder::Direction forwards = ListFolder::Direction::kForwards;
    if (!ListSync::Sync(store.DataHome(), list.folder, forwards, {},
                        ListSync::WordOnScreen(list.folder, forwards), report, error)) {
        PlainMessageBox::Warning(
            parent, QCoreApplication::translate("SyncFlow", "Cannot Sync"),
            QCoreApplication::translate("SyncFlow", "“%1” was not synced.\n\n%2")
                .arg(Shown(list.name), ImportFlow::ForWindow(error)));
        return std::nullopt;
    }
    PlainMessageBox::Information(
        parent, QCoreApplication::translate("SyncFlow", "Sync"),
        Arrived(report, QCoreApplication::translate("SyncFlow",
                                                    "Nothing new arrived from other computers.")));
    if (report.sessionChanged || report.listChanged) return list.name;
    return std::nullopt;
}

}  // namespace

std::optional<std::string> Run(QWidget* parent, ListStore& store, const ListSummary& list) {
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
