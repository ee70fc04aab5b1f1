// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListSync.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "imports/EntryChecker.h"
#include "imports/FieldText.h"
#include "lists/ListGuard.h"
#include "lists/ListStore.h"
#include "lists/ListTransaction.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "lists/RecordMatcher.h"
#include "lists/SyncFiles.h"
#include "lists/SyncJoin.h"
#include "lists/SyncManifest.h"
#include "lists/SyncMedia.h"
#include "lists/SyncSide.h"
#include "lists/SyncWrite.h"
#include "sync/AnswerEvents.h"
#include "sync/Checksum.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "sync/KeptCopies.h"
#include "sync/ListReplay.h"
#include "sync/SyncTexts.h"
#include "sync/WordDiff.h"

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;
using ListFolder::Direction;
using SyncFiles::Under;
using SyncSide::Local;

namespace ListSync {

namespace {

using SyncWrite::Replayed;

std::vector<WordRecord> InUtf8(std::vector<WordRecord> records) {
    for (WordRecord& record : records) {
        record.word = FieldText::ToUtf8(record.word);
        record.definition = FieldText::ToUtf8(record.definition);
    }
    return records;
}

// For each word as the last sync left it, the word now that continues it, or WordDiff::kGone:
// paired as a rebase pairs them, by text in UTF-8 whatever the encoding of each field.
std::vector<uint32_t> NewWordsOf(const std::vector<WordRecord>& oldWords,
                                 const std::vector<WordRecord>& newWords) {
    const RecordMatcher matcher(InUtf8(oldWords), InUtf8(newWords));
    std::vector<uint32_t> newOfOld(oldWords.size());
    for (uint32_t i = 0; i < oldWords.size(); ++i) {
        const uint32_t j = matcher.NewRecordOf(i);
        newOfOld[i] = j == RecordMatcher::kGone ? WordDiff::kGone : j;
    }
    return newOfOld;
}

JournalEvent::Direction WayOf(Direction direction) {
    return direction == Direction::kBackwards ? JournalEvent::Direction::kBackwards
                                              : JournalEvent::Direction::kForwards;
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
        report.notes.push_back(LearnersWords::Filled(
            LearnersWords::Said(
                "ListSync",
                "%1: the words changed on another computer; they come in, with the progress of "
                "both directions, once no other program studies the list"),
            {Escaped(local.listFolder.string())}));
        return;
    }
    for (Direction direction : report.skipped)
        report.notes.push_back(LearnersWords::Filled(
            LearnersWords::Said("ListSync",
                                "%1: studied by another program right now, which takes "
                                "what arrived at its own next sync"),
            {Escaped(ListFolder::Session(local.listFolder, direction).string())}));
}

bool Commit(const Local& local, const std::vector<FileImage>& images, const Report& report,
            std::string& error);
// Reads the list, the copy of it the last sync left and the ids, and makes the events that
// tell each change between the copy and the list. Leaves in `replayed` the words on disk and
// the id of each.
bool DiffLocal(const Local& local, const Journal& journal, Replayed& replayed,
               std::vector<JournalEvent>& events, std::string& error);

// Appends to this computer's journal what was done here since the last sync: any change of the
// words since then, and `answers`. Needs neither the sync folder nor the replay, so that the
// study flow can put its answers here before it saves the session files that already count
// them. Leaves in `replayed` the words on disk and the id of each. With `media`, the media
// state as the last sync left it, also tells how the cards' pictures and recordings changed
// since: only a sync does, so that no answer reads the media index.
bool AppendLocal(const Local& local, Journal& journal, HybridClock& clock, Direction direction,
                 const std::vector<AnswerLog::Entry>& answers, Replayed& replayed, Report& report,
                 std::string& error, const SyncMedia::State* media = nullptr) {
    std::vector<JournalEvent> events;
    // A list as the last sync left it holds no change of the words to tell.
    replayed.listStamp = SyncSide::ListStamp(local.listFolder);
    replayed.listSum = SyncSide::ListSumByMemo(local.files, local.listFolder, replayed.listStamp);
    if (replayed.listSum == 0 && !DiffLocal(local, journal, replayed, events, error)) return false;
    if (!answers.empty() && !SyncWrite::ReadIdsOnce(local, replayed, error)) return false;
    // Only an undo of an answer an earlier save took needs this computer's events.
    static const std::vector<JournalEvent> kNone;
    const bool undoes = std::any_of(answers.begin(), answers.end(), [](const auto& entry) {
        return entry.kind == AnswerLog::Entry::Kind::kUndone;
    });
    const std::vector<JournalEvent> judged = AnswerEvents::Of(
        answers, WayOf(direction), replayed.ids, undoes ? journal.Events() : kNone, report.notes);
    events.insert(events.end(), judged.begin(), judged.end());
    if (media) {
        const std::vector<JournalEvent> changed =
            SyncMedia::Diff(*media, MediaIndex::Load(local.listFolder));
        events.insert(events.end(), changed.begin(), changed.end());
    }
    for (JournalEvent& event : events) {
        event.time = clock.Now();
        if (event.kind == JournalEvent::Kind::kJudgement)
            event.wallOffsetS -= event.time.physicalMs / 1000;
    }
    if (!events.empty() && !journal.Append(events, error)) return false;
    replayed.nextSequence = journal.NextSequence();
    return true;
}

bool DiffLocal(const Local& local, const Journal& journal, Replayed& replayed,
               std::vector<JournalEvent>& events, std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    std::string idsText, copyBytes, committedText;
    std::string& listBytes = replayed.listBytes;
    if (const int failure = files.ReadFile(Under(folder, ListFolder::kWordListFile), listBytes)) {
        error = FileError{Under(folder, ListFolder::kWordListFile), failure}.Describe();
        return false;
    }
    for (const auto& [path, bytes] :
         {std::pair{SyncSide::kIdsFile, &idsText}, std::pair{SyncSide::kListCopyFile, &copyBytes},
          std::pair{SyncSide::kCommittedFile, &committedText}}) {
        if (const int failure = SyncFiles::ReadIfThere(files, Under(folder, path), *bytes)) {
            error = FileError{Under(folder, path), failure}.Describe();
            return false;
        }
    }
    // A side written before the ids named where the journal stood takes no word back.
    const uint64_t committed =
        committedText.empty() ? UINT64_MAX : std::strtoull(committedText.c_str(), nullptr, 10);
    size_t trailing = 0;
    const std::vector<WordRecord> oldWords = WordListFile::ParseAll(copyBytes, trailing);
    const std::vector<std::string> oldIds = SyncSide::ReadIds(idsText);
    if (!SyncWrite::IdsNameEveryWord(local, oldIds.size(), oldWords.size(), error)) return false;
    replayed.wordsBefore = WordListFile::ParseAll(listBytes, trailing);
    replayed.listSum = Checksum(kChecksumSeed, listBytes);
    replayed.isListRead = replayed.areIdsRead = true;
    replayed.isCopyCurrent = listBytes == copyBytes;
    // The copy holds the list's bytes already: they need not stay in memory for it.
    if (replayed.isCopyCurrent) {
        replayed.ids = oldIds;
        std::string().swap(listBytes);
    } else
        WordDiff::DiffWords(
            oldWords, oldIds, replayed.wordsBefore, NewWordsOf(oldWords, replayed.wordsBefore),
            local.device, journal.NextSequence(),
            WordDiff::UncommittedWords(journal.Events(), local.device, committed, oldIds), events,
            replayed.ids);
    return true;
}

// The heart of a sync, with the locks held: journal, publish, merge, replay, write.
bool SyncLocked(const Local& local, const fs::path& syncFolder, Direction direction,
                const std::vector<AnswerLog::Entry>& answers, int32_t wordOnScreen, Report& report,
                std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    const std::string othersStamp = SyncSide::OthersStamp(files, syncFolder, local.device);
    std::string lastStamp;
    if (answers.empty() && files.ReadFile(Under(folder, SyncSide::kStampFile), lastStamp) == 0 &&
        lastStamp == othersStamp + SyncSide::OwnStamp(local, syncFolder, direction, wordOnScreen))
        return true;
    Journal journal(files, Under(folder, SyncSide::kJournalFile), local.device);
    if (!SyncSide::OpenJournal(local, journal, report.notes, error)) return false;

    // The merge reads only what follows the replay's checkpoint, when that still holds.
    ListReplay replay(files, Under(folder, SyncSide::kCheckpointDir));
    JournalMerge merge;
    replay.Seed(merge);
    std::string folderError;
    std::vector<std::string> names;
    const int listed = files.ListDirectory(syncFolder.string(), names);
    const bool folderRead = listed == 0;
    if (!folderRead) folderError = FileError{syncFolder.string(), listed}.Describe();
    // A copy holding more than the journal (a data folder restored from a backup, or a list
    // that left the folder and joined it again) gives its events back before any new event
    // takes a sequence number they hold.
    Journal::CopyResult recovered;
    if (folderRead && !journal.Publish(syncFolder.string(), recovered, folderError))
        report.notes.push_back(folderError);
    // The other computers' journals as this computer kept them, with what their copies in the
    // folder added since: a copy the folder lost or spoiled takes nothing back.
    std::vector<JournalMerge::Copy> copies;
    KeptCopies kept(files, Under(folder, SyncSide::kKeptDir));
    if (folderRead && !kept.Take(syncFolder.string(), local.device, copies, report.notes, error,
                                 journal.Lines() - 1, local.maxEvents))
        return false;
    const std::string ownCopy = Journal::CopyName(local.device);
    JournalMerge::Copy own{ownCopy, ownCopy, {}};
    own.lent = &journal.Bytes();
    copies.push_back(std::move(own));
    merge.AddCopies(std::move(copies), report.notes, &files);
    HybridClock clock(local.wallMs);
    for (const JournalEvent& event : merge.Events()) clock.Observe(event.time);
    // A seeded merge's events follow its checkpoint, whose last event is the latest before.
    if (const JournalEvent* last = merge.Last()) clock.Observe(last->time);

    Replayed replayed;
    std::string seenText;
    if (const int failure =
            SyncFiles::ReadIfThere(files, Under(folder, SyncSide::kSeenFile), seenText)) {
        error = FileError{Under(folder, SyncSide::kSeenFile), failure}.Describe();
        return false;
    }
    replayed.seen = SyncSide::ReadSeen(seenText);
    const uint64_t sequenceBefore = journal.NextSequence();
    // The media events this sync appends come back through the merge, like every other.
    SyncMedia::State media = SyncMedia::Load(files, folder);
    if (!AppendLocal(local, journal, clock, direction, answers, replayed, report, error, &media))
        return false;
    replayed.latest = clock.Last();
    if (journal.NextSequence() != sequenceBefore)
        merge.AddCopy(Journal::CopyName(local.device), journal.Bytes());
    // From here on the answers are in the journal, whatever fails next: offered again, they
    // would count twice on every computer.
    report.answersTaken = true;
    if (!folderRead) {
        report.isFolderAway = true;
        report.notes.push_back(LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1; what was done here syncs once the folder is back"),
            {folderError}));
        // The media events just appended are in the state now, or every sync until the folder
        // is back would tell them again.
        const std::string before = SyncMedia::Serialize(media);
        SyncMedia::Apply(media, journal.Events());
        if (SyncMedia::Serialize(media) != before)
            WriteFileAtomically(files, Under(folder, SyncMedia::kStateFile),
                                SyncMedia::Serialize(media));
        return true;
    }
    Journal::CopyResult published;
    std::string publishError;
    const bool isPublished = journal.Publish(syncFolder.string(), published, publishError);
    if (!isPublished)
        report.notes.push_back(LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1; the journal is published at the next sync"),
            {publishError}));

    ListReplay::Base base;
    if (!SyncSide::ReadLocalBase(files, folder, base, error)) return false;
    // Arrivals are told from the merged events: a seed may hold none that was not told yet.
    const JournalMerge::Checkpoint* held = merge.Held();
    if (held && (std::any_of(held->highest.begin(), held->highest.end(),
                             [&](const auto& device) {
                                 const auto told = replayed.seen.find(device.first);
                                 return told == replayed.seen.end() || told->second < device.second;
                             }) ||
                 SyncMedia::MissesEvents(media, held->highest)))
        merge.Materialise();
    if (!replay.Run(base, merge, replayed.result, error)) return false;
    if (!merge.LoadError().empty()) {
        error = merge.LoadError();
        return false;
    }
    kept.NoteMerged(merge.Marks());
    // The words themselves, where the files to write need them and the replay left them
    // unread: all of them, or the sync writes nothing.
    ListReplay::Result& result = replayed.result;
    if ((SyncWrite::ListChanged(replayed) || !replayed.isCopyCurrent) && result.words.empty()) {
        result.words = base.words.empty() ? base.loadWords() : base.words;
        if (result.words.size() != result.wordCount) {
            error = SyncSide::BaseWordsUnreadable(folder);
            return false;
        }
    }
    if (replayed.result.unknownWords > 0)
        report.notes.push_back(LearnersWords::Counted(
            "ListSync",
            QT_TRANSLATE_N_NOOP("ListSync", "%n judgement(s) of words no journal made passed over"),
            replayed.result.unknownWords,
            Counted(replayed.result.unknownWords, "judgement") +
                " of words no journal made passed over"));

    // The words on screen follow their ids when the words move.
    if (SyncWrite::ListChanged(replayed) && !SyncWrite::ReadIdsOnce(local, replayed, error))
        return false;
    // The cards' media as every journal makes them, their files brought over first.
    SyncMedia::Apply(media, merge.Events());
    const MediaIndex mediaIndex = SyncMedia::IndexOf(media);
    const bool isMediaWhole = SyncMedia::Exchange(folder, syncFolder, mediaIndex, report.notes);
    std::vector<std::string> gone;
    std::vector<FileImage> images =
        SyncWrite::ImagesOf(local, replayed, direction, wordOnScreen, report, gone);
    const std::string mediaText = mediaIndex.Serialize();
    const bool isMediaChanged =
        !mediaIndex.IsEmpty() || PosixFiles::StampOf(folder / MediaIndex::kFile).exists;
    if (isMediaChanged)
        SyncWrite::AddIfChanged(files, folder, MediaIndex::kFile, mediaText, images);
    SyncWrite::AddIfChanged(files, folder, SyncMedia::kStateFile, SyncMedia::Serialize(media),
                            images);
    const std::vector<FileImage> side = SyncWrite::SideImages(local, replayed);
    images.insert(images.end(), side.begin(), side.end());
    const bool wordsWait = SyncWrite::WordsWait(local, replayed);
    NoteSkipped(local, wordsWait, report);
    // What arrived is told once it is in this computer's lists.
    if (!wordsWait) {
        AnswerEvents::CountArrived(merge.Events(), local.device, replayed.seen,
                                   report.answersArrived, report.editsArrived);
        SyncWrite::AddIfChanged(files, folder, SyncSide::kSeenFile,
                                SyncSide::SeenText(replayed.seen), images);
    }
    const bool listWritten = report.listChanged;
    const bool isIndexWritten =
        std::any_of(images.begin(), images.end(),
                    [](const FileImage& image) { return image.path == MediaIndex::kFile; });
    if (!images.empty() && !Commit(local, images, report, error)) return false;
    // Files no card names any more go once the index no longer names them.
    if (isIndexWritten) MediaStore(folder).KeepOnly(mediaIndex.Names());
    for (const std::string& path : gone) files.Remove(Under(folder, path));
    // The list as this sync leaves it, for the next one; a list another program replaced
    // meanwhile is read again then.
    const std::string listStamp = SyncSide::ListStamp(folder);
    SyncSide::NoteListSum(
        files, folder, listWritten || listStamp == replayed.listStamp ? listStamp : std::string(),
        listWritten ? replayed.result.wordsSum : replayed.listSum);
    // Only a sync that wrote all it had to may let the next one pass: one that failed, ended
    // early or left a direction to another program leaves the stamp as it was.
    if (isPublished && report.skipped.empty() && !kept.IsPassedOver() && isMediaWhole)
        WriteFileAtomically(
            files, Under(folder, SyncSide::kStampFile),
            othersStamp + SyncSide::OwnStamp(local, syncFolder, direction, wordOnScreen));
    return true;
}

