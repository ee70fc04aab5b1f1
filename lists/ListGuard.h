#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Keeps a list's progress attached to the right words when the word list is replaced under
// it. Progress is kept by position, so a new file copied over list/kelvo.lst would silently
// hand every word's progress to another word. Beside the session lies a copy of the list as
// it was last studied (session/studied.lst, with the list's modification time); a list that
// differs from it is rebased onto, from that copy. Every program that opens a list for study
// runs it first, once it holds the session's lock.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"
#include "lists/ListFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ListGuard {

// What a check has to tell, twice: `detail` names the files and the backups, for a terminal;
// `plain` says what happened and what to do in the learner's words, for a window. Both are
// empty when there is nothing to tell.
struct Notice {
    std::string detail;
    std::string plain;
};

// Readies the list in `folder` for study in `direction`: finishes or undoes an update a kill
// interrupted, then compares the list with the direction's copy. An unchanged list costs a
// few stat calls. Returns false, with `notice` set, when the session could not be brought
// onto the new list; the session is then untouched and must not be studied. On success
// `notice` holds a one-line summary of what changed, or is empty. A session without a copy
// yet (made before the copy was kept) only gets its copy; a copy that is damaged is kept as
// studied.lst.bad and the progress stays where it is, as it did before the copy was kept.
// The other direction comes along in the same change when its lock can be had; else its
// own copy brings it onto the list when it is next opened.
// requires: the direction's session lock (or no session yet).
bool Check(FileSystem& files, const std::filesystem::path& folder, ListFolder::Direction direction,
           Notice& notice);
// The same for the study window, whose first study of a list need not wait for the copy:
// `firstCopyLater` says that WriteFirstCopy is to be called once the window shows. Should
// it never come (a kill), the next check writes the copy, as for a session without one.
bool CheckForStudy(FileSystem& files, const std::filesystem::path& folder,
                   ListFolder::Direction direction, Notice& notice, bool& firstCopyLater);
void WriteFirstCopy(FileSystem& files, const std::filesystem::path& folder,
                    ListFolder::Direction direction);
// Forwards; the second with the detail alone in `message`.
bool Check(FileSystem& files, const std::filesystem::path& folder, Notice& notice);
bool Check(FileSystem& files, const std::filesystem::path& folder, std::string& message);
// Both directions, for a change of the words. requires: both sessions' locks.
bool CheckBoth(FileSystem& files, const std::filesystem::path& folder, Notice& notice);

// The studied copy to write in the same change as a new word list `listBytes`.
FileImage CopyImage(const std::string& listBytes,
                    ListFolder::Direction direction = ListFolder::Direction::kForwards);

// Gives the copy the list's modification time once both are in place, so that the next
// check compares stamps and reads neither. A copy left unstamped by a kill only costs the
// next check a comparison of the records.
void StampCopy(const std::filesystem::path& folder,
               ListFolder::Direction direction = ListFolder::Direction::kForwards);

}  // namespace ListGuard
