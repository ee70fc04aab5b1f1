#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Moves a file or folder to the desktop's trash as the freedesktop.org trash standard lays
// out: the item under files/, an info/NAME.trashinfo beside it naming where it came from and
// when, so that a file manager can restore it. Nothing is ever copied or deleted: the item is
// renamed, so the trash must be on the item's file system.

#include "engine/FileSystem.h"

#include <filesystem>
#include <string>

namespace Trash {

// Moves `item` into `trashDir` under `wantedName` (else "wantedName.2" and so on, whichever
// is free); `originalPath` is where a restore puts it back, usually `item` itself. On false
// `error` says why and nothing has moved.
bool Put(FileSystem& files, const std::filesystem::path& trashDir,
         const std::filesystem::path& item, const std::filesystem::path& originalPath,
         const std::string& wantedName, std::filesystem::path& trashed, std::string& error);

// `path` percent-encoded as the .trashinfo Path key wants it.
std::string EncodePath(const std::string& path);

}  // namespace Trash
