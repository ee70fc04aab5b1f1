// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncWrite.h"

#include "engine/Counted.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListGuard.h"
#include "lists/SyncFiles.h"
#include "sync/AnswerEvents.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;
using ListFolder::Direction;
using SyncFiles::Under;

namespace SyncWrite {

namespace {

// The list file `bytes` without the entries of `wordIndex`, and its count line made right.
std::string WithoutWord(const std::string& bytes, int64_t wordIndex) {
    const std::vector<std::string> lines = SyncFiles::SplitLines(bytes);
    if (lines.empty()) return bytes;
    std::string kept;
    size_t count = 0;
    bool removed = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        if (std::strtoll(lines[i].c_str(), nullptr, 10) == wordIndex) {
            removed = true;
            continue;
        }
        kept += lines[i] + "\n";
        ++count;
    }
    if (!removed) return bytes;
    return std::to_string(count) + "\n" + kept;
}

bool IsListFile(const std::string& sessionPath) {
    for (const SessionList& list : SessionFiles::kLists)
        if (sessionPath == list.path) return true;
    return false;
}

// The ids of the replayed words: the base's, "1" to N, when the replay left them unread.
const std::vector<std::string>& IdsOf(Replayed& replayed) {
    ListReplay::Result& result = replayed.result;
    if (result.wordIds.empty())
        for (size_t record = 1; record <= result.wordCount; ++record)
            result.wordIds.push_back(std::to_string(record));
    return result.wordIds;
}

// The word on screen of `direction` after the replay: -1 when none, or when its word is gone.
int64_t FollowWord(int64_t wordIndex, Replayed& replayed) {
    const int record = AnswerEvents::RecordOf(wordIndex, replayed.ids.size());
    if (record < 0) return -1;
    const std::vector<std::string>& ids = IdsOf(replayed);
    const auto found = std::find(ids.begin(), ids.end(), replayed.ids[record]);
    if (found == ids.end()) return -1;
    return AnswerEvents::WordIndexOf(static_cast<size_t>(found - ids.begin()), ids.size());
}

}  // namespace

bool ListChanged(const Replayed& replayed) {
    if (replayed.result.wordsSum == replayed.listSum) return false;
    if (!replayed.isListRead) return true;
    return !(replayed.result.words == replayed.wordsBefore);
}

bool IdsNameEveryWord(const Local& local, size_t ids, size_t words, std::string& error) {
    if (ids == words) return true;
    error = LearnersWords::Filled(
        LearnersWords::Said("ListSync",
                            "%1: names %2 of %3; leave the sync folder and join it again"),
        {Under(local.listFolder, SyncSide::kIdsFile),
         LearnersWords::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n word(s)"), ids,
                                Counted(ids, "word")),
         std::to_string(words)});
    return false;
}

