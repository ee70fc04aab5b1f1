#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What a sync folder holds, as its manifest says, and the base it names: the list's words and
// progress as it first joined, which every computer's replay starts from. The manifest is the
// one file of the folder that says what it holds:
//   quibbix-list 1
//   name<TAB>NAME
//   file<TAB>LENGTH<TAB>FNV-1a 64 in hex<TAB>PATH under base/, one line per base file
// so that a base still being copied into the folder is told from a whole one and waited for.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"
#include "sync/ListReplay.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace SyncManifest {

constexpr const char* kManifestName = "quibbix-list.txt";
// The folder of the sync folder that holds the base.
constexpr const char* kBaseDir = "base";

// One base file as the manifest names it.
struct ManifestFile {
    std::string path;  // relative to base/, "list/kelvo.lst", "session/known.txt", ...
    uint64_t length = 0;
    std::string checksum;
};

struct Manifest {
    std::string name;
    std::vector<ManifestFile> files;
};

// The session files the base holds of each direction: what the replay starts from. The time
// of use and the word on screen stay each computer's own.
std::vector<std::string> SessionBaseFiles();

std::string SerializeManifest(const Manifest& manifest);
// The manifest in `text`, read from the file `name`; false with `error` for one that is not a
// manifest, is of a newer format, holds a damaged line or names no list.
bool ParseManifest(const std::string& text, const std::string& name, Manifest& manifest,
                   std::string& error);

// The manifest of `syncFolder`: `present` is false for a folder with none, which is no error.
bool ReadManifest(FileSystem& files, const std::filesystem::path& syncFolder, bool& present,
                  Manifest& manifest, std::string& error);

// What a manifest names, read back; `notes` gets a line per file that has not arrived whole.
bool ReadBase(FileSystem& files, const std::filesystem::path& syncFolder, const Manifest& manifest,
              std::vector<FileImage>& images, std::vector<std::string>& notes);

// The base as the replay takes it: both directions under the session paths.
ListReplay::Base BaseOf(const std::vector<FileImage>& images);

// Files of the folder that are neither a sync engine's nor a list's.
std::vector<std::string> ForeignFiles(const std::vector<std::string>& names);

}  // namespace SyncManifest
