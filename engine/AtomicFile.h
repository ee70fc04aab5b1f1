#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Replaces files whole or not at all. Each file's bytes go to a temporary file of its own in
// the same directory (a fresh name, created exclusively, so neither a second program nor a
// planted link can redirect it), which is synced; only when every temporary file is written
// are they renamed over their targets, and the directory is synced after. A failure before
// the renames removes the temporary files and leaves every old file as it was. A file that
// exists but cannot be opened for writing is not replaced.
//
// Each function works on the given file system; without one, on DefaultFileSystem().

#include "engine/FileSystem.h"

#include <string>
#include <string_view>
#include <vector>

// One file to replace.
struct FileImage {
    std::string path;
    std::string bytes;
    // When set, the bytes to write instead of `bytes`: a text several files of one change
    // hold alike (a word list and its studied copies, 15 MB each at 65,534 words), held once
    // by the caller, which keeps it until the change is written.
    const std::string* sharedBytes = nullptr;

    const std::string& Bytes() const { return sharedBytes ? *sharedBytes : bytes; }
};

// Why a replace failed: which file, and the errno value.
struct FileError {
    std::string path;
    int error = 0;

    // "PATH: reason", for a message to the user.
    std::string Describe() const;
};

// The reason an errno value gives, in words a user can act on.
std::string DescribeError(int error);

// Replaces every file of `images`, in order; true when all now hold their bytes. On false,
// `error` names the first file that failed.
bool ReplaceFiles(FileSystem& files, const std::vector<FileImage>& images, FileError& error);

// The same for one file.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// For a small fixed-size record that is rewritten after every step: when `path` already holds
// exactly bytes.size() bytes, overwrites them in place with one write, which a crash cannot
// tear and which needs no new disk blocks; otherwise replaces the file as above. Replacing by
// rename costs a data flush on ext4 each time, far more than the step itself. The in-place
// write is not synced: a power cut may cost the last step, never the file.
bool OverwriteFixedSizeFile(FileSystem& files, const std::string& path, std::string_view bytes);

// Removes the temporary files that a program ended in the middle of a save left in
// `directory`. requires: no other program is saving there (the folder lock).
void RemoveStaleTemporaries(FileSystem& files, const std::string& directory);

// Reads a whole file; returns false when it cannot be opened or read.
bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);
