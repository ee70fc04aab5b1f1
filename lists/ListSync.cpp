// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListSync.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/Escaped.h"
#include "engine/FieldText.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "imports/LearnerText.h"
#include "lists/ListGuard.h"
#include "lists/ListRebase.h"
#include "lists/ListStore.h"
#include "lists/ListTransaction.h"
#include "lists/RecordMatcher.h"
#include "lists/Trash.h"
#include "platform/PosixFiles.h"
#include "platform/Translations.h"
#include "sync/DeviceId.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalMerge.h"
#include "sync/ListReplay.h"
#include "sync/SyncTexts.h"

#include <QCoreApplication>

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;
using ListFolder::Direction;

namespace ListSync {

namespace {

// The manifest, the one file of the folder that says what it holds:
//   quibbix-list 1
//   name<TAB>NAME
//   file<TAB>LENGTH<TAB>FNV-1a 64 in hex<TAB>PATH under base/, one line per base file
constexpr const char* kManifestName = "quibbix-list.txt";
constexpr const char* kManifestMagic = "quibbix-list";
constexpr int kManifestVersion = 1;
constexpr const char* kBaseDir = "base";

// This computer's side, relative to the list folder, so that a transaction can carry it.
constexpr const char* kSyncDir = kSideDir;
constexpr const char* kFolderFile = "sync/folder.txt";
constexpr const char* kJournalFile = "sync/journal.txt";
constexpr const char* kIdsFile = "sync/ids.txt";
constexpr const char* kListCopyFile = "sync/list.lst";
// The journal's next sequence number as the ids were written: its events from there on are
// not in the ids yet.
constexpr const char* kCommittedFile = "sync/committed.txt";
// The latest clock time the last sync saw in any journal: a record between syncs orders its
// events after what this computer had replayed, whatever its own clock says.
constexpr const char* kClockFile = "sync/clock.txt";
constexpr const char* kSeenFile = "sync/seen.txt";
constexpr const char* kOthersSecondsFile = "sync/others-seconds.txt";
constexpr const char* kLocalBaseDir = "sync/base";
constexpr const char* kCheckpointDir = "sync/checkpoint";
constexpr const char* kStampFile = "sync/stamp.txt";
// A sync holds this computer's side for a moment, while another program studying the other
// direction may sync too: a sync waits this long for the one before to end.
constexpr int kSideLockWaitMs = 10000;
// No list comes near these: a file of the folder that is larger is refused unread.
constexpr uint64_t kMaxBaseBytes = 256ull << 20;
constexpr uint64_t kMaxManifestBytes = 1ull << 20;

struct ManifestFile {
    std::string path;  // relative to base/, "list/kelvo.lst", "session/known.txt", ...
    uint64_t length = 0;
    std::string checksum;
};

struct Manifest {
    std::string name;
    std::vector<ManifestFile> files;
};

// The session files the base holds of each direction: what the replay starts from. The time
// of use and the word on screen stay each computer's own.
std::vector<std::string> SessionBaseFiles() {
    std::vector<std::string> names;
    for (const SessionList& list : SessionFiles::kLists) names.emplace_back(list.FileName());
    for (const char* path : {SessionFiles::kWordsLearned, SessionFiles::kHistory})
        names.emplace_back(fs::path(path).filename().string());
    return names;
}

std::string Fnv1a64(std::string_view bytes) {
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
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

std::string SerializeManifest(const Manifest& manifest) {
    std::string text = std::string(kManifestMagic) + " " + std::to_string(kManifestVersion) +
                       "\nname\t" + manifest.name + "\n";
    for (const ManifestFile& file : manifest.files)
        text +=
            "file\t" + std::to_string(file.length) + "\t" + file.checksum + "\t" + file.path + "\n";
    return text;
}

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

bool ParseManifest(const std::string& text, const std::string& name, Manifest& manifest,
                   std::string& error) {
    const std::vector<std::string> lines = SplitLines(text);
    const std::string magic = std::string(kManifestMagic) + " ";
    if (lines.empty() || lines[0].rfind(magic, 0) != 0) {
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync", "%1: not a Quibbix list manifest"), {name});
        return false;
    }
    const int version = std::atoi(lines[0].c_str() + magic.size());
    if (version > kManifestVersion) {
        error = LearnerText::Filled(
            QCoreApplication::translate(
                "ListSync",
                "%1: written by a newer Quibbix (format %2); update Quibbix to sync this list"),
            {name, std::to_string(version)});
        return false;
    }
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SplitTabs(lines[i]);
        if (fields.size() == 2 && fields[0] == "name") {
            manifest.name = fields[1];
        } else if (fields.size() == 4 && fields[0] == "file" && IsBaseFile(fields[3]) &&
                   std::none_of(manifest.files.begin(), manifest.files.end(),
                                [&](const ManifestFile& file) { return file.path == fields[3]; })) {
            manifest.files.push_back(
                {fields[3], std::strtoull(fields[1].c_str(), nullptr, 10), fields[2]});
        } else {
            error = LearnerText::Filled(
                QCoreApplication::translate("ListSync", "%1:%2: a damaged line (\"%3\")"),
                {name, std::to_string(i + 1), Escaped(lines[i].substr(0, 60))});
            return false;
        }
    }
    if (manifest.name.empty())
        error = LearnerText::Filled(QCoreApplication::translate("ListSync", "%1: names no list"),
                                    {name});
    return error.empty();
}

std::string Join(const fs::path& folder, const std::string& relative) {
    return (folder / relative).string();
}

int ReadIfThere(FileSystem& files, const std::string& path, std::string& bytes) {
    bytes.clear();
    const int failure = files.ReadFile(path, bytes);
    return failure == ENOENT ? 0 : failure;
}

// Makes `dir` and the folders above it up to `root`, which exists.
bool MakeDirectories(FileSystem& files, const fs::path& root, const fs::path& relativeDir,
                     std::string& error) {
    fs::path dir = root;
    for (const fs::path& part : relativeDir) {
        dir /= part;
        const int failure = files.MakeDirectory(dir.string());
        if (failure != 0 && failure != EEXIST) {
            error = FileError{dir.string(), failure}.Describe();
            return false;
        }
    }
    return true;
}

bool WriteUnder(FileSystem& files, const fs::path& root, const std::vector<FileImage>& images,
                std::string& error) {
    std::vector<FileImage> placed;
    for (const FileImage& image : images) {
        if (!MakeDirectories(files, fs::path(), root / fs::path(image.path).parent_path(), error))
            return false;
        placed.push_back({Join(root, image.path), image.bytes});
    }
    FileError failure;
    if (ReplaceFiles(files, placed, failure)) return true;
    error = failure.Describe();
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

// What a manifest names, read back; `notes` gets a line per file that has not arrived whole.
bool ReadBase(FileSystem& files, const fs::path& syncFolder, const Manifest& manifest,
              std::vector<FileImage>& images, std::vector<std::string>& notes) {
    bool whole = true;
    for (const ManifestFile& file : manifest.files) {
        const std::string path = Join(syncFolder / kBaseDir, file.path);
        std::string bytes;
        // A file of another length is not read at all, as it may be of any size; a link may
        // lead out of the folder.
        const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
        const uint64_t size = static_cast<uint64_t>(stamp.size);
        int failure = IsLinkBelow(syncFolder, fs::path(kBaseDir) / file.path) ? ELOOP
                      : file.length > kMaxBaseBytes                           ? EFBIG
                      : !stamp.exists                                         ? ENOENT
                                                                              : 0;
        if (failure == 0 && size == file.length) failure = files.ReadFile(path, bytes);
        if (failure != 0 || size != file.length || bytes.size() != file.length ||
            Fnv1a64(bytes) != file.checksum) {
            const std::string got =
                failure != 0 ? DescribeError(failure)
                             : LearnerText::Filled(
                                   QCoreApplication::translate("ListSync", "%1 of %2"),
                                   {LearnerText::Counted(
                                        "ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n byte(s)"),
                                        size, Counted(size, "byte")),
                                    std::to_string(file.length)});
            notes.push_back(LearnerText::Filled(
                QCoreApplication::translate(
                    "ListSync", "%1: still arriving (%2); the list is joined once it is whole"),
                {path, got}));
            whole = false;
            continue;
        }
        images.push_back({file.path, std::move(bytes)});
    }
    return whole;
}

// The base as the replay takes it: both directions under the session paths.
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

bool ReadLocalBase(FileSystem& files, const fs::path& listFolder, ListReplay::Base& base,
                   std::string& error) {
    const fs::path root = listFolder / kLocalBaseDir;
    std::vector<FileImage> images;
    std::string bytes;
    if (const int failure = files.ReadFile(Join(root, ListFolder::kWordListFile), bytes)) {
        error = FileError{Join(root, ListFolder::kWordListFile), failure}.Describe();
        return false;
    }
    images.push_back({ListFolder::kWordListFile, bytes});
    for (Direction direction : ListFolder::kDirections) {
        for (const std::string& name : SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            if (files.ReadFile(Join(root, relative), bytes) == 0)
                images.push_back({relative, bytes});
        }
    }
    base = BaseOf(images);
    return true;
}

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

std::vector<WordRecord> InUtf8(std::vector<WordRecord> records) {
    for (WordRecord& record : records) {
        record.word = FieldText::ToUtf8(record.word);
        record.definition = FieldText::ToUtf8(record.definition);
    }
    return records;
}

// Words this computer's journal made after the ids as the last sync left them (its events from
// sequence `committed` on), by id, as its latest event left each: a sync that ended between its
// journal and its ids (a kill, a full disk) made them, and the next diff finds them again as
// new words. An older word missing from the ids was removed since, perhaps elsewhere.
std::map<std::string, WordRecord> UncommittedWords(const std::vector<JournalEvent>& own,
                                                   const std::string& device, uint64_t committed,
                                                   const std::vector<std::string>& oldIds) {
    const std::set<std::string> known(oldIds.begin(), oldIds.end());
    std::map<std::string, WordRecord> words;
    for (const JournalEvent& event : own) {
        if (event.device != device && !event.device.empty()) continue;
        if (event.sequence < committed || known.count(event.word) > 0) continue;
        if (event.kind == JournalEvent::Kind::kRemove) words.erase(event.word);
        if (event.kind != JournalEvent::Kind::kEdit) continue;
        WordRecord& record = words[event.word];
        record.word = event.text;
        record.definition = event.definition;
    }
    return words;
}

// The events that turn the words as the last sync left them into the words now, and the id of
// each word now. `nextSequence` is the journal's: a word an edit adds is named after it, unless
// `uncommitted` holds it already with that text, when it keeps that id and no event repeats it.
void DiffWords(const std::vector<WordRecord>& oldWords, const std::vector<std::string>& oldIds,
               const std::vector<WordRecord>& newWords, const std::string& device,
               uint64_t nextSequence, std::map<std::string, WordRecord> uncommitted,
               std::vector<JournalEvent>& events, std::vector<std::string>& newIds) {
    const RecordMatcher matcher(InUtf8(oldWords), InUtf8(newWords));
    std::vector<int> oldOfNew(newWords.size(), -1);
    for (uint32_t i = 0; i < oldWords.size(); ++i) {
        const uint32_t j = matcher.NewRecordOf(i);
        if (j != RecordMatcher::kGone) {
            oldOfNew[j] = static_cast<int>(i);
            continue;
        }
        JournalEvent removal;
        removal.kind = JournalEvent::Kind::kRemove;
        removal.word = oldIds[i];
        events.push_back(removal);
    }
    newIds.assign(newWords.size(), std::string());
    for (size_t j = 0; j < newWords.size(); ++j) {
        const int i = oldOfNew[j];
        if (i >= 0) newIds[j] = oldIds[i];
        if (i >= 0 && oldWords[i] == newWords[j]) continue;
        if (i < 0) {
            const auto made =
                std::find_if(uncommitted.begin(), uncommitted.end(), [&](const auto& word) {
                    return word.second.word == newWords[j].word &&
                           word.second.definition == newWords[j].definition;
                });
            if (made != uncommitted.end()) {
                newIds[j] = made->first;
                uncommitted.erase(made);
                continue;
            }
        }
        JournalEvent edit;
        edit.kind = JournalEvent::Kind::kEdit;
        edit.device = device;
        edit.sequence = nextSequence + events.size();
        edit.word = i >= 0 ? newIds[j] : edit.NewWordId();
        edit.text = newWords[j].word;
        edit.definition = newWords[j].definition;
        newIds[j] = edit.word;
        events.push_back(edit);
    }
}

// The engine's word index names record index % n: index n stands for record 0.
int RecordOf(int64_t wordIndex, size_t count) {
    if (count == 0 || wordIndex < 1 || wordIndex > static_cast<int64_t>(count)) return -1;
    return static_cast<int>(wordIndex % static_cast<int64_t>(count));
}

int64_t WordIndexOf(size_t record, size_t count) { return record == 0 ? count : record; }

// The journal events of what the study flow logged, in its order. A judgement taken back in the
// same batch never reaches the journal; an older one is undone by an event naming it.
std::vector<JournalEvent> AnswerEvents(const std::vector<AnswerLog::Entry>& answers,
                                       Direction direction, const std::vector<std::string>& ids,
                                       const std::vector<JournalEvent>& ownEvents,
                                       std::vector<std::string>& notes) {
    const JournalEvent::Direction way = direction == Direction::kBackwards
                                            ? JournalEvent::Direction::kBackwards
                                            : JournalEvent::Direction::kForwards;
    // This direction's judgements of this device not yet undone, latest last.
    std::vector<uint64_t> standing;
    for (const JournalEvent& event : ownEvents) {
        if (event.kind == JournalEvent::Kind::kJudgement && event.direction == way)
            standing.push_back(event.sequence);
        if (event.kind == JournalEvent::Kind::kUndo)
            standing.erase(std::remove(standing.begin(), standing.end(), event.undone),
                           standing.end());
    }
    std::vector<JournalEvent> events;
    for (const AnswerLog::Entry& entry : answers) {
        if (entry.kind == AnswerLog::Entry::Kind::kUsed) {
            if (entry.seconds <= 0) continue;
            JournalEvent usage;
            usage.kind = JournalEvent::Kind::kUsage;
            usage.direction = way;
            usage.date = entry.date;
            usage.seconds = entry.seconds;
            events.push_back(usage);
            continue;
        }
        if (entry.kind == AnswerLog::Entry::Kind::kUndone) {
            auto judged = std::find_if(events.rbegin(), events.rend(), [](const JournalEvent& e) {
                return e.kind == JournalEvent::Kind::kJudgement;
            });
            if (judged != events.rend()) {
                events.erase(std::next(judged).base());
            } else if (!standing.empty()) {
                JournalEvent undo;
                undo.kind = JournalEvent::Kind::kUndo;
                undo.undone = standing.back();
                standing.pop_back();
                events.push_back(undo);
            }
            continue;
        }
        const int record = RecordOf(entry.wordIndex, ids.size());
        if (record < 0) {
            notes.push_back(LearnerText::Filled(
                QCoreApplication::translate(
                    "ListSync",
                    "a judgement of word %1, which the list does not hold, was left out"),
                {std::to_string(entry.wordIndex)}));
            continue;
        }
        JournalEvent judgement;
        judgement.word = ids[record];
        judgement.direction = way;
        judgement.code = entry.judgement;
        judgement.wallOffsetS = entry.wallMs / 1000;  // made relative once the time is known
        events.push_back(judgement);
    }
    return events;
}

// The list file `bytes` without the entries of `wordIndex`, and its count line made right.
std::string WithoutWord(const std::string& bytes, int64_t wordIndex) {
    const std::vector<std::string> lines = SplitLines(bytes);
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

struct Local {
    FileSystem& files;
    fs::path dataHome, listFolder;
    std::string device;
    std::function<int64_t()> wallMs;
    // The directions this sync may rewrite, by ListFolder::Direction: not one that another
    // program studies right now, as it would save its own lists over the sync's.
    bool writable[2] = {true, true};

    bool MayWrite(Direction direction) const { return writable[static_cast<int>(direction)]; }
    bool MayWriteBoth() const { return writable[0] && writable[1]; }
};

struct Replayed {
    ListReplay::Result result;
    std::vector<std::string> ids;          // as the diff left them, before the replay
    std::vector<WordRecord> wordsBefore;   // the list on disk before the replay
    std::string listBytes;                 // and its bytes
    std::map<std::string, uint64_t> seen;  // what was reported before
    uint64_t nextSequence = 0;             // the journal's, once this sync appended to it
    HybridTime latest;                     // the clock's, once this sync appended
};

// The word on screen of `direction` after the replay: -1 when none, or when its word is gone.
int64_t FollowWord(int64_t wordIndex, const Replayed& replayed) {
    const int record = RecordOf(wordIndex, replayed.ids.size());
    if (record < 0) return -1;
    const std::vector<std::string>& ids = replayed.result.wordIds;
    const auto found = std::find(ids.begin(), ids.end(), replayed.ids[record]);
    if (found == ids.end()) return -1;
    return WordIndexOf(static_cast<size_t>(found - ids.begin()), ids.size());
}

void AddIfChanged(FileSystem& files, const fs::path& listFolder, const std::string& path,
                  const std::string& bytes, std::vector<FileImage>& images) {
    std::string old;
    if (files.ReadFile(Join(listFolder, path), old) == 0 && old == bytes) return;
    images.push_back({path, bytes});
}

// New words move the progress of both directions: while another program studies either, the
// words and both sessions stay as they are, and the journal holds what arrived until then.
bool WordsWait(const Local& local, const Replayed& replayed) {
    return !(replayed.result.words == replayed.wordsBefore) && !local.MayWriteBoth();
}

// Every file the replay changed, the word on screen of each direction out of its list, and
// this computer's side of the sync; in `gone`, a history the replay holds no day of. Such a
// history, left by an earlier sync, would go on counting a judgement taken back since.
std::vector<FileImage> ImagesOf(const Local& local, const Replayed& replayed, Direction studied,
                                int32_t wordOnScreen, Report& report,
                                std::vector<std::string>& gone) {
    std::vector<FileImage> images;
    const ListReplay::Result& result = replayed.result;
    const bool listChanged = !(result.words == replayed.wordsBefore);
    if (WordsWait(local, replayed)) return images;
    if (listChanged) {
        const std::string bytes = WordListFile::Serialize(result.words);
        images.push_back({ListFolder::kWordListFile, bytes});
        for (Direction direction : ListFolder::kDirections)
            images.push_back(ListGuard::CopyImage(bytes, direction));
        report.listChanged = true;
    }
    for (Direction direction : ListFolder::kDirections) {
        if (!local.MayWrite(direction)) continue;
        const std::vector<FileImage>& session =
            direction == Direction::kBackwards ? result.backwards : result.forwards;
        int64_t onScreen =
            direction == studied ? wordOnScreen : WordOnScreen(local.listFolder, direction);
        const fs::path sessionName = ListFolder::SessionName(direction);
        if (listChanged && onScreen > 0) {
            const int64_t followed = FollowWord(onScreen, replayed);
            const std::string path = (sessionName / "currWord.cfg").string();
            std::string bytes;
            if (followed != onScreen &&
                local.files.ReadFile(Join(local.listFolder, path), bytes) == 0) {
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

std::vector<FileImage> SideImages(const Local& local, const Replayed& replayed) {
    std::vector<FileImage> images;
    const ListReplay::Result& result = replayed.result;
    // The ids and the copy name the words on disk, from which the next sync tells a change.
    const bool wait = WordsWait(local, replayed);
    AddIfChanged(local.files, local.listFolder, kIdsFile,
                 IdsText(wait ? replayed.ids : result.wordIds), images);
    AddIfChanged(local.files, local.listFolder, kListCopyFile,
                 wait ? replayed.listBytes : WordListFile::Serialize(result.words), images);
    if (!wait)
        AddIfChanged(local.files, local.listFolder, kCommittedFile,
                     std::to_string(replayed.nextSequence) + "\n", images);
    AddIfChanged(local.files, local.listFolder, kClockFile,
                 std::to_string(replayed.latest.physicalMs) + " " +
                     std::to_string(replayed.latest.logical) + "\n",
                 images);
    int64_t others = 0;
    for (const auto& [device, seconds] : result.secondsByDevice)
        if (device != local.device)
            others = seconds > std::numeric_limits<int64_t>::max() - others
                         ? std::numeric_limits<int64_t>::max()
                         : others + seconds;
    AddIfChanged(local.files, local.listFolder, kOthersSecondsFile, std::to_string(others) + "\n",
                 images);
    return images;
}

// Counts what other computers did that this one has not reported, and notes it as reported.
void CountArrived(const std::vector<JournalEvent>& events, const std::string& device,
                  std::map<std::string, uint64_t>& seen, Report& report) {
    std::map<std::string, uint64_t> highest = seen;
    for (const JournalEvent& event : events) {
        uint64_t& top = highest[event.device];
        top = std::max(top, event.sequence);
        if (event.device == device) continue;
        const auto before = seen.find(event.device);
        if (before != seen.end() && event.sequence <= before->second) continue;
        if (event.kind == JournalEvent::Kind::kJudgement) ++report.answersArrived;
        if (event.kind == JournalEvent::Kind::kEdit || event.kind == JournalEvent::Kind::kRemove)
            ++report.editsArrived;
    }
    seen = highest;
}

// The length and modification time of a file, a line.
std::string StampLine(const fs::path& path, const std::string& name) {
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    return name + "\t" + std::to_string(stamp.size) + "\t" + std::to_string(stamp.seconds) + "." +
           std::to_string(stamp.nanoseconds) + "\n";
}

// What a sync notes to tell, next time, that nothing arrived, with nothing studied since: then
// the sync ends without reading a journal, as a program does at every start. The other
// computers' journals are noted before they are read, so that one arriving during a sync is
// read by the next; this computer's own files (its journal, its copy, the word list) and the
// word on screen after the sync wrote them. A file changed within the same length and time
// stamp (a file system that keeps times to 2 seconds) is read at the next change.
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
    return std::string("on screen\t") + ListFolder::SessionName(direction) + "\t" +
           std::to_string(wordOnScreen) + "\n" +
           StampLine(local.listFolder / kJournalFile, kJournalFile) +
           StampLine(local.listFolder / ListFolder::kWordListFile, ListFolder::kWordListFile) +
           StampLine(syncFolder / copy, copy);
}

// The locks of both directions but the one the caller holds.
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

// The locks of the directions no other program studies, but the one the caller holds; a
// direction held elsewhere is marked not to be written.
void LockFree(Local& local, std::optional<Direction> held, FolderLock (&locks)[2]) {
    for (Direction direction : ListFolder::kDirections) {
        if (direction == held) continue;
        std::string ignored;
        local.writable[static_cast<int>(direction)] = ListFolder::LockForChange(
            local.listFolder, direction, locks[static_cast<int>(direction)], ignored);
    }
}

// This computer's side of the list (its journal, the ids, the replay's checkpoint) is one
// sync's at a time, whichever direction each program studies.
bool LockSide(const fs::path& listFolder, FolderLock& lock, std::string& error) {
    int code = 0;
    if (lock.AcquireWaiting((listFolder / kSyncDir).string(), kSideLockWaitMs, code) !=
        FolderLock::Result::kHeldElsewhere)
        return true;
    error = LearnerText::Filled(
        QCoreApplication::translate(
            "ListSync", "%1: another program is syncing the list; try again in a moment"),
        {Escaped((listFolder / kSyncDir).string())});
    return false;
}

// The words checked against the progress of the directions this sync may write.
bool CheckWritable(const Local& local, std::string& error) {
    ListGuard::Notice notice;
    bool ok = true;
    if (local.MayWriteBoth()) {
        ok = ListGuard::CheckBoth(local.files, local.listFolder, notice);
    } else {
        for (Direction direction : ListFolder::kDirections)
            if (local.MayWrite(direction))
                ok = ListGuard::Check(local.files, local.listFolder, direction, notice);
    }
    if (!ok) error = notice.detail;
    return ok;
}

void NoteSkipped(const Local& local, bool wordsWait, Report& report) {
    for (Direction direction : ListFolder::kDirections)
        if (wordsWait || !local.MayWrite(direction)) report.skipped.push_back(direction);
    if (wordsWait) {
        report.notes.push_back(LearnerText::Filled(
            QCoreApplication::translate(
                "ListSync",
                "%1: the words changed on another computer; they come in, with the progress of "
                "both directions, once no other program studies the list"),
            {Escaped(local.listFolder.string())}));
        return;
    }
    for (Direction direction : report.skipped)
        report.notes.push_back(LearnerText::Filled(
            QCoreApplication::translate("ListSync",
                                        "%1: studied by another program right now, which takes "
                                        "what arrived at its own next sync"),
            {Escaped(ListFolder::Session(local.listFolder, direction).string())}));
}

bool LoadDevice(Local& local, Report& report, std::string& error) {
    std::string notice;
    if (!DeviceId::LoadOrCreate(local.files, local.dataHome.string(), local.device, notice, error))
        return false;
    if (!notice.empty()) report.notes.push_back(notice);
    return true;
}

// Opens this computer's journal of the list. One left by another device id (a data folder
// copied from another computer, which now has an id of its own) is kept aside, as that
// computer goes on writing it.
bool OpenJournal(const Local& local, Journal& journal, Report& report, std::string& error) {
    if (journal.Open(error)) return true;
    const std::string path = Join(local.listFolder, kJournalFile);
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
    report.notes.push_back(LearnerText::Filled(
        QCoreApplication::translate(
            "ListSync",
            "%1: the journal of device %2, kept as %3; this computer starts a journal of its own"),
        {path, contents.device, aside}));
    error.clear();
    return journal.Open(error);
}

bool Commit(const Local& local, const std::vector<FileImage>& images, const Report& report,
            std::string& error);

// Appends to this computer's journal what was done here since the last sync: any change of the
// words since then, and `answers`. Needs neither the sync folder nor the replay, so that the
// study flow can put its answers here before it saves the session files that already count
// them. Leaves in `replayed` the words on disk and the id of each.
bool AppendLocal(const Local& local, Journal& journal, HybridClock& clock, Direction direction,
                 const std::vector<AnswerLog::Entry>& answers, Replayed& replayed, Report& report,
                 std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    std::string idsText, copyBytes, committedText;
    std::string& listBytes = replayed.listBytes;
    if (const int failure = files.ReadFile(Join(folder, ListFolder::kWordListFile), listBytes)) {
        error = FileError{Join(folder, ListFolder::kWordListFile), failure}.Describe();
        return false;
    }
    for (const auto& [path, bytes] :
         {std::pair{kIdsFile, &idsText}, std::pair{kListCopyFile, &copyBytes},
          std::pair{kCommittedFile, &committedText}}) {
        if (const int failure = ReadIfThere(files, Join(folder, path), *bytes)) {
            error = FileError{Join(folder, path), failure}.Describe();
            return false;
        }
    }
    // A side written before the ids named where the journal stood takes no word back.
    const uint64_t committed =
        committedText.empty() ? UINT64_MAX : std::strtoull(committedText.c_str(), nullptr, 10);
    size_t trailing = 0;
    const std::vector<WordRecord> oldWords = WordListFile::ParseAll(copyBytes, trailing);
    const std::vector<std::string> oldIds = ReadIds(idsText);
    if (oldIds.size() != oldWords.size()) {
        error = LearnerText::Filled(
            QCoreApplication::translate(
                "ListSync", "%1: names %2 of %3; leave the sync folder and join it again"),
            {Join(folder, kIdsFile),
             LearnerText::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n word(s)"),
                                  oldIds.size(), Counted(oldIds.size(), "word")),
             std::to_string(oldWords.size())});
        return false;
    }
    replayed.wordsBefore = WordListFile::ParseAll(listBytes, trailing);

    std::vector<JournalEvent> events;
    if (listBytes == copyBytes)
        replayed.ids = oldIds;
    else
        DiffWords(oldWords, oldIds, replayed.wordsBefore, local.device, journal.NextSequence(),
                  UncommittedWords(journal.Events(), local.device, committed, oldIds), events,
                  replayed.ids);
    const std::vector<JournalEvent> judged =
        AnswerEvents(answers, direction, replayed.ids, journal.Events(), report.notes);
    events.insert(events.end(), judged.begin(), judged.end());
    for (JournalEvent& event : events) {
        event.time = clock.Now();
        if (event.kind == JournalEvent::Kind::kJudgement)
            event.wallOffsetS -= event.time.physicalMs / 1000;
    }
    if (!events.empty() && !journal.Append(events, error)) return false;
    replayed.nextSequence = journal.NextSequence();
    return true;
}

// The heart of a sync, with the locks held: journal, publish, merge, replay, write.
bool SyncLocked(const Local& local, const fs::path& syncFolder, Direction direction,
                const std::vector<AnswerLog::Entry>& answers, int32_t wordOnScreen, Report& report,
                std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    const std::string othersStamp = OthersStamp(files, syncFolder, local.device);
    std::string lastStamp;
    if (answers.empty() && files.ReadFile(Join(folder, kStampFile), lastStamp) == 0 &&
        lastStamp == othersStamp + OwnStamp(local, syncFolder, direction, wordOnScreen))
        return true;
    Journal journal(files, Join(folder, kJournalFile), local.device);
    if (!OpenJournal(local, journal, report, error)) return false;
    for (const std::string& problem : journal.Problems()) report.notes.push_back(problem);

    // The merge reads only what follows the replay's checkpoint, when that still holds.
    ListReplay replay(files, Join(folder, kCheckpointDir));
    JournalMerge merge;
    replay.Seed(merge);
    std::string folderError;
    const bool folderRead = merge.AddFolder(files, syncFolder.string(), report.notes, folderError);
    // A copy holding more than the journal (a data folder restored from a backup, or a list
    // that left the folder and joined it again) gives its events back before any new event
    // takes a sequence number they hold.
    Journal::CopyResult recovered;
    if (folderRead && !journal.Publish(syncFolder.string(), recovered, folderError))
        report.notes.push_back(folderError);
    merge.AddCopy(Journal::CopyName(local.device), journal.Bytes());
    HybridClock clock(local.wallMs);
    for (const JournalEvent& event : merge.Events()) clock.Observe(event.time);
    // A seeded merge's events follow its checkpoint, whose last event is the latest before.
    if (const JournalEvent* last = merge.Last()) clock.Observe(last->time);

    Replayed replayed;
    std::string seenText;
    if (const int failure = ReadIfThere(files, Join(folder, kSeenFile), seenText)) {
        error = FileError{Join(folder, kSeenFile), failure}.Describe();
        return false;
    }
    replayed.seen = ReadSeen(seenText);
    const uint64_t sequenceBefore = journal.NextSequence();
    if (!AppendLocal(local, journal, clock, direction, answers, replayed, report, error))
        return false;
    replayed.latest = clock.Last();
    if (journal.NextSequence() != sequenceBefore)
        merge.AddCopy(Journal::CopyName(local.device), journal.Bytes());
    // From here on the answers are in the journal, whatever fails next: offered again, they
    // would count twice on every computer.
    report.answersTaken = true;
    if (!folderRead) {
        report.isFolderAway = true;
        report.notes.push_back(LearnerText::Filled(
            QCoreApplication::translate("ListSync",
                                        "%1; what was done here syncs once the folder is back"),
            {folderError}));
        return true;
    }
    Journal::CopyResult published;
    std::string publishError;
    const bool isPublished = journal.Publish(syncFolder.string(), published, publishError);
    if (!isPublished)
        report.notes.push_back(
            LearnerText::Filled(QCoreApplication::translate(
                                    "ListSync", "%1; the journal is published at the next sync"),
                                {publishError}));

    ListReplay::Base base;
    if (!ReadLocalBase(files, folder, base, error)) return false;
    // Arrivals are told from the merged events: a seed may hold none that was not told yet.
    const JournalMerge::Checkpoint* held = merge.Held();
    if (held && std::any_of(held->highest.begin(), held->highest.end(), [&](const auto& device) {
            const auto told = replayed.seen.find(device.first);
            return told == replayed.seen.end() || told->second < device.second;
        }))
        merge.Materialise();
    if (!replay.Run(base, merge, replayed.result, error)) return false;
    if (replayed.result.unknownWords > 0)
        report.notes.push_back(LearnerText::Counted(
            "ListSync",
            QT_TRANSLATE_N_NOOP("ListSync", "%n judgement(s) of words no journal made passed over"),
            replayed.result.unknownWords,
            Counted(replayed.result.unknownWords, "judgement") +
                " of words no journal made passed over"));

    std::vector<std::string> gone;
    std::vector<FileImage> images =
        ImagesOf(local, replayed, direction, wordOnScreen, report, gone);
    const std::vector<FileImage> side = SideImages(local, replayed);
    images.insert(images.end(), side.begin(), side.end());
    const bool wordsWait = WordsWait(local, replayed);
    NoteSkipped(local, wordsWait, report);
    // What arrived is told once it is in this computer's lists.
    if (!wordsWait) {
        CountArrived(merge.Events(), local.device, replayed.seen, report);
        AddIfChanged(files, folder, kSeenFile, SeenText(replayed.seen), images);
    }
    if (!images.empty() && !Commit(local, images, report, error)) return false;
    for (const std::string& path : gone) files.Remove(Join(folder, path));
    // Only a sync that wrote all it had to may let the next one pass: one that failed, ended
    // early or left a direction to another program leaves the stamp as it was.
    if (isPublished && report.skipped.empty())
        WriteFileAtomically(files, Join(folder, kStampFile),
                            othersStamp + OwnStamp(local, syncFolder, direction, wordOnScreen));
    return true;
}

bool Commit(const Local& local, const std::vector<FileImage>& images, const Report& report,
            std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    // The replay holds both directions; a list never studied backwards gets the folder now.
    // A transaction makes no folders, and one decided for a folder that is missing could
    // never be finished.
    if (!MakeDirectories(files, folder, ListFolder::kReverseSessionDir, error) ||
        !MakeDirectories(files, folder, kSyncDir, error))
        return false;
    FileError failure;
    if (!ListTransaction(files, ListFolder::Session(folder)).Commit(images, failure)) {
        error = LearnerText::Filled(QCoreApplication::translate("ListSync", "cannot write %1"),
                                    {failure.Describe()});
        return false;
    }
    if (report.listChanged)
        for (Direction way : ListFolder::kDirections) ListGuard::StampCopy(folder, way);
    return true;
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

// Files of the folder that are neither a sync engine's nor a list's.
std::vector<std::string> ForeignFiles(const std::vector<std::string>& names) {
    std::vector<std::string> foreign;
    for (const std::string& name : names)
        if (!JournalMerge::IsSyncEngineFile(name)) foreign.push_back(name);
    return foreign;
}

// The list's words and the session files of both directions, as the folder's base.
bool BaseImagesOfList(FileSystem& files, const fs::path& listFolder, std::vector<FileImage>& images,
                      std::string& error) {
    std::string bytes;
    if (const int failure = files.ReadFile(ListFolder::WordList(listFolder).string(), bytes)) {
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync", "%1; the list has no words to share"),
            {FileError{ListFolder::WordList(listFolder).string(), failure}.Describe()});
        return false;
    }
    images.push_back({ListFolder::kWordListFile, bytes});
    for (Direction direction : ListFolder::kDirections) {
        if (!ListFolder::HasSession(listFolder, direction)) continue;
        for (const std::string& name : SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            const int failure = files.ReadFile(Join(listFolder, relative), bytes);
            if (failure == ENOENT) continue;
            if (failure != 0) {
                error = FileError{Join(listFolder, relative), failure}.Describe();
                return false;
            }
            images.push_back({relative, bytes});
        }
    }
    return true;
}

// The list as the store shows it: its name (the first list may have no name file) and when
// it was last studied.
ListSummary SummaryOf(const fs::path& dataHome, const fs::path& listFolder) {
    std::error_code ignored;
    for (const ListSummary& list : ListStore(dataHome).Lists())
        if (fs::equivalent(list.folder, listFolder, ignored)) return list;
    ListSummary none;
    none.name = ListStore::NameIn(listFolder);
    return none;
}

// A join writes the session files of both directions, among them those the store dates the
// last study by; a join is no study, so they are dated back to the last study (to the epoch,
// "never", for a list never studied).
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

// One spelling of a folder, so that "FOLDER/" and "./FOLDER" name the one it joined.
fs::path Absolute(const fs::path& folder) {
    const fs::path normal = fs::absolute(folder).lexically_normal();
    return normal.has_filename() ? normal : normal.parent_path();
}

// Whether this computer's side holds the base `manifest` names: then its journal is of that
// folder, left with the list (a leave, a folder moved away and back).
bool SideHoldsBase(const Local& local, const Manifest& manifest) {
    for (const ManifestFile& file : manifest.files) {
        std::string bytes;
        if (local.files.ReadFile(Join(local.listFolder / kLocalBaseDir, file.path), bytes) != 0 ||
            bytes.size() != file.length || Fnv1a64(bytes) != file.checksum)
            return false;
    }
    return !manifest.files.empty();
}

// This computer's journal, before a join clears the side: events no folder has yet must not go
// with it. Published to `syncFolder` when it is that folder's (`manifest`, null for a folder
// this join starts), else kept in the trash, and said so.
bool KeepJournal(const Local& local, const fs::path& syncFolder, const Manifest* manifest,
                 Report& report, std::string& error) {
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
    if (!Trash::Put(local.files, ListStore(local.dataHome).TrashDir(), path, path, trashName,
                    trashed, error))
        return false;
    report.notes.push_back(LearnerText::Filled(
        QCoreApplication::translate("ListSync",
                                    "%1: events of another sync folder, kept in the trash as %2"),
        {path.string(), trashed.string()}));
    return true;
}

// This computer's side starts afresh: a journal of another folder must not reach this one.
void ClearSide(const fs::path& listFolder) {
    std::error_code ignored;
    fs::remove_all(listFolder / kSyncDir, ignored);
}

bool WriteSide(const Local& local, const fs::path& syncFolder, const std::vector<FileImage>& base,
               std::string& error) {
    if (!WriteUnder(local.files, local.listFolder / kLocalBaseDir, base, error)) return false;
    // The folder's path last: until it is written the list is not joined.
    return WriteUnder(local.files, local.listFolder,
                      {{kFolderFile, Absolute(syncFolder).string() + "\n"}}, error);
}

// The first computer: the list becomes the folder's base, the manifest last, so that no
// other computer takes a base still being written.
bool StartFolder(const Local& local, const fs::path& syncFolder, const std::string& name,
                 Report& report, std::string& error) {
    std::vector<FileImage> base;
    if (!BaseImagesOfList(local.files, local.listFolder, base, error) ||
        !KeepJournal(local, syncFolder, nullptr, report, error))
        return false;
    Manifest manifest;
    manifest.name = name;
    for (const FileImage& image : base)
        manifest.files.push_back({image.path, image.bytes.size(), Fnv1a64(image.bytes)});
    if (!WriteUnder(local.files, syncFolder / kBaseDir, base, error) ||
        !WriteUnder(local.files, syncFolder, {{kManifestName, SerializeManifest(manifest)}}, error))
        return false;
    ClearSide(local.listFolder);
    size_t trailing = 0;
    const size_t count = WordListFile::ParseAll(base.front().bytes, trailing).size();
    std::vector<std::string> ids;
    for (size_t record = 1; record <= count; ++record) ids.push_back(std::to_string(record));
    return WriteUnder(local.files, local.listFolder,
                      {{kIdsFile, IdsText(ids)},
                       {kListCopyFile, base.front().bytes},
                       {kCommittedFile, "0\n"}},
                      error) &&
           WriteSide(local, syncFolder, base, error);
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
            if (local.files.ReadFile(Join(local.listFolder, relative), bytes) == 0)
                images.push_back({relative, bytes});
        }
    }
    if (images.empty()) return true;
    // Restored from the trash, it lands among the lists as a list of its own, by this name.
    const std::string kept = name + " before joining a sync folder";
    images.push_back({ListFolder::kNameFile, kept + "\n"});
    const fs::path box = local.listFolder / kSyncDir / ".before-join";
    std::error_code ignoredCode;
    fs::remove_all(box, ignoredCode);
    if (!WriteUnder(local.files, box, images, error)) return false;
    fs::path trashed;
    const ListStore store(local.dataHome);
    // A list's name may hold any character, a slash among them; its folder's name is safe.
    const std::string trashName = local.listFolder.filename().string() + " before syncing";
    return Trash::Put(local.files, store.TrashDir(), box,
                      ListFolder::ListsDir(local.dataHome) / trashName, trashName, trashed, error);
}

// A later computer: the list is made from the folder's base and every journal there.
bool JoinFolder(const Local& local, const fs::path& syncFolder, const Manifest& manifest,
                Report& report, std::string& error) {
    std::vector<FileImage> base;
    std::vector<std::string> arriving;
    if (!ReadBase(local.files, syncFolder, manifest, base, arriving) ||
        std::none_of(base.begin(), base.end(), [](const FileImage& image) {
            return image.path == ListFolder::kWordListFile;
        })) {
        report.notes.insert(report.notes.end(), arriving.begin(), arriving.end());
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync",
                                        "%1: the list \"%2\" is still arriving; nothing changed, "
                                        "join again once it is whole"),
            {syncFolder.string(), Escaped(manifest.name)});
        return false;
    }
    std::string listBytes;
    for (const FileImage& image : base)
        if (image.path == ListFolder::kWordListFile) listBytes = image.bytes;
    if (!KeepJournal(local, syncFolder, &manifest, report, error) ||
        !TrashListAsItWas(local, manifest.name, listBytes, error))
        return false;
    ClearSide(local.listFolder);
    // The words are the base's, with no ids of their own yet: the replay gives every word its
    // id, and the sync that follows starts from it.
    size_t trailing = 0;
    std::vector<std::string> ids;
    for (size_t record = 1; record <= WordListFile::ParseAll(listBytes, trailing).size(); ++record)
        ids.push_back(std::to_string(record));
    // Progress comes from the base and the journals alone: the base's session files go in
    // with its words, and a session file the base lacks goes.
    std::vector<FileImage> images = base;
    images.push_back({kIdsFile, IdsText(ids)});
    images.push_back({kCommittedFile, "0\n"});
    images.push_back({kListCopyFile, listBytes});
    for (Direction direction : ListFolder::kDirections) {
        images.push_back(ListGuard::CopyImage(listBytes, direction));
        // The word on screen was one of the words just replaced.
        CurrWordRecord none;
        std::string bytes(CurrWordRecord::kSize, '\0');
        none.Encode(bytes.data());
        images.push_back(
            {std::string(ListFolder::SessionName(direction)) + "/currWord.cfg", bytes});
    }
    for (const char* dir : {ListFolder::SessionName(Direction::kForwards),
                            ListFolder::SessionName(Direction::kBackwards), kSyncDir})
        if (!MakeDirectories(local.files, local.listFolder, dir, error)) return false;
    FileError failure;
    if (!ListTransaction(local.files, ListFolder::Session(local.listFolder))
             .Commit(images, failure)) {
        error = LearnerText::Filled(QCoreApplication::translate("ListSync", "cannot write %1"),
                                    {failure.Describe()});
        return false;
    }
    for (Direction direction : ListFolder::kDirections) {
        for (const std::string& name : SessionBaseFiles()) {
            const std::string relative =
                std::string(ListFolder::SessionName(direction)) + "/" + name;
            if (std::none_of(base.begin(), base.end(),
                             [&](const FileImage& image) { return image.path == relative; }))
                local.files.Remove(Join(local.listFolder, relative));
        }
    }
    return WriteSide(local, syncFolder, base, error);
}

// The sync library needs no Qt: it says each of its pieces through this as it builds a message,
// so that only the pieces, never the paths and quoted lines between them, are translated.
std::string SyncPieceInLearnersWords(const char* piece) {
    if (!Translations::Active()) return piece;
    return QCoreApplication::translate("Sync", piece).toStdString();
}

}  // namespace

