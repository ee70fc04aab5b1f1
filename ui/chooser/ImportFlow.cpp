// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/ImportFlow.h"

#include "engine/Escaped.h"
#include "lists/ListImporter.h"
#include "ui/chooser/RefusedDialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// The file's name, its words and what is said of them reach the user only through these two.
QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

QString Quoted(const std::string& text) { return QStringLiteral("“%1”").arg(Shown(text)); }

void Print(const std::string& text) {
    std::fprintf(stderr, "quibbix-launch: %s\n", Escaped(text).c_str());
}

void Fail(QWidget* parent, const ImportPlan& plan, const std::string& reason) {
    Print(plan.file.string() + ": " + reason);
    QMessageBox::critical(parent, QStringLiteral("Cannot Add This File"),
                          QStringLiteral("Quibbix cannot make a list from %1.\n\n%2")
                              .arg(Quoted(plan.file.filename().string()), Shown(reason)));
}

enum class Choice { kUpdate, kAddNew, kCancel };

Choice AskUpdateOrNew(QWidget* parent, const ImportPlan& plan, const ListSummary& existing) {
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("A List of This Name Exists"),
        existing.hasProgress
            ? QStringLiteral("You already have a list named %1, with progress.")
                  .arg(Quoted(existing.name))
            : QStringLiteral("You already have a list named %1.").arg(Quoted(existing.name)),
        QMessageBox::NoButton, parent);
    box.setInformativeText(
        QStringLiteral("Update it with the words of %1 and keep the progress of every word "
                       "that stays (its session is backed up first), or add the file as a new "
                       "list beside it?")
            .arg(Quoted(plan.file.filename().string())));
    QPushButton* update =
        box.addButton(QStringLiteral("&Update and Keep Progress"), QMessageBox::AcceptRole);
    update->setObjectName(QStringLiteral("updateButton"));
    QPushButton* addNew =
        box.addButton(QStringLiteral("Add as a &New List"), QMessageBox::ActionRole);
    addNew->setObjectName(QStringLiteral("addNewButton"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(update);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == update) return Choice::kUpdate;
    if (box.clickedButton() == addNew) return Choice::kAddNew;
    return Choice::kCancel;
}

}  // namespace

namespace ImportFlow {

std::optional<Result> Run(QWidget* parent, ListStore& store, const std::filesystem::path& file) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ImportPlan plan = ListImporter::Read(file);
    QApplication::restoreOverrideCursor();
    if (!plan.error.empty()) {
        Fail(parent, plan, plan.error);
        return std::nullopt;
    }
    for (const std::string& note : plan.notes) Print(file.string() + ": " + note);
    if (!plan.refused.empty() || plan.records.empty()) {
        if (plan.refused.empty()) {
            Fail(parent, plan, "It holds no words.");
            return std::nullopt;
        }
        RefusedDialog refused(plan, parent);
        if (refused.exec() != QDialog::Accepted || plan.records.empty()) return std::nullopt;
    }

    std::string name = plan.suggestedName;
    const std::optional<ListSummary> existing = store.Find(name);
    std::string error;
    // A list of that name is never changed without the user's word, progress or not: its
    // words may be the user's own.
    if (existing) {
        switch (AskUpdateOrNew(parent, plan, *existing)) {
            case Choice::kCancel:
                return std::nullopt;
            case Choice::kUpdate: {
                std::string report;
                if (!ListImporter::Update(store, plan, existing->name, report, error)) {
                    Fail(parent, plan, error);
                    return std::nullopt;
                }
                if (!report.empty()) {
                    Print(report);
                    QMessageBox::information(parent, QStringLiteral("List Updated"), Shown(report));
                }
                return Result{existing->folder, existing->name};
            }
            case Choice::kAddNew:
                break;
        }
    }
    name = store.FreeName(name);
    std::filesystem::path folder;
    if (!ListImporter::AddAsNew(store, plan, name, folder, error)) {
        Fail(parent, plan, error);
        return std::nullopt;
    }
    return Result{folder, name};
}

}  // namespace ImportFlow
