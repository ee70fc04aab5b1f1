#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Changes several files of one list folder all or nothing: a list's words, its session files,
// their backups and the studied copy must never be found half old and half new, or progress
// would stand on the wrong words. The new files are written and synced in a folder beside the
// session together with a journal naming their places; one rename of that folder is the
// moment of change, after which the files are renamed into place. Whoever next opens the list
// finishes a change that was renamed, or throws away one that was not, once.
//
//   session/.update-new/   being written: thrown away on recovery
//   session/.update/       decided: its files are renamed into place on recovery
//       journal            "quibbix-update 1", then "N<TAB>PATH" per file, then "end"
//       0, 1, ...          the new files, PATH relative to the list folder

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"

#include <filesystem>
#include <string>
#include <vector>

class ListTransaction {
public:
    // `sessionDir` is the list's session/; the folder holding it is the list folder, which
    // every path is relative to. `files` must outlive the object.
    // requires: the session's lock, so that no other program changes or studies the list.
    ListTransaction(FileSystem& files, const std::filesystem::path& sessionDir);

    // True when a change was left by a program that ended in the middle of it.
    bool IsPending() const;

    // Finishes a decided change, throws away an undecided one. False with `error` when a
    // leftover could not be settled; nothing may then be changed in the folder.
    bool Recover(FileError& error);

    // Replaces or creates every file of `images` (paths relative to the folder, inside it)
    // at once. True only when everything is on the disk. On false `error` says why; the
    // folder then holds the old files, or the new ones if the failure came after the moment
    // of change (the next Recover completes it).
    bool Commit(const std::vector<FileImage>& images, FileError& error);

private:
    std::string Path(const std::string& relative) const;
    bool Finish(FileError& error);
    bool Discard(const std::string& dir, FileError& error);

    FileSystem& m_files;
    std::filesystem::path m_folder;
    std::string m_session;
};
