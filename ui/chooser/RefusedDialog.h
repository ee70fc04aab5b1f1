#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Shows the entries of a file that cannot be taken into a list, each with its line and the
// reason, before anything is created: the user skips them and adds the rest, or cancels.

#include "lists/ListImporter.h"

#include <QCoreApplication>
#include <QDialog>

class RefusedDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(RefusedDialog)

public:
    // With nothing left to add once the refused entries are skipped, only Cancel is offered.
    RefusedDialog(const ImportPlan& plan, QWidget* parent = nullptr);
};