bool Commit(const Local& local, const std::vector<FileImage>& images, const Report& report,
            std::string& error) {
    FileSystem& files = local.files;
    const fs::path& folder = local.listFolder;
    // The replay holds both directions; a list never studied backwards gets the folder now.
    // A transaction makes no folders, and one decided for a folder that is missing could
    // never be finished.
    if (!SyncFiles::MakeDirectories(files, folder, ListFolder::kReverseSessionDir, error) ||
        !SyncFiles::MakeDirectories(files, folder, SyncSide::kSyncDir, error))
        return false;
    FileError failure;
    if (!ListTransaction(files, ListFolder::Session(folder)).Commit(images, failure)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListSync", "cannot write %1"),
                                      {failure.Describe()});
        return false;
    }
    if (report.listChanged)
        for (Direction way : ListFolder::kDirections) ListGuard::StampCopy(folder, way);
    return true;
}

// A word edited on another computer, checked as the Words window and import check an entry,
// with their messages, in the encoding its field's bytes are in, so that what passes is
// stored byte for byte as it came. A NUL, which would end the text early, is checked as it is.
bool EntryAsTheListChecksIt(std::string_view word, std::string_view definition,
                            std::string& problem) {
    const auto text = [](std::string_view field) {
        return field.find('\0') == std::string_view::npos || FieldText::IsCompact(field)
                   ? FieldText::ToUtf8(field)
                   : std::string(field);
    };
    // A compact field is what the automatic choice makes of a text neither other form holds.
    const auto encoding = [](std::string_view field) {
        return FieldText::IsCompact(field) ? FieldEncoder::Encoding::Auto
               : FieldText::IsUtf8(field)  ? FieldEncoder::Encoding::Utf8
                                           : FieldEncoder::Encoding::Cp1252;
    };
    WordRecord record;
    if (EntryChecker(encoding(word)).Word(text(word), record, problem) &&
        EntryChecker(encoding(definition))
            .Definition(text(word), text(definition), record, problem))
        return true;
    // An entry an older list let in (an empty definition, a byte that shows wrongly), which
    // a learner mended on another computer, was journaled as it stood: taken, as every
    // computer took it before, when it breaks nothing.
    return !JournalLine::BreaksList(word, definition);
}

