// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/ListReplay.h"

#include "engine/HistoryFile.h"
#include "engine/SessionFiles.h"
#include "engine/WordList.h"
#include "engine/WordListFile.h"
#include "sync/Checksum.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "sync/MemoryFileSystem.h"
#include "sync/ReplayCheckpoint.h"
#include "sync/ReplayWords.h"
#include "sync/SessionReplay.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <string_view>

namespace {

using Direction = JournalEvent::Direction;
using Kind = JournalEvent::Kind;

constexpr const char* kCheckpointName = "replay.txt";

uint64_t FnvPart(uint64_t hash, std::string_view bytes) {
    return Checksum(Checksum(hash, std::to_string(bytes.size()) + ":"), bytes);
}

// A checkpoint belongs to one base: a list joined again from another base starts afresh.
std::string Fingerprint(const ListReplay::Base& base) {
    uint64_t hash = base.wordsHash;
    if (hash == 0 && !base.words.empty()) hash = ListReplay::WordsHash(base.words);
    if (hash == 0 && base.loadWords) hash = ListReplay::WordsHash(base.loadWords());
    for (const auto* images : {&base.forwards, &base.backwards}) {
        hash = FnvPart(hash, "direction");
        for (const FileImage& image : *images)
            hash = FnvPart(FnvPart(hash, image.path), image.bytes);
    }
    return std::to_string(hash);
}

// requires: more >= 0.
int64_t SaturatingAdd(int64_t total, int64_t more) {
    return total > std::numeric_limits<int64_t>::max() - more ? std::numeric_limits<int64_t>::max()
                                                              : total + more;
}

// "YYYY-MM-DD" of a time in seconds since 1970, in UTC: the day of a judgement whose device
// noted no usage before it, which every computer reads alike.
std::string UtcDate(int64_t seconds) {
    // A history starts in 1970: a wall clock set before it (a forged offset) counts there.
    if (seconds < 0) return "1970-01-01";
    // Floor division without a negation that the extreme times of a damaged line overflow.
    const int64_t days = seconds / 86400 - (seconds % 86400 < 0 ? 1 : 0);
    // Days to a civil date, counting years from March so that the leap day comes last.
    const int64_t z = days + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t dayOfEra = z - era * 146097;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t mp = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * mp + 2) / 5 + 1;
    const int64_t month = mp < 10 ? mp + 3 : mp - 9;
    const int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    if (year < 0 || year > 9999) return "1970-01-01";
    // Room for any int, though the date takes ten characters: the compiler cannot tell.
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return text;
}

// The day every event from `from` counts for in the history: a usage event's own date, and
// for any other the date of its device's latest usage event before it. `dates` holds those
// of the events before `from` and is brought up to the end.
std::vector<std::string> DaysOf(const std::vector<JournalEvent>& events, size_t from,
                                std::map<std::string, std::string>& dates) {
    std::vector<std::string> days(events.size() - from);
    for (size_t i = from; i < events.size(); ++i) {
        const JournalEvent& event = events[i];
        if (event.kind == Kind::kUsage) {
            dates[event.device] = event.date;
            days[i - from] = event.date;
        } else if (event.kind == Kind::kJudgement) {
            const auto found = dates.find(event.device);
            days[i - from] = found != dates.end() ? found->second : UtcDate(event.WallSeconds());
        }
    }
    return days;
}

std::vector<HistoryDay> HistoryIn(const std::vector<FileImage>& images) {
    std::vector<HistoryDay> days;
    for (const FileImage& image : images)
        if (image.path == SessionFiles::kHistory) HistoryFile::Parse(image.bytes, days);
    return days;
}

// As the study flow notes a day: a day gets a line once it has seconds or judgements, and
// every note brings its counts up to date.
void NoteDay(std::vector<HistoryDay>& days, const std::string& date, int64_t seconds,
             int64_t judgements, const HistoryCounts& counts) {
    auto day = std::lower_bound(
        days.begin(), days.end(), date,
        [](const HistoryDay& d, const std::string& value) { return d.date < value; });
    if (day == days.end() || day->date != date) {
        if (seconds <= 0 && judgements <= 0) return;
        day = days.insert(day, HistoryDay{date, 0, 0, counts});
    }
    if (seconds > 0) day->seconds = SaturatingAdd(day->seconds, seconds);
    if (judgements > 0) day->judgements = SaturatingAdd(day->judgements, judgements);
    day->counts = counts;
}

bool IsListFile(const std::string& path) {
    for (const SessionList& file : SessionFiles::kLists)
        if (path == file.path) return true;
    return false;
}

