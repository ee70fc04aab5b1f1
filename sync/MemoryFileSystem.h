#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Files kept in memory, for the engine to read and write a session that exists nowhere on
// disk: the replay of every computer's journal loads its base and checkpoints from here, so
// that nothing it computes can touch the learner's own session until the caller saves it.

#include "engine/FileSystem.h"

#include <map>
#include <set>
#include <string>

class MemoryFileSystem : public FileSystem {
public:
    // Puts `bytes` at `path`, replacing what was there; its directory need not be made.
    void Put(const std::string& path, std::string bytes);

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
    bool IsDirectory(const std::string& path) const;

    std::map<std::string, std::string> m_files;
    std::set<std::string> m_directories;
};
