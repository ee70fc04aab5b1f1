// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListImporter.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/LearnersWords.h"
#include "engine/ListRec.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "imports/ImportAdvice.h"
#include "imports/WordFileReader.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListRebase.h"
#include "lists/ListTransaction.h"
#include "lists/MediaCopier.h"
#include "lists/MediaIndex.h"

#include <sstream>

#include "posix/PosixFiles.h"

namespace fs = std::filesystem;

namespace {

// The tool's hint on choosing a format means nothing where no option can be given.
std::string WithoutOptionHint(std::string text) {
    const size_t hint = text.find(ImportAdvice::Text(ImportAdvice::kFormatChooses));
    if (hint != std::string::npos) text.erase(hint);
    return text;
}

std::string WithLine(int line, const std::string& text) {
    return line > 0 ? LearnersWords::Filled(LearnersWords::Said("ListImporter", "line %1: %2"),
                                            {std::to_string(line), text})
                    : text;
}

std::string CheckCount(const ImportPlan& plan) {
    if (plan.records.empty())
        return LearnersWords::Said("ListImporter", "the file holds no words to study");
    if (plan.records.size() > kMaxStudyWords)
        return LearnersWords::Filled(
            LearnersWords::Said("ListImporter",
                                "the file holds %1 words; Quibbix can study at most %2"),
            {std::to_string(plan.records.size()), std::to_string(kMaxStudyWords)});
    return std::string();
}

// A pairing counts the records of the list its editor read: over any other list it would hand
// progress to other words. Leaves the list's bytes in `bytes`.
bool IsPairedListInPlace(FileSystem& files, const fs::path& folder, const ImportPlan& plan,
                         std::string& bytes, std::string& error) {
    const std::string path = ListFolder::WordList(folder).string();
    if (const int failure = files.ReadFile(path, bytes); failure != 0) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListImporter", "cannot read %1 (%2); nothing changed"),
            {path, DescribeError(failure)});
        return false;
    }
    if (bytes == plan.pairedList) return true;
    error = LearnersWords::Filled(
        LearnersWords::Said("ListImporter",
                            "%1 was changed elsewhere since its words were read; nothing changed"),
        {path});
    return false;
}

// The index of `plan.records`: each card's media from the file when it gives any, else those
// it had (`old`: the card of the same text, or the one `plan.pairing` names among
// `oldRecords`). What the file gives is copied into the store in `folder`.
MediaIndex BringMedia(const fs::path& folder, const ImportPlan& plan, const MediaIndex& old,
                      const std::vector<WordRecord>& oldRecords, std::vector<std::string>& notes) {
    MediaIndex index;
    std::optional<MediaCopier> copier;
    if (plan.mediaSource && !plan.media.empty()) copier.emplace(folder, *plan.mediaSource, notes);
    for (size_t i = 0; i < plan.records.size(); ++i) {
        const WordRecord& card = plan.records[i];
        if (copier && i < plan.media.size() && !plan.media[i].IsEmpty()) {
            index.Set(card, copier->Bring(plan.media[i]));
            continue;
        }
        if (old.IsEmpty() || plan.isMediaWhole) continue;
        const int from = i < plan.pairing.size() ? plan.pairing[i] : -1;
        const CardMedia* had = from >= 0 && static_cast<size_t>(from) < oldRecords.size()
                                   ? old.Find(oldRecords[static_cast<size_t>(from)])
                                   : old.Find(card);
        if (had) index.Set(card, *had);
    }
    return index;
}

bool WriteIndex(FileSystem& files, const fs::path& folder, const MediaIndex& index,
                std::string& error) {
    const std::string path = (folder / MediaIndex::kFile).string();
    if (const int failure = files.WriteNewFile(path, index.Serialize()); failure != 0) {
        error = LearnersWords::Filled(LearnersWords::Said("ListImporter", "cannot write %1 (%2)"),
                                      {path, DescribeError(failure)});
        return false;
    }
    files.SyncDirectory((folder / MediaStore::kDir).string());
    return true;
}

}  // namespace

