// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/StudyCheck.h"

#include <QMessageBox>

#include <cstdio>

#include "lists/ListGuard.h"

namespace StudyCheck {

bool Confirm(QWidget* parent, const ListStore& store, const std::filesystem::path& folder) {
    std::string message;
    if (!store.Prepare(folder, message)) {
        std::fprintf(stderr, "quibbix-launch: %s\n", message.c_str());
        QMessageBox::critical(parent, QStringLiteral("Cannot Study This List"),
                              QString::fromStdString(message));
        return false;
    }
    const bool ok = ListGuard::Check(folder, message);
    if (!ok) {
        ShowFailure(parent, QString::fromStdString(message));
    } else if (!message.empty()) {
        ShowNotice(parent, QString::fromStdString(message));
    }
    return ok;
}

void ShowNotice(QWidget* parent, const QString& text) {
    std::fprintf(stderr, "quibbix-launch: %s\n", qPrintable(text));
    QMessageBox::information(parent, QStringLiteral("Word List Changed"), text);
}

void ShowFailure(QWidget* parent, const QString& text) {
    std::fprintf(stderr, "quibbix-launch: %s\n", qPrintable(text));
    QMessageBox::critical(parent, QStringLiteral("Cannot Study This List"),
                          QStringLiteral("This list cannot be studied now: its word list "
                                         "changed and its progress could not be kept.\n\n") +
                              text);
}

}  // namespace StudyCheck
