#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The real files, with faults on demand and a log of every call: files that cannot be read,
// files that refuse to be written (as a read-only file does to its owner, whoever runs the
// test), a disk that fills up, writes that fail on paths containing a given text. Pass it
// where the code under test takes a FileSystem.

#include "engine/FileSystem.h"

#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include "posix/PosixFileSystem.h"

class FaultyFileSystem : public FileSystem {
public:
    int ReadFile(const std::string& path, std::string& bytes) override {
        if (unreadable.count(path)) return EACCES;
        return Real().ReadFile(path, bytes);
    }
    int ProbeWritable(const std::string& path) override {
        if (readOnly.count(path)) return EACCES;
        return Real().ProbeWritable(path);
    }
    int WriteNewFile(const std::string& path, std::string_view bytes) override {
        if (Killed("write " + path)) return EIO;
        for (const std::string& part : failWritesContaining)
            if (path.find(part) != std::string::npos) return EIO;
        if (spaceLeft >= 0 && bytes.size() > static_cast<size_t>(spaceLeft)) {
            // What fitted lands, as on a real disk.
            Real().WriteNewFile(path, bytes.substr(0, static_cast<size_t>(spaceLeft)));
            spaceLeft = 0;
            return ENOSPC;
        }
        if (spaceLeft >= 0) spaceLeft -= static_cast<long>(bytes.size());
        return Real().WriteNewFile(path, bytes);
    }
    int OverwriteInPlace(const std::string& path, std::string_view bytes) override {
        if (Killed("overwrite " + path)) return EIO;
        if (readOnly.count(path)) return EACCES;
        return Real().OverwriteInPlace(path, bytes);
    }
    int AppendToFile(const std::string& path, std::string_view bytes) override {
        if (Killed("append " + path)) return EIO;
        if (readOnly.count(path)) return EACCES;
        for (const std::string& part : failWritesContaining)
            if (path.find(part) != std::string::npos) return EIO;
        return Real().AppendToFile(path, bytes);
    }
    int Rename(const std::string& from, const std::string& to) override {
        if (Killed("rename " + from + " " + to)) return EIO;
        return Real().Rename(from, to);
    }
    int RenameNoReplace(const std::string& from, const std::string& to) override {
        if (Killed("move " + from + " " + to)) return EIO;
        return Real().RenameNoReplace(from, to);
    }
    int Remove(const std::string& path) override {
        if (Killed("remove " + path)) return EIO;
        return Real().Remove(path);
    }
    int SyncDirectory(const std::string& directory) override {
        if (Killed("syncdir " + directory)) return EIO;
        return Real().SyncDirectory(directory);
    }
    int MakeDirectory(const std::string& path) override {
        if (Killed("mkdir " + path)) return EIO;
        return Real().MakeDirectory(path);
    }
    int ListDirectory(const std::string& path, std::vector<std::string>& names) override {
        return Real().ListDirectory(path, names);
    }

    std::set<std::string> unreadable;
    std::set<std::string> readOnly;
    std::vector<std::string> failWritesContaining;
    // Bytes that can still be written; negative for no limit. Replacing a file frees nothing.
    long spaceLeft = -1;
    // A kill: after this many changes every further change fails, as nothing more happens
    // once a process is gone; negative for none. The changes made so far stay on the disk.
    long changesBeforeKill = -1;
    // Every change tried: "write PATH" (created and synced), "overwrite PATH", "append PATH",
    // "rename FROM TO", "move FROM TO" (never replacing), "remove PATH", "syncdir DIR", "mkdir
    // DIR".
    std::vector<std::string> log;

private:
    bool Killed(std::string change) {
        log.push_back(std::move(change));
        if (changesBeforeKill < 0) return false;
        if (changesBeforeKill == 0) return true;
        --changesBeforeKill;
        return false;
    }
    static FileSystem& Real() { return PosixFileSystem::Instance(); }
};
