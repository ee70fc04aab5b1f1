// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/StudyCheck.h"

#include "engine/Escaped.h"

#include <QMessageBox>

#include <cstdio>

namespace StudyCheck {

bool Confirm(QWidget* parent, const ListStore& store, const std::filesystem::path& folder) {
    std::string message;
    if (store.Prepare(folder, message)) return true;
    message = Escaped(message);
    std::fprintf(stderr, "quibbix-launch: %s\n", message.c_str());
    QMessageBox::critical(parent, QStringLiteral("Cannot Study This List"),
                          QString::fromStdString(message));
    return false;
}

}  // namespace StudyCheck
