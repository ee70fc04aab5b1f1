#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The union of every computer's journal in the one order all of them replay it in. Journals
// may arrive in any order, twice, stale or cut short: each event counts once, by its device
// and sequence number, and once added it stays, so the merge only ever grows and the same
// events give the same order everywhere.
//
// A replay keeps a Checkpoint of how far it got; Since tells it whether what arrived since
// merely follows that point, so that only the new events need replaying, or whether some
// arrived before it (a computer that studied offline with a slower clock), when the replay
// must start again from the base.
//
// A year of journals takes longer to read than a sync at start may: a merge can be seeded
// with where the replay's checkpoint stood (Marks of the copies it had read, and its last
// event), and then reads of each copy only what follows those bytes, checked by their sum,
// holding only the events after the checkpoint. Whatever that cannot vouch for (a copy that
// changed or went, an event that sorts before the checkpoint or repeats a number it holds,
// an undo of an event it holds) makes the merge read everything again (Materialise), so that
// it always holds exactly what a merge from scratch would, or exactly what follows it.

#include "engine/FileSystem.h"
#include "sync/Journal.h"
#include "sync/JournalEvent.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class JournalMerge {
public:
    // Where a replay stood: after the first `count` events of the order, which held, of each
    // device, the events up to `highest[device]`. One device's events come in order of their
    // sequence numbers, as its clock only rises, so this names the events exactly.
    struct Checkpoint {
        std::map<std::string, uint64_t> highest;
        size_t count = 0;
    };
    // What a checkpoint keeps of a journal copy: its first `bytes` bytes (`lines` whole lines)
    // with their sum, the number of events they hold and the sequence number of the last.
    struct CopyMark {
        std::string name;
        size_t bytes = 0;
        size_t lines = 0;
        uint64_t sum = 0;
        size_t events = 0;
        uint64_t last = 0;

        bool operator==(const CopyMark& other) const;
    };
    struct Delta {
        // The events from Events()[resumeAt] on are to be replayed onto the checkpoint's state;
        // when !continuesCheckpoint, resumeAt is 0 and the replay starts from the base.
        size_t resumeAt = 0;
        bool continuesCheckpoint = false;
    };

    // Whether a sync engine made the file (its marker folder, a download in progress, a
    // conflict copy): it is never read, whatever its name resembles.
    static bool IsSyncEngineFile(const std::string& name);
    // Whether `name` is a journal copy, "journal-<device>.txt"; sets `device`.
    static bool IsJournalName(const std::string& name, std::string& device);
    // The same, or an older copy of that device's journal kept beside it,
    // "journal-<device>.txt.<n>" (see KeptCopies); sets `device`.
    static bool IsCopyName(const std::string& name, std::string& device);

    // A journal copy as read: its name (IsCopyName), the path that messages name, its bytes.
    // A copy kept in a file of this computer's own may come unread, with its length and
    // CopySum instead: a merge seeded from a checkpoint that read exactly those bytes needs
    // nothing more, and any other reads `file` when it must.
    struct Copy {
        std::string name;
        std::string path;
        std::string bytes;
        std::string file{};
        bool isRead = true;
        size_t size = 0;
        uint64_t sum = 0;
        // Bytes read in place instead of `bytes`: this computer's own journal, which must
        // outlive the merge.
        const std::string* lent = nullptr;
        // The caller summed the first `vouchedBytes` bytes already: CopySum gave vouchedSum.
        size_t vouchedBytes = 0;
        uint64_t vouchedSum = 0;
    };

    // Adds events; a device and sequence number seen before is skipped (when two different
    // events carry it, the first in EventOrderLess stays, wherever it was seen first).
    void Add(std::vector<JournalEvent> events);
    // Reads every journal copy in `folder` up to its last whole line, reading again only what
    // grew since the last call. `problems` gets one message per damaged line or refused file
    // (a newer format); the rest is read all the same. False only when the folder cannot be
    // listed.
    bool AddFolder(FileSystem& files, const std::string& folder, std::vector<std::string>& problems,
                   std::string& error);
    // Takes `copies` as what each holds now, as AddFolder takes what it reads; `problems` as
    // there. An unread copy is read through `files`, which must outlive the merge.
    void AddCopies(std::vector<Copy> copies, std::vector<std::string>& problems,
                   FileSystem* files = nullptr);
    // Reads `bytes` as what the copy `name` holds now: this computer's own journal, just
    // written, whose damaged lines the journal tells of itself. requires: `bytes` outlive the
    // merge, which reads them again, as they then are, if its seed fails.
    void AddCopy(const std::string& name, const std::string& bytes);

    // Starts an empty merge from a checkpoint: `held` and its last event `last`, reached by
    // merging exactly the copies' bytes `marks` name. Nothing is read here.
    void Seed(const std::vector<CopyMark>& marks, const Checkpoint& held, const JournalEvent& last);
    // Why an unread copy could not be read when the merge needed it, or empty: its events
    // are then missing, and nothing made of them may be written.
    const std::string& LoadError() const { return m_loadError; }
    // Whether Events() holds only the events after the seed's checkpoint.
    bool IsSeeded() const { return m_seed != nullptr; }
    // Reads everything read so far again from scratch, so that Events() holds every event.
    void Materialise();
    // The copies read, for a checkpoint of every event merged so far; empty when some event
    // did not come from them alone (two versions of one event, a number repeated in a copy,
    // events of a copy that changed since), when the next merge must read everything.
    std::vector<CopyMark> Marks() const;
    // The checkpoint whose events a seed holds without them in Events(); null when not seeded.
    const Checkpoint* Held() const { return m_seed ? &m_seed->held : nullptr; }
    // The checkpoint after every event merged, those a seed holds included.
    Checkpoint Reached() const;
    // The last event in the order, a seed's included; null for none.
    const JournalEvent* Last() const;

    // Every event, in the order to replay them.
    const std::vector<JournalEvent>& Events() const { return m_events; }
    // The checkpoint after the first `count` events. requires: count <= Events().size().
    Checkpoint CheckpointAt(size_t count) const { return CheckpointAt(m_events, count); }
    Delta Since(const Checkpoint& checkpoint) const { return Since(m_events, checkpoint); }
    // The same over events in the merge's order, for a replay handed only the events.
    static Checkpoint CheckpointAt(const std::vector<JournalEvent>& events, size_t count);
    static Delta Since(const std::vector<JournalEvent>& events, const Checkpoint& checkpoint);

