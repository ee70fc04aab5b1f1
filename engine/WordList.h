#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A first-in first-out queue of word entries that loads itself from and saves itself to a
// list file: a count line ("%d\n"), then one "%u\t%d\n" line (word index, counter) per entry
// from head to tail. Reading follows scanf's rules, so any run of white space separates the
// numbers and LF and CR LF files read alike.
//
// A queue may keep a journal of its changes, so that they can be taken back: a verdict taken
// back must leave every queue as it was, and a journal of a few entries costs far less than a
// copy of queues that together hold every word.

#include "engine/EntryQueue.h"
#include "engine/FileSystem.h"
#include "engine/ListRec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class CWordList {
public:
    // `files` must outlive the queue.
    explicit CWordList(FileSystem& files = DefaultFileSystem()) : m_files(&files) {}
    virtual ~CWordList() = default;

    // Stores a copy at the tail (atTail) or at the head; returns the count afterwards.
    int Add(CListRec entry, bool atTail);
    // Copies the head into `entry` and removes it; returns the count afterwards, or -1 (and
    // leaves `entry` alone) when the queue is empty.
    int RemoveHead(CListRec& entry);
    int GetCount() const { return static_cast<int>(m_queue.size()); }

    // Appends the file's entries at the tail. Returns the file's count, 0 when the file cannot
    // be opened (the queue unchanged), -1 for a null or empty name. Fewer pairs than the count
    // give (0, 0) entries; entries appended are capped at the file's size in bytes.
    int LoadFile(const char* name);
    // The same, telling how the read went: `error` is 0 or why the file could not be read
    // (ENOENT when it is missing); `damaged` when any of it could not be taken as written
    // (a count that does not match the pairs, a number that does not scan, nothing at all).
    struct LoadReport {
        int error = 0;
        bool damaged = false;
        // The file's bytes, kept only when it is damaged.
        std::string original;
    };
    int LoadFile(const char* name, LoadReport& report);
    // Appends the entries of a list file's `text` to `entries` and returns the count it
    // states; `damaged` is set when the text is not exactly a count and that many pairs.
    static int32_t Parse(std::string_view text, EntryQueue& entries, bool& damaged);
    // Replaces the file atomically; returns 1 when it was written, 0 otherwise.
    int SaveFile(const char* name);
    // The file's text for the queue as it stands.
    std::string Serialize() const;

    const EntryQueue& Entries() const { return m_queue; }
    // Drops every entry for which `drop(entry)` is true; keeps the order of the others. Like
    // RemoveHead, a change the journal takes back.
    template <typename Pred>
    void RemoveIf(Pred drop) {
        KeepInOrder([&drop](const CListRec& entry) { return !drop(entry); });
    }
    // Keeps the entries `keep(entry)` accepts, asked front to back and once each, in their
    // order: what taking every entry from the head and adding the kept ones at the tail
    // leaves, without taking the list apart; the journal keeps only the entries dropped.
    template <typename Pred>
    void KeepInOrder(Pred keep) {
        const size_t dropsBefore = m_drops.size();
        m_queue.KeepIf(keep, [this](size_t position, const CListRec& entry) {
            if (m_isJournaling) m_drops.push_back({position, entry});
        });
        const size_t dropped = m_drops.size() - dropsBefore;
        if (m_isJournaling && dropped > 0)
            m_journal.push_back({Change::Kind::kKept, CListRec(), dropsBefore, dropped});
    }
    // Removes every entry of word `wordIndex`, the first copied into `entry`; false (nothing
    // changed) when the word waits in no entry. A change the journal cannot take back.
    bool TakeAll(uint32_t wordIndex, CListRec& entry);

    // From now on the queue remembers its changes (what it remembered before is forgotten).
    // Empties the list and stops its journal, for a session read anew.
    void Clear();
    void StartJournal();
    void StopJournal();
    // True while the journal runs and holds every change since StartJournal: loading a file
    // or dropping entries are not kept, and make it false.
    bool CanTakeBack() const { return m_isJournaling && m_isJournalWhole; }
    // Undoes every change since StartJournal, the last first, and stops the journal; false
    // (the queue left as it is) when CanTakeBack is false.
    bool TakeBack();

private:
    struct Change {
        enum class Kind : uint8_t { kAddedAtTail, kAddedAtHead, kRemovedHead, kKept };
        Kind kind;
        CListRec entry;
        // kKept: the entries dropped, m_drops[dropsFrom] on.
        size_t dropsFrom = 0;
        size_t dropCount = 0;
    };
    struct Drop {
        size_t position;
        CListRec entry;
    };
    // The slot each word's entry stands in, so that a word is taken from the middle of a
    // queue of 65,534 without a scan: built at the first TakeAll and kept up by every change
    // after it at the queue's ends; stale once the entries move, and given up while a word
    // stands twice (a damaged file) or a number is far beyond any list's, when TakeAll scans
    // for the first entry as the queue always did. A copy starts without one.
    struct Index {
        static constexpr uint32_t kNoSlot = UINT32_MAX;
        std::vector<uint32_t> slotOf;
        uint64_t moves = 0;
        bool built = false;

        Index() = default;
        Index(const Index&) {}
        Index& operator=(const Index&) {
            Drop();
            return *this;
        }
        void Drop() {
            slotOf.clear();
            built = false;
        }
    };

    void Note(Change::Kind kind, const CListRec& entry);
    bool IsIndexed();
    void Indexed(size_t slot);
    bool BuildIndex();
    void UndoKept(const Change& change);

    FileSystem* m_files;
    EntryQueue m_queue;
    std::string m_fileName;
    bool m_isJournaling = false;
    bool m_isJournalWhole = false;
    // Kept allocated between journals: one runs after every verdict.
    std::vector<Change> m_journal;
    std::vector<Drop> m_drops;
    Index m_index;
};
