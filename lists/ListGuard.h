#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Keeps a list's progress attached to the right words when the word list is replaced under
// it. Progress is kept by position, so a new file copied over list/kelvo.lst would silently
// hand every word's progress to another word. Beside the session lies a copy of the list as
// it was last studied (session/studied.lst, with the list's modification time); a list that
// differs from it is rebased onto, from that copy.

#include <filesystem>
#include <string>

namespace ListGuard {

// Run before the program studies the list in `folder`, once list/ is prepared. An unchanged
// list (same size and modification time as the copy) costs two stat calls. Returns false,
// with `message` set, when the session could not be brought onto the new list; the session
// is then untouched. On success `message` holds a one-line summary of what changed, or is
// empty. A session without a copy yet (made before the guard) only gets its copy; a list
// being studied elsewhere is left alone, as the program will refuse to open it.
bool Check(const std::filesystem::path& folder, std::string& message);

// Takes list/kelvo.lst as the list the session now stands on: after the session was moved
// onto it by other means. requires: the session's lock, or no program on the folder.
bool Record(const std::filesystem::path& folder, std::string& error);

}  // namespace ListGuard
