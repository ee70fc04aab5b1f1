#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The last step before a list is studied: the defaults it lacks are copied in, and its word
// list may have been replaced since it was last studied, when its progress must first be
// moved onto the new words. The user is told what changed, or why the list cannot be studied.

#include <QWidget>

#include <filesystem>

#include "lists/ListStore.h"

namespace StudyCheck {

// Readies the list in `folder` and runs the list guard on it. True when the list may be
// studied; a summary of what changed, or the reason it may not, is shown over `parent` and
// written to stderr.
bool Confirm(QWidget* parent, const ListStore& store, const std::filesystem::path& folder);

// The same messages, for a guard that the launcher already ran.
void ShowNotice(QWidget* parent, const QString& text);
void ShowFailure(QWidget* parent, const QString& text);

}  // namespace StudyCheck
