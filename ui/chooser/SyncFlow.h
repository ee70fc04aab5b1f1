#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The chooser's "Sync…": joining a list to a folder that a file-sync engine carries to the
// learner's other computers, and for a list joined already, syncing it now or stopping.

#include "lists/ListStore.h"

#include <QString>

class QWidget;

namespace SyncFlow {

// Asks and does what the user chose for `list`, telling the outcome in a message. True when
// the list's sync state or its words or progress changed, so that the chooser reads it again.
bool Run(QWidget* parent, ListStore& store, const ListSummary& list);

// The folder a list syncs through as the list table shows it (home as "~", escaped), or ""
// for a list that does not sync.
QString FolderShown(const std::filesystem::path& listFolder);

}  // namespace SyncFlow
