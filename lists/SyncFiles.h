#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The small file and text helpers that the parts of a list's sync share: paths under a
// folder, the line and tab fields of the sync's own text files, folders made and files
// written or removed through the FileSystem the sync was given, so that a test's faults reach
// every one of them.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"

#include <filesystem>
#include <string>
#include <vector>

namespace SyncFiles {

// The path of `relative` under `folder`.
std::string Under(const std::filesystem::path& folder, const std::string& relative);

// The lines of `text`, without their ends ("\n" or "\r\n").
std::vector<std::string> SplitLines(const std::string& text);
// The tab-separated fields of `line`.
std::vector<std::string> SplitTabs(const std::string& line);

// Reads `path` into `bytes`: 0 with `bytes` empty when there is no such file, else 0 or why not.
int ReadIfThere(FileSystem& files, const std::string& path, std::string& bytes);

// Makes `relativeDir` and the folders on the way to it under `root`, which exists, as
// "mkdir -p" would: 0, or why not with `failed` naming the folder that could not be made.
int MakeFolders(FileSystem& files, const std::filesystem::path& root,
                const std::filesystem::path& relativeDir, std::string& failed);
// The same, with `error` naming the folder and the reason.
bool MakeDirectories(FileSystem& files, const std::filesystem::path& root,
                     const std::filesystem::path& relativeDir, std::string& error);

// Replaces `images` (paths relative to `root`), making the folders they need.
bool WriteUnder(FileSystem& files, const std::filesystem::path& root,
                const std::vector<FileImage>& images, std::string& error);

// Removes `dir` and all it holds, as far as it can; a link in it is removed, never followed.
void RemoveTree(FileSystem& files, const std::filesystem::path& dir);

}  // namespace SyncFiles