std::string Report::Line() const {
    const std::string answers =
        LearnerText::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n answer(s)"),
                             answersArrived, Counted(answersArrived, "answer"));
    const std::string edits =
        LearnerText::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n word change(s)"),
                             editsArrived, Counted(editsArrived, "word change"));
    if (answersArrived > 0 && editsArrived > 0)
        return LearnerText::Filled(
            QCoreApplication::translate("ListSync", "%1 and %2 arrived from another computer"),
            {answers, edits});
    if (answersArrived == 0 && editsArrived == 0) return std::string();
    return LearnerText::Filled(
        QCoreApplication::translate("ListSync", "%1 arrived from another computer"),
        {answersArrived > 0 ? answers : edits});
}

bool IsJoined(const fs::path& listFolder) { return !FolderOf(listFolder).empty(); }

fs::path FolderOf(const fs::path& listFolder) {
    std::string text;
    if (DefaultFileSystem().ReadFile(Join(listFolder, kFolderFile), text) != 0) return {};
    const std::vector<std::string> lines = SplitLines(text);
    return lines.empty() ? fs::path() : fs::path(lines[0]);
}

int32_t WordOnScreen(const fs::path& listFolder, Direction direction) {
    std::string bytes;
    const std::string path = (ListFolder::Session(listFolder, direction) / "currWord.cfg").string();
    if (DefaultFileSystem().ReadFile(path, bytes) != 0) return -1;
    CurrWordRecord record;
    record.Decode(bytes);
    return record.wordIndex == NO_WORD ? -1 : static_cast<int32_t>(record.wordIndex);
}

