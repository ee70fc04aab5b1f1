#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// From a file the user brings to a list: reads it, asks for its encoding when that was only
// guessed unsurely or not found, and whether a first row of column titles is to be skipped,
// shows what would be refused, asks whether a list of the same name (in any case) is to be
// updated or kept beside the new one, then creates or updates the list. Nothing is created
// when the user cancels or the file cannot be imported; every failure is told in a message
// box.

#include "lists/ListStore.h"

#include <QWidget>

#include <filesystem>
#include <optional>
#include <string>

namespace ImportFlow {

struct Result {
    std::filesystem::path folder;  // the list to study
    std::string name;
};

// The list made or updated from `file`; nullopt when cancelled or failed (already told).
std::optional<Result> Run(QWidget* parent, ListStore& store, const std::filesystem::path& file);

// A message of the importers or the list store as a window shows it: in the learner's words
// (what to change in the file rather than a command-line option, what a format is rather
// than its short name), as a sentence, escaped. The terminal keeps the message as it was.
QString ForWindow(const std::string& text);

}  // namespace ImportFlow
