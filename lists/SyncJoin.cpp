// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncJoin.h"

#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListTransaction.h"
#include "lists/MediaIndex.h"
#include "lists/SyncFiles.h"
#include "lists/Trash.h"
#include "sync/Checksum.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;
using ListFolder::Direction;
using SyncFiles::Under;
using SyncFiles::WriteUnder;
using SyncManifest::Manifest;
using SyncSide::Local;

namespace SyncJoin {

namespace {

// The list's words and the session files of both directions, as the folder's base.
bool BaseImagesOfList(FileSystem& files, const fs::path& listFolder, std::vector<FileImage>& images,
                      std::string& error) {
    std::string bytes;
    if (const int failure = files.ReadFile(ListFolder::WordList(listFolder).string(), bytes)) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1; the list has no words to share"),
            {FileError{ListFolder::WordList(listFolder).string(), failure}.Describe()});
        return false;
    }
    images.push_back({ListFolder::kWordListFile, bytes});
    for (Direction direction : ListFolder::kDirections) {
        if (!ListFolder::HasSession(listFolder, direction)) continue;
        for (const std::string& name : SyncManifest::SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            const int failure = files.ReadFile(Under(listFolder, relative), bytes);
            if (failure == ENOENT) continue;
            if (failure != 0) {
                error = FileError{Under(listFolder, relative), failure}.Describe();
                return false;
            }
            images.push_back({relative, bytes});
        }
    }
    return true;
}

// The ids of a base's words, which have none of their own yet: their record numbers from 1.
std::vector<std::string> BaseIds(const std::string& listBytes) {
    size_t trailing = 0;
    const size_t count = WordListFile::ParseAll(listBytes, trailing).size();
    std::vector<std::string> ids;
    for (size_t record = 1; record <= count; ++record) ids.push_back(std::to_string(record));
    return ids;
}

// Copies what the list holds now into one folder and moves that to the trash, from where the
// learner can take it back.
// A list that holds the base's words and no progress (made to join) has nothing to keep.
bool TrashListAsItWas(const Local& local, const std::string& name, const std::string& baseWords,
                      std::string& error) {
    std::vector<FileImage> images;
    std::string ignored;
    if (!BaseImagesOfList(local.files, local.listFolder, images, ignored)) images.clear();
    if (images.size() == 1 && images.front().bytes == baseWords) images.clear();
    for (Direction direction : ListFolder::kDirections) {
        for (const char* path : {SessionFiles::kTime, SessionFiles::kCurrWord}) {
            const std::string relative = std::string(ListFolder::SessionName(direction)) + "/" +
                                         fs::path(path).filename().string();
            std::string bytes;
            if (local.files.ReadFile(Under(local.listFolder, relative), bytes) == 0)
                images.push_back({relative, bytes});
        }
    }
    if (images.empty()) return true;
    // Restored from the trash, it lands among the lists as a list of its own, by this name.
    const std::string kept = name + " before joining a sync folder";
    images.push_back({ListFolder::kNameFile, kept + "\n"});
    const fs::path box = local.listFolder / SyncSide::kSyncDir / ".before-join";
    SyncFiles::RemoveTree(local.files, box);
    if (!WriteUnder(local.files, box, images, error)) return false;
    fs::path trashed;
    const ListStore store(local.dataHome, {}, local.files);
    // A list's name may hold any character, a slash among them; its folder's name is safe.
    const std::string trashName = local.listFolder.filename().string() + " before syncing";
    return Trash::Put(local.files, store.TrashDir(), box,
                      ListFolder::ListsDir(local.dataHome) / trashName, trashName, trashed, error);
}

// The files a later computer's join writes at once: the base's words and session files, this
// computer's side starting from them, and no word on screen in either direction.
std::vector<FileImage> JoinedImages(const std::vector<FileImage>& base,
                                    const std::string& listBytes) {
    // Progress comes from the base and the journals alone: the base's session files go in
    // with its words, and a session file the base lacks goes.
    std::vector<FileImage> images = base;
    images.push_back({SyncSide::kIdsFile, SyncSide::IdsText(BaseIds(listBytes))});
    images.push_back({SyncSide::kCommittedFile, "0\n"});
    images.push_back({SyncSide::kListCopyFile, listBytes});
    // The cards' media come from the journals too: what the list had would be told as changes.
    images.push_back({MediaIndex::kFile, MediaIndex().Serialize()});
    for (Direction direction : ListFolder::kDirections) {
        images.push_back(ListGuard::CopyImage(listBytes, direction));
        // The word on screen was one of the words just replaced.
        CurrWordRecord none;
        std::string bytes(CurrWordRecord::kSize, '\0');
        none.Encode(bytes.data());
        images.push_back(
            {std::string(ListFolder::SessionName(direction)) + "/currWord.cfg", bytes});
    }
    return images;
}

