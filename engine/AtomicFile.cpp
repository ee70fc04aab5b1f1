// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

namespace {

// A name no other program or earlier run uses: the target's, a random tag of this process and
// a counter. Exclusive creation catches the rest.
constexpr const char* kTemporaryMark = ".tmp-";

std::string TemporaryNameFor(const std::string& path) {
    static const unsigned long tag = std::random_device{}();
    static std::atomic<unsigned long> counter{0};
    return path + kTemporaryMark + std::to_string(tag) + "-" + std::to_string(++counter);
}

std::string DirectoryOf(const std::string& path) {
    const std::string parent = std::filesystem::path(path).parent_path().string();
    return parent.empty() ? "." : parent;
}

// Writes the temporary file for `image` and returns its name, or an empty string with
// `error` set.
std::string WriteTemporary(FileSystem& files, const FileImage& image, int& error) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string temp = TemporaryNameFor(image.path);
        error = files.WriteNewFile(temp, image.Bytes());
        if (error == 0) return temp;
        files.Remove(temp);
        if (error != EEXIST) break;
    }
    return std::string();
}

}  // namespace

std::string DescribeError(int error) {
    switch (error) {
        case EISDIR:
            return "it is a directory";
        case ENODEV:
            return "it is not a regular file";
        case EFBIG:
            return "it is far too large to be one of the program's files";
        default:
            return std::strerror(error);
    }
}

std::string FileError::Describe() const { return path + ": " + DescribeError(error); }

bool ReplaceFiles(FileSystem& files, const std::vector<FileImage>& images, FileError& error) {
    // A rename only needs a writable directory, so a file its owner made read-only would be
    // replaced anyway; it is left alone instead, as an in-place write would have to.
    for (const FileImage& image : images) {
        const int probe = files.ProbeWritable(image.path);
        if (probe != 0 && probe != ENOENT) {
            error = {image.path, probe};
            return false;
        }
    }
    std::vector<std::string> temps;
    for (const FileImage& image : images) {
        int failure = 0;
        std::string temp = WriteTemporary(files, image, failure);
        if (temp.empty()) {
            for (const std::string& written : temps) files.Remove(written);
            error = {image.path, failure};
            return false;
        }
        temps.push_back(std::move(temp));
    }
    bool ok = true;
    for (size_t i = 0; i < images.size(); ++i) {
        const int failure = ok ? files.Rename(temps[i], images[i].path) : ECANCELED;
        if (failure == 0) continue;
        if (ok) error = {images[i].path, failure};
        ok = false;
        files.Remove(temps[i]);
    }
    std::vector<std::string> synced;
    for (const FileImage& image : images) {
        const std::string directory = DirectoryOf(image.path);
        if (std::find(synced.begin(), synced.end(), directory) != synced.end()) continue;
        synced.push_back(directory);
        const int failure = files.SyncDirectory(directory);
        if (failure != 0 && ok) {
            error = {directory, failure};
            ok = false;
        }
    }
    return ok;
}

bool WriteFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    FileError error;
    return ReplaceFiles(files, {{path, std::string(bytes)}}, error);
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
    return WriteFileAtomically(DefaultFileSystem(), path, bytes);
}

bool OverwriteFixedSizeFile(FileSystem& files, const std::string& path, std::string_view bytes) {
    const int error = files.OverwriteInPlace(path, bytes);
    if (error == 0) return true;
    // A file that is there but cannot be opened is left as it is.
    if (error != ENOENT && error != EINVAL && files.ProbeWritable(path) != 0) return false;
    return WriteFileAtomically(files, path, bytes);
}

void RemoveStaleTemporaries(FileSystem& files, const std::string& directory) {
    // Listed through `files`, as every other access, so that a file system which places the
    // session elsewhere tidies the folder it writes to.
    std::vector<std::string> names;
    if (files.ListDirectory(directory, names) != 0) return;
    for (const std::string& name : names) {
        if (name.find(kTemporaryMark) != std::string::npos) files.Remove(directory + "/" + name);
    }
}

bool ReadWholeFile(FileSystem& files, const std::string& path, std::string& bytes) {
    return files.ReadFile(path, bytes) == 0;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    return ReadWholeFile(DefaultFileSystem(), path, bytes);
}
