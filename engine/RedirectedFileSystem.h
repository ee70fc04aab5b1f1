#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Hands every path inside one directory to another directory of the same file system, so
// that the engine, which names its files "session/...", keeps a second session beside the
// first without knowing it: studying a list backwards reads and writes only the folder its
// direction keeps, and never the other.

#include "engine/FileSystem.h"

#include <string>

class RedirectedFileSystem : public FileSystem {
public:
    // Paths that are `from` or start with "from/" go to `to` instead; every other path is
    // passed on unchanged. `inner` must outlive the object.
    RedirectedFileSystem(FileSystem& inner, std::string from, std::string to);

    // Where `path` goes.
    std::string Map(const std::string& path) const;

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

private:
    FileSystem& m_inner;
    std::string m_from;
    std::string m_to;
};
