// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/Journal.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "sync/JournalLine.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace {

bool IsLink(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_symlink(std::filesystem::symlink_status(path, ignored));
}

uint64_t NextSequenceAfter(const std::vector<JournalEvent>& events) {
    uint64_t highest = 0;
    for (const JournalEvent& event : events) highest = std::max(highest, event.sequence);
    return highest + 1;
}

std::string Where(const std::string& name, size_t line) {
    return name + ":" + std::to_string(line) + ": ";
}

bool ReadHeader(std::string_view header, const std::string& name, std::string& device,
                std::string& error) {
    if (!header.empty() && header.back() == '\r') header.remove_suffix(1);
    int version = 0;
    switch (JournalLine::DecodeHeader(header, version, device)) {
        case JournalLine::HeaderStatus::kOk:
            return true;
        case JournalLine::HeaderStatus::kNewerFormat:
            error = name + SyncTexts::Said(SyncTexts::kNewerFormat) + std::to_string(version) +
                    SyncTexts::Said(SyncTexts::kReadsFormat) +
                    std::to_string(JournalLine::kFormatVersion) +
                    SyncTexts::Said(SyncTexts::kLeftUnread);
            return false;
        case JournalLine::HeaderStatus::kNotJournal:
            break;
    }
    error = name + SyncTexts::Said(SyncTexts::kNotJournal) + Escaped(header.substr(0, 60)) + "\")";
    return false;
}

}  // namespace

int Journal::ReadPlainFile(FileSystem& files, const std::string& path, std::string& bytes) {
    bytes.clear();
    if (IsLink(path)) return ELOOP;
    return files.ReadFile(path, bytes);
}

size_t Journal::CountLines(std::string_view bytes) {
    // A year's journal holds 300,000 short lines: counted in runs of 255 bytes, whose count
    // fits a byte, so that the compiler compares many bytes at once.
    size_t lines = 0;
    for (size_t start = 0; start < bytes.size(); start += 255) {
        const size_t end = std::min(bytes.size(), start + 255);
        uint8_t run = 0;
        for (size_t i = start; i < end; ++i) run += bytes[i] == '\n' ? 1 : 0;
        lines += run;
    }
    return lines;
}

std::string Journal::CopyName(const std::string& device) { return "journal-" + device + ".txt"; }

bool Journal::Parse(std::string_view bytes, const std::string& name, Contents& contents,
                    std::string& error) {
    const size_t lastEnd = bytes.rfind('\n');
    if (lastEnd == std::string_view::npos || lastEnd < contents.wholeBytes) return true;
    const std::string_view whole = bytes.substr(0, lastEnd + 1);
    size_t start = contents.wholeBytes;
    if (contents.lines == 0) {
        const size_t end = whole.find('\n');
        if (!ReadHeader(whole.substr(0, end), name, contents.device, error)) return false;
        contents.lines = 1;
        start = end + 1;
    }
    // Room for a line's event each: a year's journal grown by doubling would move every event
    // it holds and take twice their memory, fresh pages the system must clear first.
    contents.events.reserve(contents.events.size() + CountLines(whole.substr(start)));
    for (size_t end = 0; start < whole.size(); start = end + 1) {
        ++contents.lines;
        end = whole.find('\n', start);
        JournalEvent event;
        std::string reason;
        const std::string_view line = whole.substr(start, end - start);
        if (!JournalLine::Decode(line, event, reason)) {
            // A newer computer's kind of event is no damage: one note for the file.
            if (!JournalLine::IsLaterKind(line))
                contents.problems.push_back(Where(name, contents.lines) + reason);
            else if (contents.laterKinds++ == 0)
                contents.problems.push_back(name + SyncTexts::Said(SyncTexts::kLaterKinds));
        } else if (event.sequence >= contents.lines) {
            // A device numbers its events from 1, a line each after the header: a number
            // beyond its line is forged or damaged, and would leave a gap no event fills.
            contents.problems.push_back(Where(name, contents.lines) +
                                        SyncTexts::Said(SyncTexts::kSequenceBeyond));
        } else if (event.device != contents.device) {
            contents.problems.push_back(Where(name, contents.lines) +
                                        SyncTexts::Said(SyncTexts::kEventOfDevice) + event.device +
                                        SyncTexts::Said(SyncTexts::kInJournalOf) + contents.device);
        } else {
            contents.events.push_back(std::move(event));
        }
    }
    contents.wholeBytes = whole.size();
    return true;
}

Journal::Journal(FileSystem& files, std::string path, std::string device)
    : m_files(files), m_path(std::move(path)), m_device(std::move(device)) {}