namespace ListImporter {

ImportPlan Read(const fs::path& file, const ImportOptions& options,
                const RecordEncoder::Options& encode) {
    ImportPlan plan;
    plan.file = file;
    plan.options = options;
    plan.encode = encode;
    std::ostringstream printed;
    Diagnostics diagnostics(printed);
    const WordFile words = WordFileReader::Read(file.string(), options, encode, diagnostics);
    plan.encoding = words.encoding;
    plan.encodingConfidence = words.encodingConfidence;
    plan.headerLikely = words.headerLikely;
    plan.isUndecodable = words.isUndecodable;
    for (const Diagnostics::Message& message : diagnostics.Messages()) {
        if (message.kind != Diagnostics::Message::Kind::kError)
            plan.notes.push_back(WithLine(message.line, WithoutOptionHint(message.text)));
        else if (words.isReadable)
            plan.refused.push_back({message.line, message.text});
        else if (plan.error.empty())
            plan.error = WithLine(message.line, message.text);
    }
    if (!words.isReadable) {
        if (plan.error.empty())
            plan.error = LearnersWords::Said("ListImporter", "the file cannot be read");
        return plan;
    }
    plan.records = words.records;
    plan.media = words.media;
    plan.mediaSource = words.mediaSource;
    if (plan.refused.empty()) plan.error = CheckCount(plan);
    plan.suggestedName = ListStore::CleanName(words.title);
    plan.wordLocale = words.wordLocale;
    plan.definitionLocale = words.definitionLocale;
    if (plan.suggestedName.empty()) plan.suggestedName = ListStore::CleanName(file.stem().string());
    if (plan.suggestedName.empty()) plan.suggestedName = "List";
    return plan;
}

bool AddAsNew(ListStore& store, const ImportPlan& plan, const std::string& name, fs::path& folder,
              std::string& error, std::vector<std::string>* notes) {
    error = CheckCount(plan);
    if (!error.empty()) return false;
    const std::string bytes = WordListFile::Serialize(plan.records);
    // The copy goes in from the start, so that the first study of the list reads no file twice;
    // both are written from the one string.
    std::vector<FileImage> contents = {
        {ListFolder::kWordListFile, {}, &bytes},
        {ListFolder::StudiedCopyFile(ListFolder::Direction::kForwards), {}, &bytes}};
    // The languages the file names are the list's from the start; the study window and the
    // chooser read them (SpeechSettings) before guessing any.
    std::string languages;
    if (!plan.wordLocale.empty()) languages += "words " + plan.wordLocale + "\n";
    if (!plan.definitionLocale.empty()) languages += "definitions " + plan.definitionLocale + "\n";
    if (!languages.empty()) contents.push_back({ListFolder::kSpeechFile, languages});
    std::vector<std::string> mediaNotes;
    const auto fill = [&](const fs::path& staged, std::string& failure) {
        const MediaIndex index = BringMedia(staged, plan, MediaIndex(), {}, mediaNotes);
        return index.IsEmpty() || WriteIndex(store.Files(), staged, index, failure);
    };
    const std::optional<fs::path> made =
        store.Create(name, contents, error, plan.media.empty() ? ListStore::Filler() : fill);
    if (notes) notes->insert(notes->end(), mediaNotes.begin(), mediaNotes.end());
    if (!made) return false;
    folder = *made;
    ListGuard::StampCopy(folder);
    return true;
}

bool Update(ListStore& store, const ImportPlan& plan, const std::string& name, std::string& report,
            std::string& error, std::optional<ListFolder::Direction> callerHolds,
            std::vector<std::string>* notes) {
    using ListFolder::Direction;
    error = CheckCount(plan);
    if (error.empty())
        error = RecordMatcher::CheckPairing(
            plan.pairing, ListRebase::Records(plan.pairedList).size(), plan.records.size());
    if (!error.empty()) return false;
    const bool isPaired = !plan.pairing.empty();
    const std::optional<ListSummary> list = store.Find(name);
    if (!list) {
        error = LearnersWords::Filled(LearnersWords::Said("ListImporter", "no list named \"%1\""),
                                      {name});
        return false;
    }
    const fs::path& folder = list->folder;
    // A lock is taken once per open folder: the caller's own would be refused as held.
    FolderLock locks[2];
    for (Direction direction : ListFolder::kDirections) {
        if (direction == callerHolds) continue;
        if (!ListFolder::LockForChange(folder, direction, locks[static_cast<int>(direction)],
                                       error))
            return false;
    }
    std::string oldBytes;
    if (isPaired && !IsPairedListInPlace(store.Files(), folder, plan, oldBytes, error))
        return false;
    std::string ignored;
    store.Prepare(folder, ignored);
    // The sessions are first brought onto the list as it stands, whatever was copied over it.
    ListGuard::Notice notice;
    if (!ListGuard::CheckBoth(store.Files(), folder, notice)) {
        error = notice.detail;
        return false;
    }
    // Once more: an update a kill interrupted, which the guard has just finished, may have
    // changed the words.
    if (isPaired && !IsPairedListInPlace(store.Files(), folder, plan, oldBytes, error))
        return false;
    // The list and its studied copies are written from this one string, which outlives the
    // change.
    const std::string newBytes = WordListFile::Serialize(plan.records);
    std::vector<FileImage> images = {{ListFolder::kWordListFile, {}, &newBytes}};
    // The cards' media are part of the change: the files come in first, each under a name of
    // its own that nothing else writes, and the index naming them changes with the words.
    const MediaIndex oldIndex = MediaIndex::Load(folder);
    std::vector<std::string> mediaNotes;
    const MediaIndex index =
        BringMedia(folder, plan, oldIndex,
                   isPaired && !oldIndex.IsEmpty() ? ListRebase::Records(plan.pairedList)
                                                   : std::vector<WordRecord>(),
                   mediaNotes);
    if (notes) notes->insert(notes->end(), mediaNotes.begin(), mediaNotes.end());
    if (!index.IsEmpty() || !oldIndex.IsEmpty())
        images.push_back({MediaIndex::kFile, index.Serialize()});
    std::vector<ListRebase::Move> moves;
    for (Direction direction : ListFolder::kDirections) {
        // A copy cannot go where there is no session folder; the guard makes one when the
        // direction is first studied.
        if (!PosixFiles::StampOf(ListFolder::Session(folder, direction)).isDirectory) continue;
        images.push_back({ListFolder::StudiedCopyFile(direction), {}, &newBytes});
        if (!ListFolder::HasSession(folder, direction)) continue;
        if (oldBytes.empty() &&
            store.Files().ReadFile(ListFolder::WordList(folder).string(), oldBytes) != 0) {
            error = LearnersWords::Filled(
                LearnersWords::Said("ListImporter", "cannot read %1, which the progress stands on"),
                {ListFolder::WordList(folder).string()});
            return false;
        }
        moves.push_back({direction, ListRebase::Records(oldBytes), plan.pairing});
    }
    // The old words are in the moves now; their bytes are not needed again.
    std::string().swap(oldBytes);
    report = Counted(plan.records.size(), "word");
    const std::vector<WordRecord> newRecords =
        moves.empty() ? std::vector<WordRecord>() : ListRebase::Records(newBytes);
    if (!moves.empty()) {
        std::string summary;
        if (!ListRebase::Run(store.Files(), folder, moves, newRecords, std::move(images), summary,
                             error))
            return false;
        report += "; " + summary;
    } else {
        FileError failure;
        if (!ListTransaction(store.Files(), ListFolder::Session(folder)).Commit(images, failure)) {
            error = LearnersWords::Filled(LearnersWords::Said("ListImporter", "cannot write %1"),
                                          {failure.Describe()});
            return false;
        }
    }
    for (Direction direction : ListFolder::kDirections) ListGuard::StampCopy(folder, direction);
    // Only once the change is made: before, a kill would leave the old index naming files gone.
    if (!oldIndex.IsEmpty()) MediaStore(folder).KeepOnly(index.Names());
    return true;
}

}  // namespace ListImporter
