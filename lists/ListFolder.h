#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where everything of a learner's lists lies: the files of one list folder, the folders of
// the data folder, the names of folders being built or taken apart, and the lock that keeps a
// change away from a list being studied. The one place that spells the layout; the store, the
// importer, the guard, the rebaser and the programs all ask it.
//
//   DATA/                     the data folder, which is also the first list
//       name.txt              a list's name, its first line
//       list/kelvo.lst        the words; list/ also holds pictures, sound and settings
//       session/              the progress (engine/SessionFiles), and:
//           studied.lst       the word list as the session last stood on it
//           .update/          an update of several files being decided (ListTransaction)
//       session-reverse/      the same for studying backwards, definition first
//       lists/NAME/           further lists, laid out as above
//       lists/.new-*          a list being built
//       lists/.removing-*     the first list's parts on their way to the trash

#include <filesystem>
#include <string>

#include "posix/FolderLock.h"

namespace ListFolder {

// Paths relative to a list folder, as a transaction names them.
constexpr const char* kListDir = "list";
constexpr const char* kWordListFile = "list/kelvo.lst";
// The languages the list is spoken in, and whether each word is (ui/speech/SpeechSettings).
constexpr const char* kSpeechFile = "list/speech.cfg";
constexpr const char* kNameFile = "name.txt";
constexpr const char* kStudiedCopyFile = "session/studied.lst";
// Its name has no ".tmp-" in it, so the program's cleanup of interrupted saves leaves it,
// and it is none of the session files a rebase reads or backs up.
constexpr const char* kStudiedCopyName = "studied.lst";
// In the data folder.
constexpr const char* kListsDir = "lists";
// Folders in lists/ that are no lists; every name starting with '.' is skipped.
constexpr const char* kStagingPrefix = ".new-";
constexpr const char* kRemovingPrefix = ".removing-";

// Which way a list is studied: from the word to its definition, or backwards, from the
// definition to the word. Each keeps its own progress, in a session folder of its own with
// the same files; a change of the words must carry both.
enum class Direction { kForwards, kBackwards };
constexpr Direction kDirections[] = {Direction::kForwards, Direction::kBackwards};
constexpr const char* kReverseSessionDir = "session-reverse";

// "session" or "session-reverse", relative to the list folder.
const char* SessionName(Direction direction);
Direction Other(Direction direction);
std::filesystem::path Session(const std::filesystem::path& folder, Direction direction);
// The studied copy of a direction, relative to the list folder and in it.
std::string StudiedCopyFile(Direction direction);
std::filesystem::path StudiedCopy(const std::filesystem::path& folder, Direction direction);
bool HasSession(const std::filesystem::path& folder, Direction direction);
// This computer's side of a synced list, in the list folder: it goes wherever the list goes.
constexpr const char* kSyncSideDir = "sync";

// Takes the lock of the session a program studies: kHeldElsewhere when another program
// studies it. A sync of the list holds both directions' sessions for a moment, and the sync
// side while it does: a program starting then waits for it instead of refusing to start.
FolderLock::Result LockForStudy(const std::filesystem::path& folder, Direction direction,
                                FolderLock& lock, int& error);
// Takes the lock of one direction's session, as LockForChange below does for the list.
bool LockForChange(const std::filesystem::path& folder, Direction direction, FolderLock& lock,
                   std::string& error);

std::filesystem::path WordList(const std::filesystem::path& folder);  // list/kelvo.lst
std::filesystem::path ListDir(const std::filesystem::path& folder);   // list/
std::filesystem::path Session(const std::filesystem::path& folder);   // session/
std::filesystem::path NameFile(const std::filesystem::path& folder);  // name.txt
std::filesystem::path StudiedCopy(const std::filesystem::path& folder);
std::filesystem::path ListsDir(const std::filesystem::path& dataHome);  // lists/
// The data folder a list folder belongs to: the one above its lists/, else the folder itself
// (the first list). By the path alone, so that it costs a program's start nothing.
std::filesystem::path DataHomeOf(const std::filesystem::path& folder);

// The folder a session directory belongs to ("." for a relative "session"), and the session
// directory's own name in it.
std::filesystem::path OfSession(const std::filesystem::path& sessionDir);
std::string NameOfSession(const std::filesystem::path& sessionDir);

// A session exists: the to-be-viewed file alone decides, as for the program. Forwards.
bool HasSession(const std::filesystem::path& folder);

// Takes the forwards session's lock for a change to the list; false with `error` set when the
// program (or a tool) is working on it. A folder without a session, or a file system without
// locks, is let through: there is nothing to guard, or no way to.
bool LockForChange(const std::filesystem::path& folder, FolderLock& lock, std::string& error);

}  // namespace ListFolder
