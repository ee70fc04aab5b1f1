// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListTransaction.h"

#include "lists/ListFolder.h"

#include <cerrno>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

constexpr const char* kWriting = ".update-new";
constexpr const char* kDecided = ".update";
constexpr const char* kJournal = "journal";
constexpr const char* kFirstLine = "quibbix-update 1";
constexpr const char* kLastLine = "end";

struct Entry {
    std::string staged;  // the file's name in the decided folder
    std::string target;  // relative to the list folder
};

// A journal names places inside the list folder only, whatever wrote it.
bool IsInside(const std::string& relative) {
    if (relative.empty() || relative.find_first_of("\t\n") != std::string::npos) return false;
    const fs::path path(relative);
    if (path.is_absolute()) return false;
    for (const fs::path& part : path)
        if (part == ".." || part == ".") return false;
    return true;
}

bool ParseJournal(const std::string& text, std::vector<Entry>& entries) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return false;
    while (std::getline(in, line)) {
        if (line == kLastLine) return true;
        const size_t tab = line.find('\t');
        if (tab == std::string::npos) return false;
        Entry entry{line.substr(0, tab), line.substr(tab + 1)};
        if (entry.staged.empty() || entry.staged.find('/') != std::string::npos ||
            !IsInside(entry.target))
            return false;
        entries.push_back(std::move(entry));
    }
    return false;  // cut short: never decided, as the journal is written before the rename
}

bool Failed(FileError& error, const std::string& path, int code) {
    error = {path, code};
    return false;
}

}  // namespace

ListTransaction::ListTransaction(FileSystem& files, const fs::path& sessionDir)
    : m_files(files),
      m_folder(ListFolder::OfSession(sessionDir)),
      m_session((m_folder / ListFolder::NameOfSession(sessionDir)).string()) {}

std::string ListTransaction::Path(const std::string& relative) const {
    return (m_folder / relative).string();
}

bool ListTransaction::IsPending() const {
    std::vector<std::string> names;
    for (const char* dir : {kDecided, kWriting}) {
        if (m_files.ListDirectory(m_session + "/" + dir, names) != ENOENT) return true;
    }
    return false;
}

bool ListTransaction::Discard(const std::string& dir, FileError& error) {
    std::vector<std::string> names;
    const int listed = m_files.ListDirectory(dir, names);
    if (listed == ENOENT) return true;
    if (listed != 0) return Failed(error, dir, listed);
    for (const std::string& name : names) {
        if (const int code = m_files.Remove(dir + "/" + name)) return Failed(error, dir, code);
    }
    if (const int code = m_files.Remove(dir)) return Failed(error, dir, code);
    const std::string parent = fs::path(dir).parent_path().string();
    if (const int code = m_files.SyncDirectory(parent)) return Failed(error, parent, code);
    return true;
}

// Renames every decided file into place. A file no longer in the decided folder was moved by
// an earlier attempt, so running this again after a kill is harmless; one that cannot be
// moved stays decided, and the list may not be studied until it is.
bool ListTransaction::Finish(FileError& error) {
    const std::string decided = m_session + "/" + kDecided;
    std::string text;
    const int read = m_files.ReadFile(decided + "/" + kJournal, text);
    // The journal goes only after every file is in place: what is left is done.
    if (read == ENOENT) return Discard(decided, error);
    if (read != 0) return Failed(error, decided + "/" + kJournal, read);
    std::vector<Entry> entries;
    if (!ParseJournal(text, entries)) return Failed(error, decided + "/" + kJournal, EBADMSG);
    std::vector<std::string> names;
    if (const int code = m_files.ListDirectory(decided, names)) return Failed(error, decided, code);
    const std::set<std::string> staged(names.begin(), names.end());
    std::set<std::string> dirs;
    for (const Entry& entry : entries) {
        const std::string target = Path(entry.target);
        dirs.insert(fs::path(target).parent_path().string());
        if (!staged.count(entry.staged)) continue;
        if (const int code = m_files.Rename(decided + "/" + entry.staged, target))
            return Failed(error, target, code);
    }
    for (const std::string& dir : dirs) {
        if (const int code = m_files.SyncDirectory(dir)) return Failed(error, dir, code);
    }
    if (const int code = m_files.Remove(decided + "/" + kJournal))
        return Failed(error, decided, code);
    return Discard(decided, error);
}

bool ListTransaction::Recover(FileError& error) {
    return Finish(error) && Discard(m_session + "/" + kWriting, error);
}

bool ListTransaction::Commit(const std::vector<FileImage>& images, FileError& error) {
    for (const FileImage& image : images) {
        if (!IsInside(image.path)) return Failed(error, image.path, EINVAL);
        // As for a save: a file its owner made read-only is not replaced behind their back.
        const int probe = m_files.ProbeWritable(Path(image.path));
        if (probe != 0 && probe != ENOENT) return Failed(error, Path(image.path), probe);
    }
    if (!Recover(error)) return false;
    const std::string& session = m_session;
    const std::string writing = session + "/" + kWriting;
    if (const int code = m_files.MakeDirectory(writing)) return Failed(error, writing, code);
    std::string journal = std::string(kFirstLine) + "\n";
    for (size_t i = 0; i < images.size(); ++i) {
        const std::string staged = std::to_string(i);
        if (const int code = m_files.WriteNewFile(writing + "/" + staged, images[i].Bytes())) {
            FileError ignored;
            Discard(writing, ignored);
            return Failed(error, Path(images[i].path), code);
        }
        journal += staged + "\t" + images[i].path + "\n";
    }
    journal += std::string(kLastLine) + "\n";
    const std::string decided = session + "/" + kDecided;
    int code = m_files.WriteNewFile(writing + "/" + kJournal, journal);
    if (code == 0) code = m_files.SyncDirectory(writing);
    if (code == 0) code = m_files.Rename(writing, decided);
    if (code != 0) {
        FileError ignored;
        Discard(writing, ignored);
        return Failed(error, writing, code);
    }
    if ((code = m_files.SyncDirectory(session)) != 0) return Failed(error, session, code);
    return Finish(error);
}