// A compact field travels as its text, which a computer whose fields are compact in another
// way (or not at all) reads alike.
std::string FieldToLine(std::string_view field, size_t) {
    return FieldText::IsCompact(field) ? FieldText::ToUtf8(field) : std::string(field);
}

// A text that fits its field is stored as it came, as every edit was; a longer one in the
// compact form where that holds it, and otherwise left for the entry check to refuse.
std::string LineToField(std::string_view text, size_t size) {
    // More characters than the field has bytes never fit, at four bytes a character at most.
    if (text.size() <= size || text.size() > size * 4) return std::string(text);
    std::string compact = FieldText::ToCompact(text);
    return !compact.empty() && compact.size() <= size ? compact : std::string(text);
}

// What every entry point checks an edit with, and how an edit's fields travel.
void UseListTexts() {
    JournalLine::UseEntryCheck(&EntryAsTheListChecksIt);
    JournalLine::UseFieldForms(&FieldToLine, &LineToField);
}

// The file system every file an entry point touches goes through.
FileSystem& FilesOf(const Options& options) {
    return options.files ? *options.files : DefaultFileSystem();
}

}  // namespace

std::string Report::Line() const {
    const std::string answers =
        LearnersWords::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n answer(s)"),
                               answersArrived, Counted(answersArrived, "answer"));
    const std::string edits =
        LearnersWords::Counted("ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n word change(s)"),
                               editsArrived, Counted(editsArrived, "word change"));
    if (answersArrived > 0 && editsArrived > 0)
        return LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1 and %2 arrived from another computer"),
            {answers, edits});
    if (answersArrived == 0 && editsArrived == 0) return std::string();
    return LearnersWords::Filled(
        LearnersWords::Said("ListSync", "%1 arrived from another computer"),
        {answersArrived > 0 ? answers : edits});
}

