#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The last step before a list is studied: the defaults it lacks are copied in. Whether its
// word list was replaced since it was last studied the program itself checks, once it holds
// the list's lock, so that no way into a list can miss it.

#include "lists/ListStore.h"

#include <QWidget>

#include <filesystem>

namespace StudyCheck {

// Readies the list in `folder`. True when the list may be studied; the reason it may not is
// shown over `parent` and written to stderr.
bool Confirm(QWidget* parent, const ListStore& store, const std::filesystem::path& folder);

}  // namespace StudyCheck
