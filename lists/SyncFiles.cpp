// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncFiles.h"

#include <cerrno>
#include <sstream>

namespace fs = std::filesystem;

namespace SyncFiles {

std::string Under(const fs::path& folder, const std::string& relative) {
    return (folder / relative).string();
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

int ReadIfThere(FileSystem& files, const std::string& path, std::string& bytes) {
    bytes.clear();
    const int failure = files.ReadFile(path, bytes);
    return failure == ENOENT ? 0 : failure;
}

int MakeFolders(FileSystem& files, const fs::path& root, const fs::path& relativeDir,
                std::string& failed) {
    fs::path dir = root;
    for (const fs::path& part : relativeDir) {
        dir /= part;
        const int failure = files.MakeDirectory(dir.string());
        if (failure != 0 && failure != EEXIST) {
            failed = dir.string();
            return failure;
        }
    }
    return 0;
}

bool MakeDirectories(FileSystem& files, const fs::path& root, const fs::path& relativeDir,
                     std::string& error) {
    std::string failed;
    const int failure = MakeFolders(files, root, relativeDir, failed);
    if (failure != 0) error = FileError{failed, failure}.Describe();
    return failure == 0;
}

bool WriteUnder(FileSystem& files, const fs::path& root, const std::vector<FileImage>& images,
                std::string& error) {
    std::vector<FileImage> placed;
    for (const FileImage& image : images) {
        if (!MakeDirectories(files, fs::path(), root / fs::path(image.path).parent_path(), error))
            return false;
        placed.push_back({Under(root, image.path), image.bytes});
    }
    FileError failure;
    if (ReplaceFiles(files, placed, failure)) return true;
    error = failure.Describe();
    return false;
}

void RemoveTree(FileSystem& files, const fs::path& dir) {
    // A file or a link goes at once, and a link is never listed: what it leads to stays. A
    // folder that still holds something goes once what it holds is gone.
    const int failure = files.Remove(dir.string());
    if (failure != ENOTEMPTY && failure != EEXIST) return;
    std::vector<std::string> names;
    files.ListDirectory(dir.string(), names);
    for (const std::string& name : names) RemoveTree(files, dir / name);
    files.Remove(dir.string());
}

}  // namespace SyncFiles