private:
    // What a journal copy held when last read, so that only what grew is read again.
    struct CopyState {
        Journal::Contents contents;
        uint64_t sum = 0;  // of its first contents.wholeBytes bytes
        size_t events = 0;
        uint64_t last = 0;
        // Its events with rising sequence numbers: none repeated, so that `events` counts
        // distinct ones. (A damaged line is no event, here or in a merge from scratch.)
        bool isPlain = true;
    };
    struct Read {
        std::string name;
        std::string path;  // for messages
        std::string bytes;
        // The caller's bytes, read in place, and read again in place if the seed fails.
        const std::string* lent = nullptr;
        // Where the bytes are read from when they are needed after all (!isLoaded).
        std::string file{};
        bool isLoaded = true;
        size_t vouchedBytes = 0;
        uint64_t vouchedSum = 0;

        const std::string& Bytes() const { return lent ? *lent : bytes; }
    };
    struct SeedState {
        Checkpoint held;
        JournalEvent last;
        // Every read since seeding, by call, to read all again when the seed no longer holds.
        std::vector<std::vector<Read>> reads;
    };

    // The time of every merged event of one device by its sequence number. A device numbers
    // its events 1, 2, 3, ..., so a vector holds them without a node each; a number far
    // beyond them (a line damaged into another number that still reads) goes to a map.
    class SeenTimes {
    public:
        const HybridTime* Find(uint64_t sequence) const;
        void Set(uint64_t sequence, const HybridTime& time);

    private:
        static constexpr uint64_t kMaxGap = 1 << 16;
        std::vector<HybridTime> m_dense;  // [sequence - 1], valid where m_isSeen
        std::vector<bool> m_isSeen;
        std::unordered_map<uint64_t, HybridTime> m_sparse;
    };

    // Reads the bytes of the reads that came unread, up to their last whole line.
    void Load(std::vector<Read>& reads);
    void Load(std::vector<std::vector<Read>>& history);
    // Takes what grew in each copy read; false when a seed cannot vouch for it.
    bool Take(std::vector<Read>& reads, std::vector<std::string>& problems);
    // Reads the lines of `bytes` past those `copy` holds (all of them when its first bytes
    // changed, `isRestarted`) into copy.contents.events; false for a copy refused.
    bool ReadCopy(const Read& read, CopyState& copy, std::vector<std::string>& problems,
                  bool& isRestarted);
    // Whether every event merely follows the seed's checkpoint.
    bool FollowsSeed(const std::vector<JournalEvent>& events) const;
    // Whether the seed's reads already hold `read`'s bytes as that copy's latest.
    bool IsKept(const Read& read) const;
    // Take, and when the seed fails, Materialise with `reads` last.
    void TakeSeeded(std::vector<Read> reads, std::vector<std::string>& problems);
    // Drops from one journal's events those merged already, noting the others as merged.
    void KeepFresh(std::vector<JournalEvent>& events);
    // Adds the fresh events of journals of different devices, one journal after the other.
    void AddJournals(std::vector<std::vector<JournalEvent>>& journals);
    // Whether `event` replaces or duplicates one already merged; `replaces` when it comes
    // first in EventOrderLess and the one it replaces was taken out.
    bool IsKnown(const JournalEvent& event, const SeenTimes& seen, bool& replaced);

    std::vector<JournalEvent> m_events;
    // The time of every merged event by device and sequence number.
    std::unordered_map<std::string, SeenTimes> m_seen;
    std::map<std::string, CopyState> m_copies;
    // Events merged by device, for Marks.
    std::unordered_map<std::string, size_t> m_counts;
    // Whether two different events came under one device and sequence number.
    bool m_isConflicted = false;
    std::unique_ptr<SeedState> m_seed;
    // What unread copies are read through, and why the first that could not be was not.
    FileSystem* m_files = nullptr;
    std::string m_loadError;
};
