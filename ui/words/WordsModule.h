#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What the study window and the Words module agree on. The module holds the Words window with
// the list library and its importers, which start-up must not load, so the study window opens
// it (with QLibrary) only when the learner asks for the words. Both sides are built from this
// header in one build; the version guards against a module left from another one.

#include <string>

class QWidget;

struct WordsEditRequest {
    bool isBackwards = false;  // the direction the study window studies, whose lock it holds
    int focusRecord = -1;      // the word on screen: its record in list/kelvo.lst; -1 for none
};

struct WordsEditResult {
    bool isChanged = false;  // the list's words were saved changed
    // Where the study goes on in the saved list: the focus word's record, or the record of the
    // word after it when it was deleted; -1 without a focus or a save.
    int focusRecord = -1;
    std::string error;  // why the window could not open; empty when it did
};

namespace WordsModule {

constexpr int kVersion = 2;
constexpr const char* kFileName = "quibbix-words.so";
constexpr const char* kVersionSymbol = "QuibbixWordsModuleVersion";
constexpr const char* kEditSymbol = "QuibbixEditWords";

using VersionFunction = int (*)();
// Runs the Words window modally on the list in the working directory.
using EditFunction = void (*)(QWidget* parent, const WordsEditRequest& request,
                              WordsEditResult& result);

}  // namespace WordsModule