bool IsJoined(const fs::path& listFolder, FileSystem& files) {
    return !FolderOf(listFolder, files).empty();
}

fs::path FolderOf(const fs::path& listFolder, FileSystem& files) {
    std::string text;
    if (files.ReadFile(Under(listFolder, SyncSide::kFolderFile), text) != 0) return {};
    const std::vector<std::string> lines = SyncFiles::SplitLines(text);
    return lines.empty() ? fs::path() : fs::path(lines[0]);
}

int32_t WordOnScreen(const fs::path& listFolder, Direction direction, FileSystem& files) {
    std::string bytes;
    const std::string path = (ListFolder::Session(listFolder, direction) / "currWord.cfg").string();
    if (files.ReadFile(path, bytes) != 0) return -1;
    CurrWordRecord record;
    record.Decode(bytes);
    return record.wordIndex == NO_WORD ? -1 : static_cast<int32_t>(record.wordIndex);
}

std::string ListNameIn(const fs::path& syncFolder, std::string& words, FileSystem& files) {
    words.clear();
    bool present = false;
    SyncManifest::Manifest manifest;
    std::string error;
    if (!SyncManifest::ReadManifest(files, syncFolder, present, manifest, error) || !present)
        return std::string();
    std::vector<FileImage> base;
    std::vector<std::string> notes;
    SyncManifest::ReadBase(files, syncFolder, manifest, base, notes);
    for (const FileImage& image : base)
        if (image.path == ListFolder::kWordListFile) words = image.bytes;
    return manifest.name;
}

