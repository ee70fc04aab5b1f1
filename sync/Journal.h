#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One computer's journal: the file of its own events in its data folder, which is the truth,
// and the copy of it that the computer keeps in the sync folder for the others. Only this
// computer ever writes that copy (it is named after the device), so a sync engine never sees
// two computers change one file. Any journal file may be read while it is being copied or
// after a crash cut it short: it counts up to its last whole line, the rest when it arrives.

#include "engine/FileSystem.h"
#include "sync/JournalEvent.h"

#include <string>
#include <string_view>
#include <vector>

class Journal {
public:
    // What a journal file holds up to its last whole line.
    struct Contents {
        std::string device;  // empty while not even the header line is whole
        std::vector<JournalEvent> events;
        size_t wholeBytes = 0;  // the length of the whole lines read
        size_t lines = 0;       // and their number, the header's among them
        // "NAME:LINE: reason" for each whole line that is no event of this device; the
        // others are read all the same.
        std::vector<std::string> problems;
        // Lines of an event kind a newer version writes, passed over with one problem.
        size_t laterKinds = 0;
    };
    enum class CopyResult {
        kCurrent,    // the copy held the journal already
        kRewritten,  // the copy was missing, short, stale or damaged and was rewritten
        kRecovered,  // the copy held this journal and more (the data folder was restored from
                     // an older backup): the journal took the events back from it
    };

    // Reads a file of the sync folder, which anyone may have put there: only a regular file,
    // never through a link (ELOOP), a pipe or a device, and none over FileSystem's limit.
    static int ReadPlainFile(FileSystem& files, const std::string& path, std::string& bytes);
    // The line ends in `bytes`: a journal's lines, counted at the speed of memchr, as a year
    // of them is megabytes.
    static size_t CountLines(std::string_view bytes);
    // The name of a device's journal in a sync folder.
    static std::string CopyName(const std::string& device);
    // Reads the whole lines of `bytes` past those `contents` holds already (all of them for a
    // fresh Contents), adding their events; `name` names the file in messages. False, with
    // `error` saying why, for a file in a newer format or none at all: such a file is not read
    // at all. requires: `bytes` begin with the whole lines read before.
    static bool Parse(std::string_view bytes, const std::string& name, Contents& contents,
                      std::string& error);

    // requires: `files` outlives the journal; `device` is valid.
    Journal(FileSystem& files, std::string path, std::string device);

    // Reads the journal file; a missing one is an empty journal. False when it cannot be read,
    // is in a newer format, or belongs to another device: it is then not to be appended to.
    bool Open(std::string& error);
    // Its events, read from the lines the first time they are asked for: a program that
    // records a few answers at every save needs only the number of lines and the last one.
    const std::vector<JournalEvent>& Events() const;
    // The clock time of its last event, or none.
    HybridTime LastTime() const;
    // The whole lines of the file, as its copy in a sync folder holds them once published.
    const std::string& Bytes() const { return m_bytes; }
    const std::vector<std::string>& Problems() const;
    uint64_t NextSequence() const { return m_nextSequence; }
    // The whole lines of the file, the header among them.
    size_t Lines() const { return m_contents.lines; }

    // Gives each event this device and the next sequence number and adds their lines to the
    // end of the file, synced: one call per save, not per judgement. A file that a crash cut
    // inside a line, or a failed append, is replaced whole instead.
    // requires: Open succeeded; the events' times come from this computer's HybridClock.
    bool Append(std::vector<JournalEvent> events, std::string& error);
    // Makes the copy in `syncFolder` hold the journal (see CopyResult).
    bool Publish(const std::string& syncFolder, CopyResult& result, std::string& error);

private:
    bool Adopt(const std::string& copyName, const std::string& copy);
    // Whether the file holds exactly `bytes`.
    bool Holds(const std::string& bytes);

    FileSystem& m_files;
    std::string m_path;
    std::string m_device;
    std::string m_bytes;  // the file's whole lines, the header first
    // Events and problems once read (m_isRead); until then only the header, the lines and
    // their length.
    mutable Contents m_contents;
    mutable bool m_isRead = false;
    uint64_t m_nextSequence = 1;
    // Whether the file holds exactly m_bytes, so that new lines can go to its end.
    bool m_isOnDisk = false;
};