std::string ListNameIn(const fs::path& syncFolder, std::string& words) {
    words.clear();
    bool present = false;
    Manifest manifest;
    std::string error;
    if (!ReadManifest(DefaultFileSystem(), syncFolder, present, manifest, error) || !present)
        return std::string();
    std::vector<FileImage> base;
    std::vector<std::string> notes;
    ReadBase(DefaultFileSystem(), syncFolder, manifest, base, notes);
    for (const FileImage& image : base)
        if (image.path == ListFolder::kWordListFile) words = image.bytes;
    return manifest.name;
}

bool Join(const fs::path& dataHome, const fs::path& listFolder, const fs::path& syncFolder,
          Report& report, std::string& error, const Options& options) {
    report = Report();
    Local local{DefaultFileSystem(), dataHome, listFolder, std::string(), options.wallMs};
    const std::string shown = Escaped(syncFolder.string());
    const fs::path joined = FolderOf(listFolder);
    if (!joined.empty()) {
        if (joined == Absolute(syncFolder))
            return Sync(dataHome, listFolder, Direction::kForwards, {},
                        WordOnScreen(listFolder, Direction::kForwards), report, error, options);
        error =
            LearnerText::Filled(QCoreApplication::translate(
                                    "ListSync", "the list syncs with %1 already; leave it first"),
                                {Escaped(joined.string())});
        return false;
    }
    SyncTexts::UseTranslator(&SyncPieceInLearnersWords);
    const ListSummary before = SummaryOf(dataHome, listFolder);
    const std::string& name = before.name;
    FolderLock locks[2];
    if (!LockBoth(listFolder, std::nullopt, locks, error) || !LoadDevice(local, report, error))
        return false;
    // The base must hold progress on the words it holds, and no change a kill left half done
    // may meet the join's own.
    ListGuard::Notice notice;
    if (!ListGuard::CheckBoth(local.files, listFolder, notice)) {
        error = notice.detail;
        return false;
    }
    // A folder named for the list is made, as "mkdir -p" would, rather than asked for first.
    std::error_code made;
    fs::create_directories(syncFolder, made);
    std::vector<std::string> names;
    const int failure = made ? made.value() : local.files.ListDirectory(syncFolder.string(), names);
    if (failure != 0) {
        error =
            LearnerText::Filled(QCoreApplication::translate("ListSync", "%1: %2; nothing changed"),
                                {shown, DescribeError(failure)});
        return false;
    }
    bool present = false;
    Manifest manifest;
    if (!ReadManifest(local.files, syncFolder, present, manifest, error)) {
        error = LearnerText::Filled(QCoreApplication::translate("ListSync", "%1; nothing changed"),
                                    {Escaped(error)});
        return false;
    }
    if (present && !ListStore::SameName(manifest.name, name)) {
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync",
                                        "%1 holds the list \"%2\", not \"%3\"; a sync folder holds "
                                        "one list, so give this one a folder of its own"),
            {shown, Escaped(manifest.name), Escaped(name)});
        return false;
    }
    if (present) {
        if (!JoinFolder(local, syncFolder, manifest, report, error)) return false;
    } else {
        const std::vector<std::string> foreign = ForeignFiles(names);
        if (!foreign.empty()) {
            const std::string first = "\"" + Escaped(foreign.front()) + "\"";
            const size_t more = foreign.size() - 1;
            const std::string named =
                more == 0 ? first
                          : LearnerText::Filled(
                                QCoreApplication::translate("ListSync", "%1 and %2"),
                                {first, LearnerText::Counted(
                                            "ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n more"),
                                            more, Counted(more, "more", "more"))});
            error = LearnerText::Filled(
                QCoreApplication::translate("ListSync",
                                            "%1 holds files that are no Quibbix list's (%2, or a "
                                            "list still arriving); pick an empty folder"),
                {shown, named});
            return false;
        }
        if (!StartFolder(local, syncFolder, name, report, error)) return false;
    }
    for (Direction direction : ListFolder::kDirections) ListGuard::StampCopy(listFolder, direction);
    FolderLock side;
    const bool synced = LockSide(listFolder, side, error) &&
                        SyncLocked(local, syncFolder, Direction::kForwards, {},
                                   WordOnScreen(listFolder, Direction::kForwards), report, error);
    KeepLastStudied(listFolder, before.lastStudied);
    return synced;
}