bool Join(const fs::path& dataHome, const fs::path& listFolder, const fs::path& syncFolder,
          Report& report, std::string& error, const Options& options) {
    report = Report();
    Local local{FilesOf(options), dataHome, listFolder, std::string(), options.wallMs};
    local.maxEvents = options.maxEvents;
    const std::string shown = Escaped(syncFolder.string());
    const fs::path joined = FolderOf(listFolder, local.files);
    if (!joined.empty()) {
        if (joined == SyncSide::Absolute(syncFolder))
            return Sync(dataHome, listFolder, Direction::kForwards, {},
                        WordOnScreen(listFolder, Direction::kForwards, local.files), report, error,
                        options);
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync", "the list syncs with %1 already; leave it first"),
            {Escaped(joined.string())});
        return false;
    }
    UseListTexts();
    const ListSummary before = SyncJoin::SummaryOf(local.files, dataHome, listFolder);
    const std::string& name = before.name;
    FolderLock locks[2];
    if (!SyncSide::LockBoth(listFolder, std::nullopt, locks, error) ||
        !SyncSide::LoadDevice(local, report.notes, error))
        return false;
    // The base must hold progress on the words it holds, and no change a kill left half done
    // may meet the join's own.
    ListGuard::Notice notice;
    if (!ListGuard::CheckBoth(local.files, listFolder, notice)) {
        error = notice.detail;
        return false;
    }
    // A folder named for the list is made, as "mkdir -p" would, rather than asked for first;
    // an empty path names none.
    std::string unmade;
    int failure =
        syncFolder.empty() ? EINVAL : SyncFiles::MakeFolders(local.files, {}, syncFolder, unmade);
    std::vector<std::string> names;
    if (failure == 0) failure = local.files.ListDirectory(syncFolder.string(), names);
    if (failure != 0) {
        error = LearnersWords::Filled(LearnersWords::Said("ListSync", "%1: %2; nothing changed"),
                                      {shown, DescribeError(failure)});
        return false;
    }
    bool present = false;
    SyncManifest::Manifest manifest;
    if (!SyncManifest::ReadManifest(local.files, syncFolder, present, manifest, error)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListSync", "%1; nothing changed"),
                                      {Escaped(error)});
        return false;
    }
    if (present && !ListStore::SameName(manifest.name, name)) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync",
                                "%1 holds the list \"%2\", not \"%3\"; a sync folder holds "
                                "one list, so give this one a folder of its own"),
            {shown, Escaped(manifest.name), Escaped(name)});
        return false;
    }
    if (present) {
        if (!SyncJoin::JoinFolder(local, syncFolder, manifest, report.notes, error)) return false;
    } else {
        const std::vector<std::string> foreign = SyncManifest::ForeignFiles(names);
        if (!foreign.empty()) {
            const std::string first = "\"" + Escaped(foreign.front()) + "\"";
            const size_t more = foreign.size() - 1;
            const std::string named =
                more == 0 ? first
                          : LearnersWords::Filled(
                                LearnersWords::Said("ListSync", "%1 and %2"),
                                {first, LearnersWords::Counted(
                                            "ListSync", QT_TRANSLATE_N_NOOP("ListSync", "%n more"),
                                            more, Counted(more, "more", "more"))});
            error = LearnersWords::Filled(
                LearnersWords::Said("ListSync",
                                    "%1 holds files that are no Quibbix list's (%2, or a "
                                    "list still arriving); pick an empty folder"),
                {shown, named});
            return false;
        }
        if (!SyncJoin::StartFolder(local, syncFolder, name, report.notes, error)) return false;
    }
    for (Direction direction : ListFolder::kDirections) ListGuard::StampCopy(listFolder, direction);
    FolderLock side;
    const bool synced =
        SyncSide::LockSide(listFolder, side, error) &&
        SyncLocked(local, syncFolder, Direction::kForwards, {},
                   WordOnScreen(listFolder, Direction::kForwards, local.files), report, error);
    SyncJoin::KeepLastStudied(listFolder, before.lastStudied);
    return synced;
}

