#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Opens the progress module on the first request for its window, and never before: the
// module links the chart library, which start-up must not load. A missing or mismatched
// module gives no window and a reason a user can act on.

#include "platform/ModuleLoader.h"
#include "ui/progress/ProgressModule.h"

#include <QString>

class ProgressLoader {
public:
    // Where the program looks for the module: ../lib/quibbix/ from its own folder.
    static QString DefaultModulePath();

    explicit ProgressLoader(QString modulePath = DefaultModulePath());
    ProgressLoader(const ProgressLoader&) = delete;
    ProgressLoader& operator=(const ProgressLoader&) = delete;

    // A new window owned by the caller, or null with `error` saying why. The module stays
    // loaded once opened, since its windows' code lives in it.
    QDialog* Create(QWidget* parent, const ProgressWindowInput& input, QString& error);

private:
    ModuleLoader m_module;
    ProgressModule::CreateFunction m_create = nullptr;
};
