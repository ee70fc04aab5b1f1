#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Opens one of the program's modules (the progress window, the Words window) on the first
// request for it, and never before: each links libraries that start-up must not load. A
// missing or mismatched module gives no entry point and a reason a user can act on.

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

class ModuleLoader {
    Q_DECLARE_TR_FUNCTIONS(ModuleLoader)

public:
    // Where the program looks for a module: ../lib/quibbix/ from its bin folder.
    static QString PathOf(const char* fileName);

    explicit ModuleLoader(QString modulePath) : m_library(modulePath) {}
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // The entry point `symbol` once the module's `versionSymbol` gives `version`, or null with
    // `error` saying why. The module stays loaded once opened, since its windows' code lives
    // in it.
    QFunctionPointer Entry(const char* versionSymbol, int version, const char* symbol,
                           QString& error);

private:
    QLibrary m_library;
};