// One direction's replay and its history.
struct Way {
    Direction direction;
    std::unique_ptr<SessionReplay> replay;
    std::vector<HistoryDay> days;
    // What the replays this one replaced (at each reshape of the words) passed over.
    SessionReplay::Counts earlier;
    // A checkpoint's session, made a replay only once an event concerns this direction: a
    // sync that brings the other direction's answers neither reads nor writes this one's
    // 65,534 entries.
    const std::vector<FileImage>* waiting = nullptr;
    ReplayWords* waitingWords = nullptr;

    void Start(const std::vector<FileImage>& session, ReplayWords& words) {
        waiting = nullptr;
        replay = std::make_unique<SessionReplay>(session, words.Count(), direction);
        if (words.IsChanged())
            replay->SetWordIndex([&words](const std::string& id) { return words.IndexOf(id); });
    }
    // Start, once needed, from what a replay's Images() gave; `session` and `words` must
    // outlive the way.
    void StartWhenNeeded(const std::vector<FileImage>& session, ReplayWords& words) {
        replay.reset();
        waiting = &session;
        waitingWords = &words;
    }
    bool IsStarted() const { return replay || waiting; }
    void Stop() {
        replay.reset();
        waiting = nullptr;
    }
    SessionReplay& Replay() {
        if (!replay) Start(*waiting, *waitingWords);
        return *replay;
    }
    bool CanContinue(const std::vector<JournalEvent>& events, size_t from,
                     const SessionReplay::Undone& undone) const {
        return SessionReplay::CanContinueIn(direction, events, from, undone);
    }

    // Judgements and usage of this direction write its history as they are replayed;
    // `dayOf` holds the day of each event from `dayFrom`.
    void Apply(const std::vector<JournalEvent>& events, size_t from, size_t to,
               const SessionReplay::Undone& undone, const std::vector<std::string>& dayOf,
               size_t dayFrom) {
        if (!replay && !SessionReplay::Concerns(direction, events, from, to)) return;
        Replay().Apply(events, from, to, undone, [&](size_t i, bool judged) {
            const JournalEvent& event = events[i];
            if (event.kind == Kind::kUsage && event.direction == direction) {
                NoteDay(days, dayOf[i - dayFrom], event.seconds, 0,
                        HistoryCounts::Of(replay->State()));
            } else if (judged) {
                NoteDay(days, dayOf[i - dayFrom], 0, 1, HistoryCounts::Of(replay->State()));
            }
        });
    }

    // Moves the session onto the words as a reshape left them: entries follow their words to
    // their new indices, those of words taken out are dropped, and the maintenance of a new
    // replay puts the words added at the head of the to-be-viewed list, the last first, as
    // the update of a list places its new words.
    void Follow(const std::vector<uint32_t>& newIndexOf, ReplayWords& words) {
        std::vector<FileImage> images = Replay().Images();
        MemoryFileSystem memory;
        for (FileImage& image : images) {
            if (!IsListFile(image.path)) continue;
            memory.Put(image.path, image.bytes);
            CWordList old(memory);
            old.LoadFile(image.path.c_str());
            CWordList moved(memory);
            for (CListRec entry : old.Entries()) {
                if (entry.m_wordIndex >= newIndexOf.size()) continue;
                entry.m_wordIndex = newIndexOf[entry.m_wordIndex];
                if (entry.m_wordIndex != NO_WORD) moved.Add(entry, true);
            }
            image.bytes = moved.Serialize();
        }
        const SessionReplay::Counts& counts = replay->GetCounts();
        earlier.judged += counts.judged;
        earlier.undone += counts.undone;
        earlier.otherDirection += counts.otherDirection;
        earlier.unknownWords += counts.unknownWords;
        earlier.edits += counts.edits;
        Start(images, words);
    }

    size_t Judged() const { return earlier.judged + (replay ? replay->GetCounts().judged : 0); }
    size_t UnknownWords() const {
        return earlier.unknownWords + (replay ? replay->GetCounts().unknownWords : 0);
    }

    // The session files and the history, under the session paths.
    std::vector<FileImage> Images() const {
        std::vector<FileImage> images =
            replay ? replay->Images() : SessionReplay::SessionImagesIn(*waiting);
        // A history with no day in it is no history yet, as the engine keeps it.
        if (!days.empty()) images.push_back({SessionFiles::kHistory, HistoryFile::Serialize(days)});
        return images;
    }
};

bool IsWordChange(const JournalEvent& event) {
    return event.kind == Kind::kEdit || event.kind == Kind::kRemove;
}

