#pragma once
// The real files, with faults on demand: files that refuse to be written (as a read-only file
// does to its owner, whoever runs the test), a disk that fills up, and writes that fail on
// paths that contain a given text. Pass it where the code under test takes a FileSystem.

#include "engine/FileSystem.h"

#include <cerrno>
#include <set>
#include <string>
#include <vector>

class FaultyFileSystem : public FileSystem {
public:
    int ReadFile(const std::string& path, std::string& bytes) override {
        return Real().ReadFile(path, bytes);
    }
    int ProbeWritable(const std::string& path) override {
        if (readOnly.count(path)) return EACCES;
        return Real().ProbeWritable(path);
    }
    int WriteFile(const std::string& path, std::string_view bytes) override {
        if (readOnly.count(path)) return EACCES;
        for (const std::string& part : failWritesContaining)
            if (path.find(part) != std::string::npos) return EIO;
        if (spaceLeft >= 0 && bytes.size() > static_cast<size_t>(spaceLeft)) {
            // What fitted lands, as on a real disk.
            Real().WriteFile(path, bytes.substr(0, static_cast<size_t>(spaceLeft)));
            spaceLeft = 0;
            return ENOSPC;
        }
        if (spaceLeft >= 0) spaceLeft -= static_cast<long>(bytes.size());
        return Real().WriteFile(path, bytes);
    }
    int OverwriteInPlace(const std::string& path, std::string_view bytes) override {
        if (readOnly.count(path)) return EACCES;
        return Real().OverwriteInPlace(path, bytes);
    }
    int Rename(const std::string& from, const std::string& to) override {
        return Real().Rename(from, to);
    }
    int Remove(const std::string& path) override { return Real().Remove(path); }

    std::set<std::string> readOnly;
    std::vector<std::string> failWritesContaining;
    // Bytes that can still be written; negative for no limit. Replacing a file frees nothing.
    long spaceLeft = -1;

private:
    static FileSystem& Real() { return DefaultFileSystem(); }
};
