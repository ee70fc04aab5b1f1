// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncManifest.h"

#include "engine/Counted.h"
#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListFolder.h"
#include "lists/SyncFiles.h"
#include "sync/Checksum.h"
#include "sync/JournalMerge.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;
using ListFolder::Direction;
using SyncFiles::Under;

namespace SyncManifest {

namespace {

constexpr const char* kManifestMagic = "quibbix-list";
constexpr int kManifestVersion = 1;
// No list comes near these: a file of the folder that is larger is refused unread.
constexpr uint64_t kMaxBaseBytes = 256ull << 20;
constexpr uint64_t kMaxManifestBytes = 1ull << 20;

// A base holds the words and the session files the replay starts from, nothing else: a path
// a manifest names beyond those (a damaged or hostile folder) would have a join write over any
// file of the list, its settings, its name or this computer's side of the sync.
bool IsBaseFile(const std::string& path) {
    if (path == ListFolder::kWordListFile) return true;
    for (Direction direction : ListFolder::kDirections)
        for (const std::string& name : SessionBaseFiles())
            if (path == std::string(ListFolder::SessionName(direction)) + "/" + name) return true;
    return false;
}

// Whether `relative`, or a folder on the way to it from `root`, is a symbolic link.
bool IsLinkBelow(const fs::path& root, const fs::path& relative) {
    fs::path path = root;
    for (const fs::path& part : relative) {
        path /= part;
        std::error_code ignored;
        if (fs::is_symlink(fs::symlink_status(path, ignored))) return true;
    }
    return false;
}

// A line of the manifest after the first: its name, or a base file it names once.
bool ParseLine(const std::string& line, Manifest& manifest) {
    const std::vector<std::string> fields = SyncFiles::SplitTabs(line);
    if (fields.size() == 2 && fields[0] == "name") {
        manifest.name = fields[1];
        return true;
    }
    if (fields.size() != 4 || fields[0] != "file" || !IsBaseFile(fields[3]) ||
        std::any_of(manifest.files.begin(), manifest.files.end(),
                    [&](const ManifestFile& file) { return file.path == fields[3]; }))
        return false;
    manifest.files.push_back({fields[3], std::strtoull(fields[1].c_str(), nullptr, 10), fields[2]});
    return true;
}

// Whether a base file is in the folder as the manifest names it: then `bytes` holds it, else
// `got` says what is there instead ("3 bytes of 10", a read error).
bool IsWhole(FileSystem& files, const fs::path& syncFolder, const ManifestFile& file,
             std::string& bytes, std::string& got) {
    const std::string path = Under(syncFolder / kBaseDir, file.path);
    // A file of another length is not read at all, as it may be of any size; a link may
    // lead out of the folder.
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    const uint64_t size = static_cast<uint64_t>(stamp.size);
    int failure = IsLinkBelow(syncFolder, fs::path(kBaseDir) / file.path) ? ELOOP
                  : file.length > kMaxBaseBytes                           ? EFBIG
                  : !stamp.exists                                         ? ENOENT
                                                                          : 0;
    if (failure == 0 && size == file.length) failure = files.ReadFile(path, bytes);
    if (failure == 0 && size == file.length && bytes.size() == file.length &&
        Fnv1a64Hex(bytes) == file.checksum)
        return true;
    got =
        failure != 0
            ? DescribeError(failure)
            : LearnersWords::Filled(
                  LearnersWords::Said("ListSync", "%1 of %2"),
                  {LearnersWords::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n byte(s)"),
                                          size, Counted(size, "byte")),
                   std::to_string(file.length)});
    return false;
}

}  // namespace

std::vector<std::string> SessionBaseFiles() {
    std::vector<std::string> names;
    for (const SessionList& list : SessionFiles::kLists) names.emplace_back(list.FileName());
    for (const char* path : {SessionFiles::kWordsLearned, SessionFiles::kHistory})
        names.emplace_back(fs::path(path).filename().string());
    return names;
}