bool ReadIdsOnce(const Local& local, Replayed& replayed, std::string& error) {
    if (replayed.areIdsRead) return true;
    std::string text;
    const std::string path = Under(local.listFolder, SyncSide::kIdsFile);
    if (const int failure = SyncFiles::ReadIfThere(local.files, path, text)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    replayed.ids = SyncSide::ReadIds(text);
    const int64_t copyBytes = PosixFiles::StampOf(local.listFolder / SyncSide::kListCopyFile).size;
    if (!IdsNameEveryWord(local, replayed.ids.size(),
                          static_cast<size_t>(copyBytes / WordListFile::kRecordSize), error))
        return false;
    replayed.areIdsRead = true;
    return true;
}

void AddIfChanged(FileSystem& files, const fs::path& listFolder, const std::string& path,
                  const std::string& bytes, std::vector<FileImage>& images) {
    std::string old;
    if (files.ReadFile(Under(listFolder, path), old) == 0 && old == bytes) return;
    images.push_back({path, bytes});
}

bool WordsWait(const Local& local, const Replayed& replayed) {
    return ListChanged(replayed) && !local.MayWriteBoth();
}

std::vector<FileImage> ImagesOf(const Local& local, Replayed& replayed, Direction studied,
                                int32_t wordOnScreen, ListSync::Report& report,
                                std::vector<std::string>& gone) {
    std::vector<FileImage> images;
    const ListReplay::Result& result = replayed.result;
    const bool listChanged = ListChanged(replayed);
    if (WordsWait(local, replayed)) return images;
    if (listChanged) {
        const std::string bytes = WordListFile::Serialize(replayed.result.words);
        images.push_back({ListFolder::kWordListFile, bytes});
        for (Direction direction : ListFolder::kDirections)
            images.push_back(ListGuard::CopyImage(bytes, direction));
        report.listChanged = true;
    }
    for (Direction direction : ListFolder::kDirections) {
        if (!local.MayWrite(direction)) continue;
        const std::vector<FileImage>& session =
            direction == Direction::kBackwards ? result.backwards : result.forwards;
        int64_t onScreen = direction == studied
                               ? wordOnScreen
                               : ListSync::WordOnScreen(local.listFolder, direction, local.files);
        const fs::path sessionName = ListFolder::SessionName(direction);
        if (listChanged && onScreen > 0) {
            const int64_t followed = FollowWord(onScreen, replayed);
            const std::string path = (sessionName / "currWord.cfg").string();
            std::string bytes;
            if (followed != onScreen &&
                local.files.ReadFile(Under(local.listFolder, path), bytes) == 0) {
                CurrWordRecord record;
                record.Decode(bytes);
                record.wordIndex = followed < 0 ? NO_WORD : static_cast<uint32_t>(followed);
                bytes.assign(CurrWordRecord::kSize, '\0');
                record.Encode(bytes.data());
                images.push_back({path, bytes});
            }
            onScreen = followed;
        }
        bool changed = false;
        for (const FileImage& image : session) {
            const std::string bytes = onScreen > 0 && IsListFile(image.path)
                                          ? WithoutWord(image.bytes, onScreen)
                                          : image.bytes;
            const std::string path = (sessionName / fs::path(image.path).filename()).string();
            const size_t before = images.size();
            AddIfChanged(local.files, local.listFolder, path, bytes, images);
            changed = changed || images.size() != before;
        }
        const std::string history =
            (sessionName / fs::path(SessionFiles::kHistory).filename()).string();
        if (std::none_of(
                session.begin(), session.end(),
                [](const FileImage& image) { return image.path == SessionFiles::kHistory; }) &&
            PosixFiles::StampOf(local.listFolder / history).exists) {
            gone.push_back(history);
            changed = true;
        }
        report.sessionChanged = report.sessionChanged || changed;
    }
    return images;
}

std::vector<FileImage> SideImages(const Local& local, Replayed& replayed) {
    std::vector<FileImage> images;
    const ListReplay::Result& result = replayed.result;
    // The ids and the copy name the words on disk, from which the next sync tells a change.
    // Words that neither this computer nor the replay changed are named as they were.
    const bool wait = WordsWait(local, replayed);
    const bool renamesWords =
        wait ? replayed.isListRead
             : replayed.isListRead || result.wordsTouched || ListChanged(replayed);
    if (renamesWords)
        AddIfChanged(local.files, local.listFolder, SyncSide::kIdsFile,
                     SyncSide::IdsText(wait ? replayed.ids : IdsOf(replayed)), images);
    // The copy changes with the words on disk: what the replay wrote, or the learner's
    // change while the words wait.
    if (wait ? !replayed.isCopyCurrent : ListChanged(replayed) || !replayed.isCopyCurrent)
        AddIfChanged(local.files, local.listFolder, SyncSide::kListCopyFile,
                     wait ? replayed.listBytes : WordListFile::Serialize(replayed.result.words),
                     images);
    if (!wait)
        AddIfChanged(local.files, local.listFolder, SyncSide::kCommittedFile,
                     std::to_string(replayed.nextSequence) + "\n", images);
    AddIfChanged(local.files, local.listFolder, SyncSide::kClockFile,
                 std::to_string(replayed.latest.physicalMs) + " " +
                     std::to_string(replayed.latest.logical) + "\n",
                 images);
    int64_t others = 0;
    for (const auto& [device, seconds] : result.secondsByDevice)
        if (device != local.device)
            others = seconds > std::numeric_limits<int64_t>::max() - others
                         ? std::numeric_limits<int64_t>::max()
                         : others + seconds;
    AddIfChanged(local.files, local.listFolder, SyncSide::kOthersSecondsFile,
                 std::to_string(others) + "\n", images);
    return images;
}

}  // namespace SyncWrite
