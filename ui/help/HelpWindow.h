#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The learner's help: how to study, the keys, breaks, where progress is kept and how to add a
// list. It is read from the program's own resources, so it needs neither a network nor a
// browser, and it stays open beside the window it came from while the learner reads on.

#include <QCoreApplication>
#include <QDialog>

class HelpWindow : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(HelpWindow)

public:
    static constexpr char kTitle[] = QT_TR_NOOP("Quibbix Help");

    explicit HelpWindow(QWidget* parent = nullptr);

    // Makes F1 anywhere in `window` show its help. The key is an action of the window, so it
    // lives as long as the window does and survives the window rebuilding its controls.
    static void InstallShortcut(QWidget* window);
    // Shows the help of `window`: made at the first use, raised when it is open already.
    static HelpWindow* ShowFor(QWidget* window);
};
