#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the program and the progress module agree on. The module holds the window with its
// charts and is the only part of the program that links the chart library, so it is opened
// (with QLibrary) when the window is first asked for, never at start-up. Both sides are
// built from this header in one build; the version guards against a module left from
// another one.

#include "engine/HistoryFile.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QDialog;
class QWidget;

struct ProgressWindowInput {
    std::vector<HistoryDay> days;
    // "YYYY-MM-DD": the day the streak and the 90 days of minutes end with.
    std::string today;
    // Asks where to export the history; an empty path means the user cancelled. Left empty,
    // a file dialog asks.
    std::function<QString(QWidget* parent)> chooseExportPath;
    // Tells the user that the export failed. Left empty, a message box tells.
    std::function<void(QWidget* parent, const QString& text)> showError;
};

namespace ProgressModule {

constexpr int kVersion = 1;
// The module's file name, and its folder relative to the program's own.
constexpr const char* kFileName = "quibbix-progress.so";
constexpr const char* kVersionSymbol = "QuibbixProgressModuleVersion";
constexpr const char* kCreateSymbol = "QuibbixCreateProgressWindow";

using VersionFunction = int (*)();
// A new window for `input`, which it copies; the caller owns the window.
using CreateFunction = QDialog* (*)(QWidget* parent, const ProgressWindowInput& input);

}  // namespace ProgressModule