bool Sync(const fs::path& dataHome, const fs::path& listFolder, Direction direction,
          const std::vector<AnswerLog::Entry>& answers, int32_t wordOnScreen, Report& report,
          std::string& error, const Options& options) {
    report = Report();
    SyncTexts::UseTranslator(&SyncPieceInLearnersWords);
    // The answers go to the journal whatever program studies the other direction: a sync
    // that waited for that direction's lock kept them in memory, where they died with the
    // program, and the next replay wrote the progress without them.
    FolderLock side;
    if (!LockSide(listFolder, side, error)) return false;
    const fs::path syncFolder = FolderOf(listFolder);
    if (syncFolder.empty()) {
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync", "%1: the list is joined to no sync folder"),
            {Escaped(listFolder.string())});
        return false;
    }
    Local local{DefaultFileSystem(), dataHome, listFolder, std::string(), options.wallMs};
    FolderLock locks[2];
    LockFree(local, options.callerHoldsLock ? std::optional(direction) : std::nullopt, locks);
    if (!LoadDevice(local, report, error)) return false;
    if (!options.callerHoldsLock && !CheckWritable(local, error)) return false;
    if (!SyncLocked(local, syncFolder, direction, answers, wordOnScreen, report, error)) {
        error = Escaped(syncFolder.string()) + ": " + error;
        return false;
    }
    return true;
}

