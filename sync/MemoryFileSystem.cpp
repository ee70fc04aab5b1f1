// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/MemoryFileSystem.h"

#include <cerrno>

namespace {

std::string Parent(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

}  // namespace

void MemoryFileSystem::Put(const std::string& path, std::string bytes) {
    for (std::string dir = Parent(path); !dir.empty(); dir = Parent(dir)) m_directories.insert(dir);
    m_files[path] = std::move(bytes);
}

bool MemoryFileSystem::IsDirectory(const std::string& path) const {
    return m_directories.count(path) != 0;
}

int MemoryFileSystem::ReadFile(const std::string& path, std::string& bytes) {
    if (IsDirectory(path)) return EISDIR;
    const auto it = m_files.find(path);
    if (it == m_files.end()) return ENOENT;
    bytes = it->second;
    return 0;
}

int MemoryFileSystem::ProbeWritable(const std::string& path) {
    if (IsDirectory(path)) return EISDIR;
    return m_files.count(path) ? 0 : ENOENT;
}

int MemoryFileSystem::WriteNewFile(const std::string& path, std::string_view bytes) {
    if (m_files.count(path) || IsDirectory(path)) return EEXIST;
    Put(path, std::string(bytes));
    return 0;
}

int MemoryFileSystem::OverwriteInPlace(const std::string& path, std::string_view bytes) {
    const auto it = m_files.find(path);
    if (it == m_files.end()) return ENOENT;
    if (it->second.size() != bytes.size()) return EINVAL;
    it->second.assign(bytes);
    return 0;
}

int MemoryFileSystem::AppendToFile(const std::string& path, std::string_view bytes) {
    const auto it = m_files.find(path);
    if (it == m_files.end()) return IsDirectory(path) ? ENODEV : ENOENT;
    it->second.append(bytes);
    return 0;
}

int MemoryFileSystem::Rename(const std::string& from, const std::string& to) {
    const auto it = m_files.find(from);
    if (it == m_files.end()) return ENOENT;
    if (IsDirectory(to)) return EISDIR;
    std::string bytes = std::move(it->second);
    m_files.erase(it);
    Put(to, std::move(bytes));
    return 0;
}

int MemoryFileSystem::RenameNoReplace(const std::string& from, const std::string& to) {
    if (m_files.count(to) || IsDirectory(to)) return EEXIST;
    return Rename(from, to);
}

int MemoryFileSystem::Remove(const std::string& path) {
    m_files.erase(path);
    return 0;
}

int MemoryFileSystem::SyncDirectory(const std::string&) { return 0; }

int MemoryFileSystem::MakeDirectory(const std::string& path) {
    if (m_files.count(path) || IsDirectory(path)) return EEXIST;
    m_directories.insert(path);
    return 0;
}

int MemoryFileSystem::ListDirectory(const std::string& path, std::vector<std::string>& names) {
    if (!IsDirectory(path)) return m_files.count(path) ? ENOTDIR : ENOENT;
    names.clear();
    const std::string prefix = path + "/";
    for (auto it = m_files.lower_bound(prefix); it != m_files.end(); ++it) {
        if (it->first.compare(0, prefix.size(), prefix) != 0) break;
        const std::string rest = it->first.substr(prefix.size());
        if (rest.find('/') == std::string::npos) names.push_back(rest);
    }
    return 0;
}