// Removes the session files the base lacks, which the replay makes from the journals alone.
void RemoveOutsideBase(const Local& local, const std::vector<FileImage>& base) {
    for (Direction direction : ListFolder::kDirections) {
        for (const std::string& name : SyncManifest::SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            if (std::none_of(base.begin(), base.end(),
                             [&](const FileImage& image) { return image.path == relative; }))
                local.files.Remove(Under(local.listFolder, relative));
        }
    }
}

}  // namespace

// The list file holds `bytes`, as the side's copy of it does: the first sync need not read
// both to learn that no word changed.
void NoteListAsCopied(const Local& local, const std::string& bytes) {
    SyncSide::NoteListSum(local.files, local.listFolder, SyncSide::ListStamp(local.listFolder),
                          Checksum(kChecksumSeed, bytes));
}

bool StartFolder(const Local& local, const fs::path& syncFolder, const std::string& name,
                 std::vector<std::string>& notes, std::string& error) {
    std::vector<FileImage> base;
    if (!BaseImagesOfList(local.files, local.listFolder, base, error) ||
        !SyncSide::KeepJournal(local, syncFolder, nullptr, notes, error))
        return false;
    Manifest manifest;
    manifest.name = name;
    for (const FileImage& image : base)
        manifest.files.push_back({image.path, image.bytes.size(), Fnv1a64Hex(image.bytes)});
    if (!WriteUnder(local.files, syncFolder / SyncManifest::kBaseDir, base, error) ||
        !WriteUnder(local.files, syncFolder,
                    {{SyncManifest::kManifestName, SyncManifest::SerializeManifest(manifest)}},
                    error))
        return false;
    SyncSide::ClearSide(local.files, local.listFolder);
    if (!WriteUnder(local.files, local.listFolder,
                    {{SyncSide::kIdsFile, SyncSide::IdsText(BaseIds(base.front().bytes))},
                     {SyncSide::kListCopyFile, base.front().bytes},
                     {SyncSide::kCommittedFile, "0\n"}},
                    error) ||
        !SyncSide::WriteSide(local, syncFolder, base, error))
        return false;
    NoteListAsCopied(local, base.front().bytes);
    return true;
}

bool JoinFolder(const Local& local, const fs::path& syncFolder, const Manifest& manifest,
                std::vector<std::string>& notes, std::string& error) {
    std::vector<FileImage> base;
    std::vector<std::string> arriving;
    if (!SyncManifest::ReadBase(local.files, syncFolder, manifest, base, arriving) ||
        std::none_of(base.begin(), base.end(), [](const FileImage& image) {
            return image.path == ListFolder::kWordListFile;
        })) {
        notes.insert(notes.end(), arriving.begin(), arriving.end());
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync",
                                "%1: the list \"%2\" is still arriving; nothing changed, "
                                "join again once it is whole"),
            {syncFolder.string(), Escaped(manifest.name)});
        return false;
    }
    std::string listBytes;
    for (const FileImage& image : base)
        if (image.path == ListFolder::kWordListFile) listBytes = image.bytes;
    if (!SyncSide::KeepJournal(local, syncFolder, &manifest, notes, error) ||
        !TrashListAsItWas(local, manifest.name, listBytes, error))
        return false;
    SyncSide::ClearSide(local.files, local.listFolder);
    // The words are the base's, with no ids of their own yet: the replay gives every word its
    // id, and the sync that follows starts from it.
    const std::vector<FileImage> images = JoinedImages(base, listBytes);
    for (const char* dir : {ListFolder::SessionName(Direction::kForwards),
                            ListFolder::SessionName(Direction::kBackwards), SyncSide::kSyncDir})
        if (!SyncFiles::MakeDirectories(local.files, local.listFolder, dir, error)) return false;
    FileError failure;
    if (!ListTransaction(local.files, ListFolder::Session(local.listFolder))
             .Commit(images, failure)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListSync", "cannot write %1"),
                                      {failure.Describe()});
        return false;
    }
    RemoveOutsideBase(local, base);
    if (!SyncSide::WriteSide(local, syncFolder, base, error)) return false;
    NoteListAsCopied(local, listBytes);
    return true;
}

ListSummary SummaryOf(FileSystem& files, const fs::path& dataHome, const fs::path& listFolder) {
    std::error_code ignored;
    for (const ListSummary& list : ListStore(dataHome, {}, files).Lists())
        if (fs::equivalent(list.folder, listFolder, ignored)) return list;
    ListSummary none;
    none.name = ListStore::NameIn(listFolder);
    return none;
}

void KeepLastStudied(const fs::path& listFolder, int64_t lastStudied) {
    PosixFiles::Stamp kept;
    kept.seconds = lastStudied;
    for (Direction direction : ListFolder::kDirections) {
        for (const fs::path& name : {fs::path(SessionFiles::kCurrWord).filename(),
                                     fs::path(SessionFiles::kTime).filename(),
                                     fs::path(SessionFiles::kToBeViewed.FileName())}) {
            const fs::path path = ListFolder::Session(listFolder, direction) / name;
            const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
            int ignored = 0;
            if (stamp.exists && stamp.seconds > lastStudied)
                PosixFiles::SetModified(path, kept, ignored);
        }
    }
}

}  // namespace SyncJoin
