// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/StudyCheck.h"

#include "engine/Escaped.h"
#include "ui/chooser/ImportFlow.h"

#include <QCoreApplication>

#include <cstdio>

#include "windowfit/PlainMessageBox.h"

namespace StudyCheck {

bool Confirm(QWidget* parent, const ListStore& store, const std::filesystem::path& folder) {
    std::string message;
    if (store.Prepare(folder, message)) return true;
    std::fprintf(stderr, "quibbix-launch: %s\n", Escaped(message).c_str());
    PlainMessageBox::Critical(parent,
                              QCoreApplication::translate("StudyCheck", "Cannot Study This List"),
                              ImportFlow::ForWindow(message));
    return false;
}

}  // namespace StudyCheck
