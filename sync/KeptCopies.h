#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// What this computer took from the other computers' journal copies in a sync folder, kept in a
// folder of its own beside the list, so that what a sync merged stays merged whatever the
// folder does next: a copy deleted, cut short or to its header, or a pipe, a link, a device or
// a file too large in its place changes nothing here. The sync folder is anyone's to write.
//
// A kept copy only grows, as the copy it keeps grows: what the folder's copy adds is appended.
// A copy that no longer begins with what was kept (its owner's data folder restored from an
// older backup, or a forgery) starts a new kept copy, and the old one stays beside it as
// "journal-<device>.txt.<n>", read at every sync like the others, so that no event once taken
// is dropped; a device has at most kMaxGenerations of them, past which the folder's copy is
// passed over.

#include "engine/FileSystem.h"
#include "sync/JournalMerge.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class KeptCopies {
public:
    static constexpr int kMaxGenerations = 8;
    // Far beyond a lifetime of study on a handful of computers: a folder holding more events
    // is refused rather than read into memory.
    static constexpr size_t kMaxEvents = 10'000'000;

    // requires: `files` outlives the object; `keptDir`'s parent exists.
    KeptCopies(FileSystem& files, std::string keptDir);

    // Takes what each journal copy in `syncFolder`, but `ownDevice`'s, added since the last
    // call, and gives every kept copy (its whole lines, named as the folder names it) in
    // `copies`, for the merge. `notes` gets one line for each copy that cannot be read, and why,
    // and for each that changed what it held. False with `error` when a kept copy cannot be
    // written, or when the copies hold more than `maxEvents` events with the `ownEvents` of
    // this computer's journal: nothing is then given, and the sync must not go on.
    bool Take(const std::string& syncFolder, const std::string& ownDevice,
              std::vector<JournalMerge::Copy>& copies, std::vector<std::string>& notes,
              std::string& error, size_t ownEvents = 0, size_t maxEvents = kMaxEvents);

    // Whether Take passed over a copy it could read (past the event limit, or changed too
    // often): the next sync must look at it again, however unchanged the folder.
    bool IsPassedOver() const { return m_isPassedOver; }
    // Notes the sums the merge gave the copies `Take` gave it (its Marks), for the next sync;
    // a copy without one is read then.
    void NoteMerged(const std::vector<JournalMerge::CopyMark>& marks);

private:
    // The memo of each kept copy (kept/stamps.txt), so that a sync at which a copy did not
    // change neither reads it nor its kept copy: the folder's copy's stamp when it was last
    // taken, the kept copy's stamp, length, lines and CopySum.
    static constexpr const char* kMemoName = "stamps.txt";
    static constexpr const char* kMemoHeader = "quibbix-kept 2\n";
    struct Memo {
        std::string folderStamp;
        std::string keptStamp;
        size_t size = 0;
        size_t lines = 0;
        uint64_t sum = 0;
    };
    struct Kept {
        bool exists = false;      // a kept copy is there
        bool isLoaded = false;    // its bytes were read (or it is none)
        std::string bytes;        // whole lines
        int generations = 0;      // older copies kept beside it
        std::string folderStamp;  // the folder's copy as this sync found it
        // The first bytes that the memo's sum vouched for as they were appended to.
        size_t vouchedBytes = 0;
        uint64_t vouchedSum = 0;
        // Its lines, header included, when counted already; 0 when not.
        size_t lines = 0;
    };

    // Adds `bytes` past the first `have`, which the kept copy holds, to it.
    bool Append(const std::string& device, size_t have, uint64_t sum, std::string&& bytes,
                Kept& copy, std::string& error);
    // Reads the kept copy of `device` once.
    bool Load(const std::string& device, Kept& copy, std::string& error);
    // Brings `kept` up to the folder's copy `bytes` (whole lines) of `device`.
    bool Extend(const std::string& device, const std::string& folderPath, std::string&& bytes,
                Kept& kept, std::vector<std::string>& notes, std::string& error);
    // Gives every kept copy, read or vouched for by its memo, within `maxEvents`.
    bool Give(const std::string& syncFolder, std::map<std::string, Kept>& kept,
              const std::map<std::string, Memo>& memos, std::vector<JournalMerge::Copy>& copies,
              std::string& error, size_t ownEvents, size_t maxEvents);
    std::map<std::string, Memo> ReadMemos() const;
    void WriteMemos(const std::map<std::string, Memo>& now);
    std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }

    FileSystem& m_files;
    std::string m_dir;
    // The memo as Take leaves the copies, for NoteMerged.
    std::map<std::string, Memo> m_next;
    bool m_isPassedOver = false;
};