bool Journal::Open(std::string& error) {
    std::string bytes;
    const int readError = m_files.ReadFile(m_path, bytes);
    if (readError == ENOENT)
        bytes.clear();
    else if (readError != 0) {
        error = FileError{m_path, readError}.Describe();
        return false;
    }
    m_contents = Contents();
    m_isRead = false;
    const size_t lastEnd = bytes.rfind('\n');
    const std::string_view whole(bytes.data(), lastEnd == std::string::npos ? 0 : lastEnd + 1);
    // The header alone decides whether the journal can be appended to; its lines are read
    // when their events are asked for.
    if (!whole.empty()) {
        if (!ReadHeader(whole.substr(0, whole.find('\n')), m_path, m_contents.device, error))
            return false;
        m_contents.lines = CountLines(whole);
        m_contents.wholeBytes = whole.size();
    }
    if (!m_contents.device.empty() && m_contents.device != m_device) {
        error = m_path + SyncTexts::Said(SyncTexts::kJournalOfDevice) + m_contents.device +
                SyncTexts::Said(SyncTexts::kNotThisComputers) + m_device;
        return false;
    }
    // A cut-off last line (an append that a crash tore) is dropped rather than continued by
    // the next event's line: the first append then replaces the file whole.
    m_isOnDisk =
        readError == 0 && !m_contents.device.empty() && bytes.size() == m_contents.wholeBytes;
    bytes.resize(m_contents.wholeBytes);
    m_bytes = m_contents.device.empty() ? JournalLine::EncodeHeader(m_device) : std::move(bytes);
    m_contents.lines = std::max<size_t>(m_contents.lines, 1);
    m_contents.device = m_device;
    m_contents.wholeBytes = m_bytes.size();
    // A line each, the header first: a damaged line keeps its number, and a line numbered
    // beyond its place is no event.
    m_nextSequence = std::max<uint64_t>(1, m_contents.lines);
    return true;
}

const std::vector<JournalEvent>& Journal::Events() const {
    if (!m_isRead) {
        Contents contents;
        std::string ignored;
        Parse(m_bytes, m_path, contents, ignored);
        contents.device = m_device;
        m_contents = std::move(contents);
        m_isRead = true;
    }
    return m_contents.events;
}

const std::vector<std::string>& Journal::Problems() const {
    Events();
    return m_contents.problems;
}

HybridTime Journal::LastTime() const {
    if (!m_isRead && m_bytes.size() >= 2) {
        const size_t start = m_bytes.rfind('\n', m_bytes.size() - 2) + 1;
        JournalEvent last;
        std::string ignored;
        if (start > 0 &&
            JournalLine::Decode(std::string_view(m_bytes).substr(start, m_bytes.size() - 1 - start),
                                last, ignored))
            return last.time;
    }
    const std::vector<JournalEvent>& events = Events();
    HybridTime latest;
    for (const JournalEvent& event : events) latest = std::max(latest, event.time);
    return latest;
}

bool Journal::Append(std::vector<JournalEvent> events, std::string& error) {
    std::string lines;
    uint64_t sequence = m_nextSequence;
    for (JournalEvent& event : events) {
        event.device = m_device;
        event.sequence = sequence++;
        lines += JournalLine::Encode(event);
    }
    // A year of judgements is megabytes: a save adds its lines to the end instead of writing
    // them all again.
    const int appended = m_isOnDisk ? m_files.AppendToFile(m_path, lines) : ENOENT;
    // A write that failed after its lines landed (the sync after it did) took them: offered
    // again, they would count twice.
    if (appended != 0 && !Holds(m_bytes + lines)) {
        // Part of the lines may have landed: the file is replaced whole, without them.
        m_isOnDisk = false;
        FileError writeError;
        if (!ReplaceFiles(m_files, {{m_path, m_bytes + lines}}, writeError) &&
            !Holds(m_bytes + lines)) {
            error = writeError.Describe();
            return false;
        }
        m_isOnDisk = true;
    }
    m_bytes += lines;
    m_contents.wholeBytes = m_bytes.size();
    m_contents.lines += events.size();
    m_nextSequence = sequence;
    if (m_isRead)
        for (JournalEvent& event : events) m_contents.events.push_back(std::move(event));
    return true;
}

bool Journal::Holds(const std::string& bytes) {
    std::string found;
    return m_files.ReadFile(m_path, found) == 0 && found == bytes;
}

bool Journal::Adopt(const std::string& copyName, const std::string& copy) {
    Contents contents;
    std::string ignored;
    if (!Parse(copy, copyName, contents, ignored) || contents.device != m_device ||
        !contents.problems.empty() || contents.wholeBytes <= m_bytes.size()) {
        return false;
    }
    const std::string whole = copy.substr(0, contents.wholeBytes);
    if (!WriteFileAtomically(m_files, m_path, whole)) return false;
    m_isOnDisk = true;
    m_bytes = whole;
    m_contents = std::move(contents);
    m_isRead = true;
    m_nextSequence = std::max<uint64_t>(NextSequenceAfter(m_contents.events), m_contents.lines);
    return true;
}

bool Journal::Publish(const std::string& syncFolder, CopyResult& result, std::string& error) {
    const std::string copyName = syncFolder + "/" + CopyName(m_device);
    std::string copy;
    const int readError = ReadPlainFile(m_files, copyName, copy);
    if (readError != 0 && readError != ENOENT) {
        // A link, a pipe, a device, a file too large or unreadable in the copy's place: it goes,
        // and a regular file takes its place. A link is removed, never followed.
        if (const int failure = m_files.Remove(copyName)) {
            error = FileError{copyName, failure}.Describe();
            return false;
        }
    }
    if (readError == 0 && copy == m_bytes) {
        result = CopyResult::kCurrent;
        return true;
    }
    // A copy that continues this journal holds events the data folder lost; dropping them
    // would take judgements back from every computer that has already read them.
    if (readError == 0 && copy.size() > m_bytes.size() &&
        copy.compare(0, m_bytes.size(), m_bytes) == 0 && Adopt(copyName, copy)) {
        result = CopyResult::kRecovered;
        if (copy == m_bytes) return true;
    } else {
        result = CopyResult::kRewritten;
    }
    FileError writeError;
    if (!ReplaceFiles(m_files, {{copyName, m_bytes}}, writeError)) {
        error = writeError.Describe();
        return false;
    }
    return true;
}