bool Sync(const fs::path& dataHome, const fs::path& listFolder, Direction direction,
          const std::vector<AnswerLog::Entry>& answers, int32_t wordOnScreen, Report& report,
          std::string& error, const Options& options) {
    report = Report();
    UseListTexts();
    // The answers go to the journal whatever program studies the other direction: a sync
    // that waited for that direction's lock kept them in memory, where they died with the
    // program, and the next replay wrote the progress without them.
    FolderLock side;
    if (!SyncSide::LockSide(listFolder, side, error)) return false;
    const fs::path syncFolder = FolderOf(listFolder, FilesOf(options));
    if (syncFolder.empty()) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1: the list is joined to no sync folder"),
            {Escaped(listFolder.string())});
        return false;
    }
    Local local{FilesOf(options), dataHome, listFolder, std::string(), options.wallMs};
    local.maxEvents = options.maxEvents;
    FolderLock locks[2];
    SyncSide::LockFree(local, options.callerHoldsLock ? std::optional(direction) : std::nullopt,
                       locks);
    if (!SyncSide::LoadDevice(local, report.notes, error)) return false;
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
    UseListTexts();
    if (answers.empty()) return true;
    FolderLock side;
    if (!SyncSide::LockSide(listFolder, side, error)) return false;
    if (!IsJoined(listFolder, FilesOf(options))) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListSync", "%1: the list is joined to no sync folder"),
            {Escaped(listFolder.string())});
        return false;
    }
    Local local{FilesOf(options), dataHome, listFolder, std::string(), options.wallMs};
    local.maxEvents = options.maxEvents;
    if (!SyncSide::LoadDevice(local, report.notes, error)) return false;
    Journal journal(local.files, Under(listFolder, SyncSide::kJournalFile), local.device);
    if (!SyncSide::OpenJournal(local, journal, report.notes, error)) return false;
    // The clock goes on from the latest time this computer has seen, its own or another's; the
    // next sync orders what arrives meanwhile among them.
    HybridClock clock(local.wallMs);
    clock.Observe(journal.LastTime());
    std::string seen;
    HybridTime latest;
    if (local.files.ReadFile(Under(listFolder, SyncSide::kClockFile), seen) == 0 &&
        std::sscanf(seen.c_str(), "%" SCNd64 " %" SCNu32, &latest.physicalMs, &latest.logical) == 2)
        clock.Observe(latest);
    Replayed replayed;
    if (!AppendLocal(local, journal, clock, direction, answers, replayed, report, error))
        return false;
    report.answersTaken = true;
    return true;
}

bool Leave(const fs::path& listFolder, std::string& error, FileSystem& files) {
    const std::string path = Under(listFolder, SyncSide::kFolderFile);
    if (const int failure = files.Remove(path)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    return true;
}

int64_t OthersSeconds(const fs::path& listFolder, FileSystem& files) {
    std::string text;
    if (files.ReadFile(Under(listFolder, SyncSide::kOthersSecondsFile), text) != 0) return 0;
    // A damaged journal may claim any count: the sum a caller makes must not overflow.
    return std::clamp<int64_t>(std::strtoll(text.c_str(), nullptr, 10), 0, INT32_MAX);
}

}  // namespace ListSync