// Replays events[from...] onto both directions, the words changing as their edits and
// removals come; false, with nothing replayed, when an undo among them takes back a
// judgement either state already holds.
bool ReplayFrom(const std::vector<JournalEvent>& events, size_t from, Way& forwards, Way& backwards,
                ReplayWords& words, std::map<std::string, std::string>& dates) {
    const SessionReplay::Undone undone = SessionReplay::UndoneIn(events, from);
    if (!forwards.CanContinue(events, from, undone) || !backwards.CanContinue(events, from, undone))
        return false;
    const std::vector<std::string> dayOf = DaysOf(events, from, dates);
    for (size_t i = from; i < events.size();) {
        // The words keep their indices up to the next edit that adds or takes out one.
        size_t end = i;
        for (; end < events.size(); ++end) {
            if (!IsWordChange(events[end])) continue;
            if (words.Reshapes(events[end])) break;
            words.Retext(events[end]);
        }
        forwards.Apply(events, i, end, undone, dayOf, from);
        backwards.Apply(events, i, end, undone, dayOf, from);
        if (end == events.size()) break;
        i = end;
        while (i < events.size() && IsWordChange(events[i])) ++i;
        const std::vector<uint32_t> newIndexOf = words.Reshape(events, end, i);
        forwards.Follow(newIndexOf, words);
        backwards.Follow(newIndexOf, words);
    }
    return true;
}

}  // namespace

uint64_t ListReplay::WordsHash(const std::vector<WordRecord>& words) {
    uint64_t hash = FnvPart(kChecksumSeed, std::to_string(words.size()));
    for (const WordRecord& word : words) hash = FnvPart(FnvPart(hash, word.word), word.definition);
    return hash;
}

uint64_t ListReplay::WordsSum(const std::vector<WordRecord>& words) {
    return Checksum(kChecksumSeed, WordListFile::Serialize(words));
}

ListReplay::ListReplay(FileSystem& files, std::string checkpointDir)
    : m_files(files), m_checkpointDir(std::move(checkpointDir)) {}

ListReplay::~ListReplay() = default;

const ReplayCheckpoint* ListReplay::Saved() {
    if (!m_isRead) {
        m_isRead = true;
        std::string bytes;
        m_saved = std::make_unique<ReplayCheckpoint>();
        if (m_files.ReadFile(m_checkpointDir + "/" + kCheckpointName, bytes) != 0 ||
            !ReplayCheckpoint::Parse(bytes, *m_saved))
            m_saved.reset();
    }
    return m_saved.get();
}

bool ListReplay::Fits(const std::string& fingerprint) {
    const ReplayCheckpoint* saved = Saved();
    return saved && saved->fingerprint == fingerprint &&
           saved->wordIds.size() == saved->words.size() && saved->words.size() <= kMaxStudyWords;
}

void ListReplay::Seed(JournalMerge& merge) {
    const ReplayCheckpoint* saved = Saved();
    JournalEvent last;
    std::string reason;
    if (!saved || saved->copies.empty() || saved->merged.count == 0 ||
        !JournalLine::Decode(saved->lastEvent, last, reason))
        return;
    size_t events = 0;
    for (const JournalMerge::CopyMark& mark : saved->copies) events += mark.events;
    if (events == saved->merged.count) merge.Seed(saved->copies, saved->merged, last);
}

bool ListReplay::Run(const Base& base, const std::vector<JournalEvent>& events, Result& result,
                     std::string& error) {
    return Replay(base, Fingerprint(base), events, nullptr, result, error);
}

bool ListReplay::Run(const Base& base, JournalMerge& merge, Result& result, std::string& error) {
    const std::string fingerprint = Fingerprint(base);
    if (merge.IsSeeded() && !Fits(fingerprint)) merge.Materialise();
    return Replay(base, fingerprint, merge.Events(), &merge, result, error);
}

