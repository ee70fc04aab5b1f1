#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The chooser's "Sync…": joining a list to a folder that a file-sync engine carries to the
// learner's other computers, and for a list joined already, syncing it now or stopping.

#include "lists/ListStore.h"

#include <QString>

#include <optional>
#include <string>

class QWidget;

namespace SyncFlow {

// Asks and does what the user chose for `list`, telling the outcome in a message. The name of
// the list to select once the chooser has read the lists again, when anything changed: `list`,
// or a list made here from the folder; nullopt when nothing changed.
std::optional<std::string> Run(QWidget* parent, ListStore& store, const ListSummary& list);

// The folder a list syncs through as the list table shows it (home as "~", escaped), or ""
// for a list that does not sync.
QString FolderShown(const std::filesystem::path& listFolder);

}  // namespace SyncFlow
