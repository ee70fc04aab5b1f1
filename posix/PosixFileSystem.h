#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The real files through POSIX calls, with what the standard library cannot do: data synced
// before a file is renamed into place, the directory synced after, temporary files created
// exclusively without following links, and only regular files read (a device, a pipe or a
// directory in a file's place is refused instead of hanging or filling memory).

#include "engine/FileSystem.h"

class PosixFileSystem : public FileSystem {
public:
    int ReadFile(const std::string& path, std::string& bytes) override;
    int ProbeWritable(const std::string& path) override;
    int WriteNewFile(const std::string& path, std::string_view bytes) override;
    int OverwriteInPlace(const std::string& path, std::string_view bytes) override;
    int AppendToFile(const std::string& path, std::string_view bytes) override;
    int Rename(const std::string& from, const std::string& to) override;
    int RenameNoReplace(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    int SyncDirectory(const std::string& directory) override;
    int MakeDirectory(const std::string& path) override;
    int ListDirectory(const std::string& path, std::vector<std::string>& names) override;

    // The one instance the programs install as the default file system.
    static PosixFileSystem& Instance();
};