bool ListReplay::Replay(const Base& base, const std::string& fingerprint,
                        const std::vector<JournalEvent>& events, const JournalMerge* merge,
                        Result& result, std::string& error) {
    result = Result();
    const size_t total = base.WordCount();
    if (total < 1 || total > kMaxStudyWords) {
        error = SyncTexts::Said(SyncTexts::kReplayHolds) + std::to_string(total) +
                SyncTexts::Said(SyncTexts::kStudiesFrom) + std::to_string(kMaxStudyWords) + ".";
        return false;
    }
    const std::string checkpointPath = m_checkpointDir + "/" + kCheckpointName;

    Way forwards{Direction::kForwards, nullptr, {}, {}};
    Way backwards{Direction::kBackwards, nullptr, {}, {}};
    const auto baseWords = [&base] {
        return base.words.empty() ? ReplayWords(base.wordCount, base.loadWords)
                                  : ReplayWords(base.words);
    };
    ReplayWords words = baseWords();
    size_t from = 0;
    const bool isSeeded = merge && merge->IsSeeded();
    ReplayCheckpoint saved;
    if (Fits(fingerprint)) saved = std::move(*m_saved);
    m_isRead = false;
    m_saved.reset();
    // A seeded merge holds just the events after the checkpoint, which it vouched for.
    const JournalMerge::Delta delta =
        isSeeded ? JournalMerge::Delta{0, true}
        : !saved.fingerprint.empty() && saved.merged.count <= events.size() &&
                saved.lastEvent == (saved.merged.count
                                        ? ReplayCheckpoint::LineOf(events[saved.merged.count - 1])
                                        : "-")
            ? JournalMerge::Since(events, saved.merged)
            : JournalMerge::Delta{};
    size_t revisions = 0;
    if (delta.continuesCheckpoint) {
        from = delta.resumeAt;
        if (!saved.words.empty())
            words.Restore(std::move(saved.wordIds), std::move(saved.words), saved.removedIds);
        revisions = words.Revisions();
        forwards.StartWhenNeeded(saved.forwards, words);
        backwards.StartWhenNeeded(saved.backwards, words);
        forwards.days = HistoryIn(saved.forwards);
        backwards.days = HistoryIn(saved.backwards);
        std::map<std::string, std::string> dates = saved.dates;
        // An undo of a judgement the checkpoint holds: only the base can leave it out.
        if (ReplayFrom(events, from, forwards, backwards, words, dates)) {
            saved.dates = std::move(dates);
            result.secondsByDevice = saved.secondsByDevice;
        } else {
            forwards.Stop();
            words = baseWords();
        }
    }
    if (!forwards.IsStarted()) {
        result.fromBase = true;
        from = 0;
        saved.dates.clear();
        forwards = {Direction::kForwards, nullptr, HistoryIn(base.forwards), {}};
        backwards = {Direction::kBackwards, nullptr, HistoryIn(base.backwards), {}};
        forwards.Start(base.forwards, words);
        backwards.Start(base.backwards, words);
        ReplayFrom(events, 0, forwards, backwards, words, saved.dates);
    }

    result.wordCount = static_cast<size_t>(words.Count());
    result.wordsTouched = result.fromBase || words.Revisions() != revisions;
    // The words' checksum without their bytes where it is known: the base's, or the
    // checkpoint's when nothing changed them since.
    if (!words.IsChanged() && base.wordsSum != 0)
        result.wordsSum = base.wordsSum;
    else if (!result.wordsTouched && !result.fromBase && saved.wordsSum != 0)
        result.wordsSum = saved.wordsSum;
    if (result.wordsSum == 0) result.wordsSum = WordsSum(words.Words());
    if (words.IsBroken()) {
        error = SyncTexts::Said(SyncTexts::kBaseUnreadable);
        return false;
    }
    if (words.IsLoaded()) {
        result.words = words.Words();
        result.wordIds = words.Ids();
    }
    result.forwards = forwards.Images();
    result.backwards = backwards.Images();
    result.judgementsReplayed = forwards.Judged() + backwards.Judged();
    result.unknownWords = forwards.UnknownWords() + backwards.UnknownWords();
    for (size_t i = from; i < events.size(); ++i) {
        const JournalEvent& event = events[i];
        if (IsWordChange(event)) ++result.editsReplayed;
        if (event.kind == Kind::kUsage && event.seconds > 0) {
            int64_t& seconds = result.secondsByDevice[event.device];
            seconds = SaturatingAdd(seconds, event.seconds);
        }
    }

    ReplayCheckpoint next;
    if (merge) next.copies = merge->Marks();
    // Nothing new: the checkpoint on disk is this one already.
    if (!result.fromBase && from == events.size() && next.copies == saved.copies) return true;
    next.fingerprint = fingerprint;
    next.merged = merge ? merge->Reached() : JournalMerge::CheckpointAt(events, events.size());
    const JournalEvent* last = merge ? merge->Last() : events.empty() ? nullptr : &events.back();
    next.lastEvent = last ? ReplayCheckpoint::LineOf(*last) : "-";
    next.dates = std::move(saved.dates);
    next.secondsByDevice = result.secondsByDevice;
    next.wordsSum = result.wordsSum;
    // Lent to the checkpoint for its text, not copied: a megabyte at every sync.
    const auto lend = [&] {
        if (words.IsChanged()) {
            next.wordIds.swap(result.wordIds);
            next.words.swap(result.words);
        }
        next.forwards.swap(result.forwards);
        next.backwards.swap(result.backwards);
    };
    if (words.IsChanged()) next.removedIds = {words.RemovedIds().begin(), words.RemovedIds().end()};
    lend();
    const std::string text = next.Serialize();
    lend();
    // A checkpoint that cannot be written costs the next run its shortcut, never a result.
    const int made = m_files.MakeDirectory(m_checkpointDir);
    if (made == 0 || made == EEXIST) WriteFileAtomically(m_files, checkpointPath, text);
    return true;
}
