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

#include "engine/FileSystem.h"
#include "engine/ListRec.h"

#include <cstdint>
#include <iterator>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
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
    int GetCount() const { return static_cast<int>(m_list.size()); }

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
    static int32_t Parse(std::string_view text, std::list<CListRec>& entries, bool& damaged);
    // Replaces the file atomically; returns 1 when it was written, 0 otherwise.
    int SaveFile(const char* name);
    // The file's text for the queue as it stands.
    std::string Serialize() const;

    const std::list<CListRec>& Entries() const { return m_list; }
    // Drops every entry for which `drop(entry)` is true; keeps the order of the others.
    template <typename Pred>
    void RemoveIf(Pred drop) {
        m_isJournalWhole = false;
        m_index.Drop();
        m_list.remove_if(drop);
    }
    // Keeps the entries `keep(entry)` accepts, asked front to back and once each, in their
    // order: what taking every entry from the head and adding the kept ones at the tail
    // leaves, without taking the list apart. Like RemoveIf, a change the journal cannot
    // take back.
    template <typename Pred>
    void KeepInOrder(Pred keep) {
        m_isJournalWhole = false;
        m_index.Drop();
        for (auto it = m_list.begin(); it != m_list.end();)
            it = keep(*it) ? std::next(it) : m_list.erase(it);
    }
    // Removes every entry of word `wordIndex`, the first copied into `entry`; false (nothing
    // changed) when the word waits in no entry. Like RemoveIf, a change the journal cannot
    // take back.
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
        enum class Kind : uint8_t { kAddedAtTail, kAddedAtHead, kRemovedHead };
        Kind kind;
        CListRec entry;
    };
    using Position = std::list<CListRec>::iterator;
    // Where each word's entry stands, so that a word is taken from the middle of a queue of
    // 30000 without a scan: built at the first TakeAll and kept up by every change after it
    // that is cheap to follow; dropped by the others, and while a word stands twice (a
    // damaged file), when TakeAll scans for the first entry as the queue always did. A copy
    // starts without one, as its positions would name the original's entries.
    struct Index {
        std::unordered_map<uint32_t, Position> positions;
        bool built = false;

        Index() = default;
        Index(const Index&) {}
        Index& operator=(const Index&) {
            Drop();
            return *this;
        }
        void Drop() {
            positions.clear();
            built = false;
        }
    };

    void Note(Change::Kind kind, const CListRec& entry);
    void Indexed(Position position);
    bool BuildIndex();

    FileSystem* m_files;
    std::list<CListRec> m_list;
    std::string m_fileName;
    bool m_isJournaling = false;
    bool m_isJournalWhole = false;
    // Kept allocated between journals: one runs after every verdict.
    std::vector<Change> m_journal;
    Index m_index;
};
