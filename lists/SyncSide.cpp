// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncSide.h"

#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "lists/MediaIndex.h"
#include "lists/SyncFiles.h"
#include "lists/Trash.h"
#include "sync/Checksum.h"
#include "sync/DeviceId.h"
#include "sync/JournalMerge.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;
using ListFolder::Direction;
using SyncFiles::SplitLines;
using SyncFiles::SplitTabs;
using SyncFiles::Under;

namespace SyncSide {

namespace {

// A sync holds this computer's side for a moment, while another program studying the other
// direction may sync too: a sync waits this long for the one before to end.
constexpr int kSideLockWaitMs = 10000;

// The length and modification time of a file, a line.
std::string StampLine(const fs::path& path, const std::string& name) {
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    return name + "\t" + std::to_string(stamp.size) + "\t" + std::to_string(stamp.seconds) + "." +
           std::to_string(stamp.nanoseconds) + "\n";
}

// Whether this computer's side holds the base `manifest` names: then its journal is of that
// folder, left with the list (a leave, a folder moved away and back).
bool SideHoldsBase(const Local& local, const SyncManifest::Manifest& manifest) {
    for (const SyncManifest::ManifestFile& file : manifest.files) {
        std::string bytes;
        if (local.files.ReadFile(Under(local.listFolder / kLocalBaseDir, file.path), bytes) != 0 ||
            bytes.size() != file.length || Fnv1a64Hex(bytes) != file.checksum)
            return false;
    }
    return !manifest.files.empty();
}

}  // namespace

std::vector<std::string> ReadIds(const std::string& text) {
    std::vector<std::string> ids = SplitLines(text);
    return ids;
}

std::string IdsText(const std::vector<std::string>& ids) {
    std::string text;
    for (const std::string& id : ids) text += id + "\n";
    return text;
}

std::map<std::string, uint64_t> ReadSeen(const std::string& text) {
    std::map<std::string, uint64_t> seen;
    for (const std::string& line : SplitLines(text)) {
        const std::vector<std::string> fields = SplitTabs(line);
        if (fields.size() == 2) seen[fields[0]] = std::strtoull(fields[1].c_str(), nullptr, 10);
    }
    return seen;
}

std::string SeenText(const std::map<std::string, uint64_t>& seen) {
    std::string text;
    for (const auto& [device, sequence] : seen)
        text += device + "\t" + std::to_string(sequence) + "\n";
    return text;
}

std::string OthersStamp(FileSystem& files, const fs::path& syncFolder, const std::string& device) {
    std::vector<std::string> names;
    if (files.ListDirectory(syncFolder.string(), names) != 0) return "away\n";
    std::sort(names.begin(), names.end());
    std::string text = "folder\n";
    std::string other;
    for (const std::string& name : names)
        if (JournalMerge::IsJournalName(name, other) && other != device)
            text += StampLine(syncFolder / name, name);
    return text;
}

std::string OwnStamp(const Local& local, const fs::path& syncFolder, Direction direction,
                     int32_t wordOnScreen) {
    const std::string copy = Journal::CopyName(local.device);
    std::string stamp =
        std::string("on screen\t") + ListFolder::SessionName(direction) + "\t" +
        std::to_string(wordOnScreen) + "\n" +
        StampLine(local.listFolder / kJournalFile, kJournalFile) +
        StampLine(local.listFolder / ListFolder::kWordListFile, ListFolder::kWordListFile) +
        StampLine(local.listFolder / MediaIndex::kFile, MediaIndex::kFile) +
        StampLine(syncFolder / copy, copy);
    // A study window may save its session over what the last sync wrote before it read that
    // in (a verdict given while the sync ran): the next sync writes the session again.
    for (Direction each : ListFolder::kDirections) {
        const std::string session = ListFolder::SessionName(each);
        for (const SessionList& list : SessionFiles::kLists) {
            const std::string name = session + "/" + std::string(list.FileName());
            stamp += StampLine(local.listFolder / name, name);
        }
    }
    return stamp;
}

bool LockBoth(const fs::path& listFolder, std::optional<Direction> held, FolderLock (&locks)[2],
              std::string& error) {
    for (Direction direction : ListFolder::kDirections) {
        if (direction == held) continue;
        if (!ListFolder::LockForChange(listFolder, direction, locks[static_cast<int>(direction)],
                                       error))
            return false;
    }
    return true;
}

void LockFree(Local& local, std::optional<Direction> held, FolderLock (&locks)[2]) {
    for (Direction direction : ListFolder::kDirections) {
        if (direction == held) continue;
        std::string ignored;
        local.writable[static_cast<int>(direction)] = ListFolder::LockForChange(
            local.listFolder, direction, locks[static_cast<int>(direction)], ignored);
    }
}

bool LockSide(const fs::path& listFolder, FolderLock& lock, std::string& error) {
    int code = 0;
    if (lock.AcquireWaiting((listFolder / kSyncDir).string(), kSideLockWaitMs, code) !=
        FolderLock::Result::kHeldElsewhere)
        return true;
    error = LearnersWords::Filled(
        LearnersWords::Said("ListSync",
                            "%1: another program is syncing the list; try again in a moment"),
        {Escaped((listFolder / kSyncDir).string())});
    return false;
}

bool LoadDevice(Local& local, std::vector<std::string>& notes, std::string& error) {
    std::string notice;
    if (!DeviceId::LoadOrCreate(local.files, local.dataHome.string(), local.device, notice, error))
        return false;
    if (!notice.empty()) notes.push_back(notice);
    return true;
}

bool OpenJournal(const Local& local, Journal& journal, std::vector<std::string>& notes,
                 std::string& error) {
    if (journal.Open(error)) return true;
    const std::string path = Under(local.listFolder, kJournalFile);
    std::string bytes;
    Journal::Contents contents;
    std::string ignored;
    if (local.files.ReadFile(path, bytes) != 0 || !Journal::Parse(bytes, path, contents, ignored) ||
        contents.device.empty() || contents.device == local.device)
        return false;
    const std::string aside = path + "." + contents.device;
    if (const int failure = local.files.Rename(path, aside)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    notes.push_back(LearnersWords::Filled(
        LearnersWords::Said(
            "ListSync",
            "%1: the journal of device %2, kept as %3; this computer starts a journal of its own"),
        {path, contents.device, aside}));
    error.clear();
    return journal.Open(error);
}

std::string ListStamp(const fs::path& listFolder) {
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(ListFolder::WordList(listFolder));
    if (!stamp.isRegular) return std::string();
    return std::to_string(stamp.size) + " " + std::to_string(stamp.seconds) + "." +
           std::to_string(stamp.nanoseconds) + " " + std::to_string(stamp.inode);
}

uint64_t ListSumByMemo(FileSystem& files, const fs::path& listFolder, const std::string& stamp) {
    std::string text;
    if (stamp.empty() || files.ReadFile(Under(listFolder, kListMemoFile), text) != 0) return 0;
    const size_t tab = text.find('\t');
    if (tab == std::string::npos || text.compare(0, tab, stamp) != 0) return 0;
    return std::strtoull(text.c_str() + tab + 1, nullptr, 10);
}

void NoteListSum(FileSystem& files, const fs::path& listFolder, const std::string& stamp,
                 uint64_t sum) {
    const std::string path = Under(listFolder, kListMemoFile);
    if (stamp.empty() || sum == 0) {
        files.Remove(path);
        return;
    }
    if (ListSumByMemo(files, listFolder, stamp) == sum) return;
    WriteFileAtomically(files, path, stamp + "\t" + std::to_string(sum) + "\n");
}

namespace {

std::vector<WordRecord> ReadWords(FileSystem& files, const std::string& path) {
    std::string bytes;
    size_t trailing = 0;
    if (files.ReadFile(path, bytes) != 0) return {};
    return WordListFile::ParseAll(bytes, trailing);
}

// The base's words, or what the memo of an earlier read says of them.
bool BaseWords(FileSystem& files, const fs::path& listFolder, ListReplay::Base& base,
               std::string& error) {
    const std::string path = Under(listFolder / kLocalBaseDir, ListFolder::kWordListFile);
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    const std::string named = std::to_string(stamp.size) + " " + std::to_string(stamp.seconds) +
                              "." + std::to_string(stamp.nanoseconds) + " " +
                              std::to_string(stamp.inode);
    std::string memo;
    unsigned long long count = 0, hash = 0, sum = 0;
    char stampText[96] = "";
    if (stamp.isRegular && files.ReadFile(Under(listFolder, kBaseMemoFile), memo) == 0 &&
        std::sscanf(memo.c_str(), "%95[^\t]\t%llu\t%llu\t%llu", stampText, &count, &hash, &sum) ==
            4 &&
        named == stampText && count > 0) {
        base.wordCount = count;
        base.wordsHash = hash;
        base.wordsSum = sum;
        base.loadWords = [&files, path] { return ReadWords(files, path); };
        return true;
    }
    std::string bytes;
    if (const int failure = files.ReadFile(path, bytes)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    size_t trailing = 0;
    base.words = WordListFile::ParseAll(bytes, trailing);
    base.wordsHash = ListReplay::WordsHash(base.words);
    base.wordsSum = ListReplay::WordsSum(base.words);
    // A memo that cannot be written costs the next sync this read again, nothing more.
    const int made = files.MakeDirectory(Under(listFolder, kCheckpointDir));
    if (stamp.isRegular && (made == 0 || made == EEXIST))
        WriteFileAtomically(files, Under(listFolder, kBaseMemoFile),
                            named + "\t" + std::to_string(base.words.size()) + "\t" +
                                std::to_string(base.wordsHash) + "\t" +
                                std::to_string(base.wordsSum) + "\n");
    return true;
}

}  // namespace

std::string BaseWordsUnreadable(const fs::path& listFolder) {
    return Escaped(Under(listFolder / kLocalBaseDir, ListFolder::kWordListFile)) + ": " +
           SyncTexts::Said(SyncTexts::kBaseUnreadable);
}

bool ReadLocalBase(FileSystem& files, const fs::path& listFolder, ListReplay::Base& base,
                   std::string& error) {
    const fs::path root = listFolder / kLocalBaseDir;
    std::vector<FileImage> images;
    std::string bytes;
    for (Direction direction : ListFolder::kDirections) {
        for (const std::string& name : SyncManifest::SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            if (files.ReadFile(Under(root, relative), bytes) == 0)
                images.push_back({relative, bytes});
        }
    }
    base = SyncManifest::BaseOf(images);
    return BaseWords(files, listFolder, base, error);
}

fs::path Absolute(const fs::path& folder) {
    const fs::path normal = fs::absolute(folder).lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

bool KeepJournal(const Local& local, const fs::path& syncFolder,
                 const SyncManifest::Manifest* manifest, std::vector<std::string>& notes,
                 std::string& error) {
    const fs::path path = local.listFolder / kJournalFile;
    if (!PosixFiles::StampOf(path).exists) return true;
    if (manifest && SideHoldsBase(local, *manifest)) {
        Journal journal(local.files, path.string(), local.device);
        Journal::CopyResult published;
        std::string ignored;
        if (journal.Open(ignored) && journal.Publish(syncFolder.string(), published, ignored))
            return true;
    }
    fs::path trashed;
    const std::string trashName = local.listFolder.filename().string() + " journal before syncing";
    if (!Trash::Put(local.files, ListStore(local.dataHome, {}, local.files).TrashDir(), path, path,
                    trashName, trashed, error))
        return false;
    notes.push_back(LearnersWords::Filled(
        LearnersWords::Said("ListSync",
                            "%1: events of another sync folder, kept in the trash as %2"),
        {path.string(), trashed.string()}));
    return true;
}

void ClearSide(FileSystem& files, const fs::path& listFolder) {
    SyncFiles::RemoveTree(files, listFolder / kSyncDir);
}

bool WriteSide(const Local& local, const fs::path& syncFolder, const std::vector<FileImage>& base,
               std::string& error) {
    if (!SyncFiles::WriteUnder(local.files, local.listFolder / kLocalBaseDir, base, error))
        return false;
    // The folder's path last: until it is written the list is not joined.
    return SyncFiles::WriteUnder(local.files, local.listFolder,
                                 {{kFolderFile, Absolute(syncFolder).string() + "\n"}}, error);
}

}  // namespace SyncSide
