// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/RedirectedFileSystem.h"

RedirectedFileSystem::RedirectedFileSystem(FileSystem& inner, std::string from, std::string to)
    : m_inner(inner), m_from(std::move(from)), m_to(std::move(to)) {}

std::string RedirectedFileSystem::Map(const std::string& path) const {
    if (path.compare(0, m_from.size(), m_from) != 0) return path;
    // "session-old/..." shares the prefix but is another folder.
    if (path.size() > m_from.size() && path[m_from.size()] != '/') return path;
    return m_to + path.substr(m_from.size());
}

int RedirectedFileSystem::ReadFile(const std::string& path, std::string& bytes) {
    return m_inner.ReadFile(Map(path), bytes);
}

int RedirectedFileSystem::ProbeWritable(const std::string& path) {
    return m_inner.ProbeWritable(Map(path));
}

int RedirectedFileSystem::WriteNewFile(const std::string& path, std::string_view bytes) {
    return m_inner.WriteNewFile(Map(path), bytes);
}

int RedirectedFileSystem::AppendToFile(const std::string& path, std::string_view bytes) {
    return m_inner.AppendToFile(Map(path), bytes);
}

int RedirectedFileSystem::OverwriteInPlace(const std::string& path, std::string_view bytes) {
    return m_inner.OverwriteInPlace(Map(path), bytes);
}

int RedirectedFileSystem::Rename(const std::string& from, const std::string& to) {
    return m_inner.Rename(Map(from), Map(to));
}

int RedirectedFileSystem::RenameNoReplace(const std::string& from, const std::string& to) {
    return m_inner.RenameNoReplace(Map(from), Map(to));
}

int RedirectedFileSystem::Remove(const std::string& path) { return m_inner.Remove(Map(path)); }

int RedirectedFileSystem::SyncDirectory(const std::string& directory) {
    return m_inner.SyncDirectory(Map(directory));
}

int RedirectedFileSystem::MakeDirectory(const std::string& path) {
    return m_inner.MakeDirectory(Map(path));
}

int RedirectedFileSystem::ListDirectory(const std::string& path, std::vector<std::string>& names) {
    return m_inner.ListDirectory(Map(path), names);
}
