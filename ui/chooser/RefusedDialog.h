#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Shows the entries of a file that cannot be taken into a list, each with its line and the
// whole reason, before anything is created: the user skips them and adds the rest, has texts
// too long for their field cut to fit, or cancels.

#include "lists/ListImporter.h"

#include <QCoreApplication>
#include <QDialog>

class RefusedDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(RefusedDialog)

public:
    // What exec() returns when the user asks for the texts to be cut to fit.
    static constexpr int kCutToFit = 2;

    // With nothing left to add once the refused entries are skipped, only Cancel is offered
    // (and cutting, unless the entries were cut already).
    RefusedDialog(const ImportPlan& plan, QWidget* parent = nullptr);
};