std::string SerializeManifest(const Manifest& manifest) {
    std::string text = std::string(kManifestMagic) + " " + std::to_string(kManifestVersion) +
                       "\nname\t" + manifest.name + "\n";
    for (const ManifestFile& file : manifest.files)
        text +=
            "file\t" + std::to_string(file.length) + "\t" + file.checksum + "\t" + file.path + "\n";
    return text;
}

bool ParseManifest(const std::string& text, const std::string& name, Manifest& manifest,
                   std::string& error) {
    const std::vector<std::string> lines = SyncFiles::SplitLines(text);
    const std::string magic = std::string(kManifestMagic) + " ";
    if (lines.empty() || lines[0].rfind(magic, 0) != 0) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1: not a Quibbix list manifest"), {name});
        return false;
    }
    const int version = std::atoi(lines[0].c_str() + magic.size());
    if (version > kManifestVersion) {
        error = LearnersWords::Filled(
            LearnersWords::Said(
                "ListSync",
                "%1: written by a newer Quibbix (format %2); update Quibbix to sync this list"),
            {name, std::to_string(version)});
        return false;
    }
    for (size_t i = 1; i < lines.size(); ++i) {
        if (ParseLine(lines[i], manifest)) continue;
        error =
            LearnersWords::Filled(LearnersWords::Said("ListSync", "%1:%2: a damaged line (\"%3\")"),
                                  {name, std::to_string(i + 1), Escaped(lines[i].substr(0, 60))});
        return false;
    }
    if (manifest.name.empty())
        error = LearnersWords::Filled(LearnersWords::Said("ListSync", "%1: names no list"), {name});
    return error.empty();
}

bool ReadManifest(FileSystem& files, const fs::path& syncFolder, bool& present, Manifest& manifest,
                  std::string& error) {
    const std::string path = (syncFolder / kManifestName).string();
    std::string bytes;
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    const int failure = IsLinkBelow(syncFolder, kManifestName) ? ELOOP
                        : static_cast<uint64_t>(stamp.size) > kMaxManifestBytes
                            ? EFBIG
                            : files.ReadFile(path, bytes);
    present = failure == 0;
    if (failure == ENOENT) return true;
    if (failure != 0) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    return ParseManifest(bytes, path, manifest, error);
}

bool ReadBase(FileSystem& files, const fs::path& syncFolder, const Manifest& manifest,
              std::vector<FileImage>& images, std::vector<std::string>& notes) {
    bool whole = true;
    for (const ManifestFile& file : manifest.files) {
        std::string bytes, got;
        if (IsWhole(files, syncFolder, file, bytes, got)) {
            images.push_back({file.path, std::move(bytes)});
            continue;
        }
        notes.push_back(LearnersWords::Filled(
            LearnersWords::Said("ListSync",
                                "%1: still arriving (%2); the list is joined once it is whole"),
            {Under(syncFolder / kBaseDir, file.path), got}));
        whole = false;
    }
    return whole;
}

ListReplay::Base BaseOf(const std::vector<FileImage>& images) {
    ListReplay::Base base;
    const std::string reverse = std::string(ListFolder::kReverseSessionDir) + "/";
    for (const FileImage& image : images) {
        if (image.path == ListFolder::kWordListFile) {
            size_t trailing = 0;
            base.words = WordListFile::ParseAll(image.bytes, trailing);
        } else if (image.path.rfind(reverse, 0) == 0) {
            base.backwards.push_back(
                {std::string(SessionFiles::kDirectory) + "/" + image.path.substr(reverse.size()),
                 image.bytes});
        } else {
            base.forwards.push_back(image);
        }
    }
    return base;
}

std::vector<std::string> ForeignFiles(const std::vector<std::string>& names) {
    std::vector<std::string> foreign;
    for (const std::string& name : names)
        if (!JournalMerge::IsSyncEngineFile(name)) foreign.push_back(name);
    return foreign;
}

}  // namespace SyncManifest