bool Record(const fs::path& dataHome, const fs::path& listFolder, Direction direction,
            const std::vector<AnswerLog::Entry>& answers, Report& report, std::string& error,
            const Options& options) {
    report = Report();
    SyncTexts::UseTranslator(&SyncPieceInLearnersWords);
    if (answers.empty()) return true;
    FolderLock side;
    if (!LockSide(listFolder, side, error)) return false;
    if (!IsJoined(listFolder)) {
        error = LearnerText::Filled(
            QCoreApplication::translate("ListSync", "%1: the list is joined to no sync folder"),
            {Escaped(listFolder.string())});
        return false;
    }
    Local local{DefaultFileSystem(), dataHome, listFolder, std::string(), options.wallMs};
    if (!LoadDevice(local, report, error)) return false;
    Journal journal(local.files, Join(listFolder, kJournalFile), local.device);
    if (!OpenJournal(local, journal, report, error)) return false;
    // The clock goes on from the latest time this computer has seen, its own or another's; the
    // next sync orders what arrives meanwhile among them.
    HybridClock clock(local.wallMs);
    if (!journal.Events().empty()) clock.Observe(journal.Events().back().time);
    std::string seen;
    HybridTime latest;
    if (local.files.ReadFile(Join(listFolder, kClockFile), seen) == 0 &&
        std::sscanf(seen.c_str(), "%" SCNd64 " %" SCNu32, &latest.physicalMs, &latest.logical) == 2)
        clock.Observe(latest);
    Replayed replayed;
    if (!AppendLocal(local, journal, clock, direction, answers, replayed, report, error))
        return false;
    report.answersTaken = true;
    return true;
}

bool Leave(const fs::path& listFolder, std::string& error) {
    const std::string path = Join(listFolder, kFolderFile);
    if (const int failure = DefaultFileSystem().Remove(path)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    return true;
}

int64_t OthersSeconds(const fs::path& listFolder) {
    std::string text;
    if (DefaultFileSystem().ReadFile(Join(listFolder, kOthersSecondsFile), text) != 0) return 0;
    // A damaged journal may claim any count: the sum a caller makes must not overflow.
    return std::clamp<int64_t>(std::strtoll(text.c_str(), nullptr, 10), 0, INT32_MAX);
}

}  // namespace ListSync
