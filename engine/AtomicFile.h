#pragma once
// Replaces a file whole or not at all: the bytes go to a temporary file in the same directory,
// which is flushed, closed and renamed over the target. A crash or a full disk in the middle
// leaves the previous file as it was; a failure removes the temporary file. A file that exists
// but cannot be opened for writing is not replaced.
//
// Each function works on the given file system; without one, on the real files.

#include "engine/FileSystem.h"

#include <string>
#include <string_view>

// Returns true when `path` now holds exactly `bytes`.
bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

// For a small fixed-size record that is rewritten after every step: when `path` already holds
// exactly bytes.size() bytes, overwrites them in place with one write, which a crash cannot
// tear and which needs no new disk blocks; otherwise replaces the file as above. Replacing by
// rename costs a data flush on ext4 each time, far more than the step itself.
bool OverwriteFixedSizeFile(FileSystem& files, const std::string& path, std::string_view bytes);

// Reads a whole file; returns false when it cannot be opened or read.
bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& bytes);
bool ReadWholeFile(const std::string& path, std::string& bytes);
