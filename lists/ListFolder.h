#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the files of one list folder lie, and the lock that keeps a change away from a list
// being studied; shared by the store, the importer and the guard so that they agree.

#include "platform/FolderLock.h"

#include <filesystem>
#include <string>

namespace ListFolder {

std::filesystem::path WordList(const std::filesystem::path& folder);  // list/kelvo.lst
std::filesystem::path Session(const std::filesystem::path& folder);   // session/
std::filesystem::path NameFile(const std::filesystem::path& folder);  // name.txt
// The copy of the word list as it was last studied, which the guard keeps.
std::filesystem::path StudiedCopy(const std::filesystem::path& folder);
// A session exists: the to-be-viewed file alone decides, as for the program.
bool HasSession(const std::filesystem::path& folder);

// Takes the session's lock for a change to the list; false with `error` set when the program
// (or a tool) is working on it. A folder without a session, or a file system without locks,
// is let through: there is nothing to guard, or no way to.
bool LockForChange(const std::filesystem::path& folder, FolderLock& lock, std::string& error);

}  // namespace ListFolder
