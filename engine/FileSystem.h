#pragma once
// The file operations the program's files are read and written with, one interface, so that
// a test can make any of them fail as a full disk, a read-only file or a broken device would.
// Each returns 0 or the errno value that says why it failed. How whole files are replaced is
// not decided here but in AtomicFile, on top of these.

#include <string>
#include <string_view>

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The whole file.
    virtual int ReadFile(const std::string& path, std::string& bytes) = 0;
    // Whether `path` could be opened for writing without changing it: 0, ENOENT when it does
    // not exist, or why not.
    virtual int ProbeWritable(const std::string& path) = 0;
    // Creates or empties `path` and writes `bytes`, flushed and closed.
    virtual int WriteFile(const std::string& path, std::string_view bytes) = 0;
    // Overwrites an existing file that holds exactly bytes.size() bytes with one write;
    // ENOENT when it does not exist, EINVAL when its size differs.
    virtual int OverwriteInPlace(const std::string& path, std::string_view bytes) = 0;
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
};

// The real files, through the standard library. Lives for the whole process.
FileSystem& DefaultFileSystem();
