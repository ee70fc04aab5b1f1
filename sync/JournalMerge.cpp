// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/JournalMerge.h"

#include "engine/AtomicFile.h"
#include "sync/DeviceId.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <tuple>

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Orders by clock, device and sequence number alone: the place an event of that device and
// sequence number takes, whatever its content.
bool KeyLess(const JournalEvent& a, const JournalEvent& b) {
    return std::tie(a.time.physicalMs, a.time.logical, a.device, a.sequence) <
           std::tie(b.time.physicalMs, b.time.logical, b.device, b.sequence);
}

}  // namespace

bool JournalMerge::IsSyncEngineFile(const std::string& name) {
    // Syncthing: the folder marker, its ignore list and versions, downloads in progress
    // (".syncthing.NAME.tmp", "~syncthing~NAME.tmp" on Windows) and conflict copies.
    if (name == ".stfolder" || name == ".stignore" || name == ".stversions") return true;
    if (StartsWith(name, ".syncthing.") || StartsWith(name, "~syncthing~")) return true;
    if (Contains(name, ".sync-conflict-")) return true;
    // Nextcloud and ownCloud: their journal databases, logs, downloads in progress
    // (".~NAME" style part files) and "NAME (conflicted copy DATE)".
    if (StartsWith(name, "._sync_") || StartsWith(name, ".sync_") ||
        StartsWith(name, ".nextcloudsync") || StartsWith(name, ".owncloudsync") ||
        StartsWith(name, ".~") || Contains(name, "(conflicted copy") || Contains(name, "(conflict"))
        return true;
    // Dropbox: its cache and attribute files, and its own conflict and case-conflict copies.
    if (StartsWith(name, ".dropbox") || Contains(name, "(Case Conflict")) return true;
    // rclone and others write a download beside its target first.
    return EndsWith(name, ".partial") || EndsWith(name, ".tmp");
}

bool JournalMerge::IsJournalName(const std::string& name, std::string& device) {
    static const std::string kPrefix = "journal-";
    static const std::string kSuffix = ".txt";
    if (IsSyncEngineFile(name) || !StartsWith(name, kPrefix) || !EndsWith(name, kSuffix) ||
        name.size() != kPrefix.size() + DeviceId::kLength + kSuffix.size()) {
        return false;
    }
    device = name.substr(kPrefix.size(), DeviceId::kLength);
    return DeviceId::IsValid(device);
}

const HybridTime* JournalMerge::SeenTimes::Find(uint64_t sequence) const {
    if (sequence >= 1 && sequence <= m_dense.size())
        return m_isSeen[sequence - 1] ? &m_dense[sequence - 1] : nullptr;
    const auto found = m_sparse.find(sequence);
    return found == m_sparse.end() ? nullptr : &found->second;
}

void JournalMerge::SeenTimes::Set(uint64_t sequence, const HybridTime& time) {
    if (sequence >= 1 && sequence <= m_dense.size() + kMaxGap) {
        if (sequence > m_dense.size()) {
            m_dense.resize(sequence);
            m_isSeen.resize(sequence);
        }
        m_dense[sequence - 1] = time;
        m_isSeen[sequence - 1] = true;
        return;
    }
    m_sparse[sequence] = time;
}

bool JournalMerge::IsKnown(const JournalEvent& event, const SeenTimes& seen, bool& replaced) {
    replaced = false;
    const HybridTime* time = seen.Find(event.sequence);
    if (!time) return false;
    JournalEvent key;
    key.time = *time;
    key.device = event.device;
    key.sequence = event.sequence;
    const auto place = std::lower_bound(m_events.begin(), m_events.end(), key, KeyLess);
    // Not merged yet: it came earlier in the same call, which adds in EventOrderLess.
    if (place == m_events.end() || KeyLess(key, *place)) return true;
    if (!EventOrderLess(event, *place)) return true;
    m_events.erase(place);
    replaced = true;
    return false;
}

void JournalMerge::Add(std::vector<JournalEvent> events) {
    std::vector<std::vector<JournalEvent>> journals(1);
    journals[0] = std::move(events);
    AddJournals(journals);
}

void JournalMerge::KeepFresh(std::vector<JournalEvent>& events) {
    // One journal's events come in order already, as its clock only rises.
    if (!std::is_sorted(events.begin(), events.end(), EventOrderLess))
        std::sort(events.begin(), events.end(), EventOrderLess);
    // The fresh events are gathered at the front of `events` itself: a year of them is some
    // 20 MB, which a second vector would allocate and fill again.
    size_t fresh = 0;
    // One journal names one device: looked up once per run of it, not once per event.
    SeenTimes* seen = nullptr;
    const std::string* seenDevice = nullptr;
    for (JournalEvent& event : events) {
        if (!seenDevice || *seenDevice != event.device) {
            const auto place = m_seen.try_emplace(event.device).first;
            seen = &place->second;
            seenDevice = &place->first;
        }
        bool replaced = false;
        if (IsKnown(event, *seen, replaced)) continue;
        seen->Set(event.sequence, event.time);
        if (&events[fresh] != &event) events[fresh] = std::move(event);
        ++fresh;
    }
    events.resize(fresh);
}

void JournalMerge::AddJournals(std::vector<std::vector<JournalEvent>>& journals) {
    size_t total = m_events.size();
    for (std::vector<JournalEvent>& events : journals) {
        KeepFresh(events);
        total += events.size();
    }
    if (total == m_events.size()) return;
    const auto filled = [](const std::vector<JournalEvent>& events) { return !events.empty(); };
    if (m_events.empty() && std::count_if(journals.begin(), journals.end(), filled) == 1) {
        m_events = std::move(*std::find_if(journals.begin(), journals.end(), filled));
        return;
    }
    // The events merged before the first fresh one stay where they are (nearly all of them,
    // when what arrived is the newest); the rest and every journal are merged behind them in
    // one pass, each event moved once.
    const JournalEvent* first = nullptr;
    for (const std::vector<JournalEvent>& events : journals)
        if (!events.empty() && (!first || EventOrderLess(events.front(), *first)))
            first = &events.front();
    const auto split = std::upper_bound(m_events.begin(), m_events.end(), *first, EventOrderLess);
    std::vector<JournalEvent> tail(std::make_move_iterator(split),
                                   std::make_move_iterator(m_events.end()));
    m_events.erase(split, m_events.end());
    using Range =
        std::pair<std::vector<JournalEvent>::iterator, std::vector<JournalEvent>::iterator>;
    std::vector<Range> sources = {{tail.begin(), tail.end()}};
    for (std::vector<JournalEvent>& events : journals)
        sources.push_back({events.begin(), events.end()});
    // Room for the journals to grow: a running program merges what arrives at every sync, and
    // moving a year of events to a larger vector costs more than merging a few answers.
    if (m_events.capacity() < total) m_events.reserve(total + total / 8 + 1024);
    while (true) {
        Range* next = nullptr;
        for (Range& source : sources) {
            if (source.first != source.second &&
                (!next || EventOrderLess(*source.first, *next->first)))
                next = &source;
        }
        if (!next) break;
        m_events.push_back(std::move(*next->first++));
    }
}

bool JournalMerge::AddFolder(FileSystem& files, const std::string& folder,
                             std::vector<std::string>& problems, std::string& error) {
    std::vector<std::string> names;
    const int listError = files.ListDirectory(folder, names);
    if (listError != 0) {
        error = FileError{folder, listError}.Describe();
        return false;
    }
    std::sort(names.begin(), names.end());
    std::vector<std::vector<JournalEvent>> arrived;
    for (const std::string& name : names) {
        std::string device;
        if (!IsJournalName(name, device)) continue;
        const std::string path = folder + "/" + name;
        CopyState& copy = m_copies[name];
        std::string bytes;
        const int readError = files.ReadFile(path, bytes);
        if (readError != 0) {
            // Gone meanwhile (a sync engine renaming a download into place): read next time.
            if (readError != ENOENT) problems.push_back(FileError{path, readError}.Describe());
            continue;
        }
        // A copy that does not continue what was read (a stale one delivered back) is read
        // whole again; what it repeats is skipped as known.
        if (bytes.compare(0, copy.contents.wholeBytes, copy.bytes, 0, copy.contents.wholeBytes) !=
            0) {
            copy.contents = Journal::Contents();
        }
        const size_t problemsBefore = copy.contents.problems.size();
        std::string refusal;
        if (!Journal::Parse(bytes, path, copy.contents, refusal)) {
            problems.push_back(refusal);
            copy = CopyState();
            continue;
        }
        if (!copy.contents.device.empty() && copy.contents.device != device) {
            problems.push_back(path + ": holds the journal of device " + copy.contents.device);
            copy = CopyState();
            continue;
        }
        problems.insert(problems.end(), copy.contents.problems.begin() + problemsBefore,
                        copy.contents.problems.end());
        arrived.push_back(std::move(copy.contents.events));
        copy.contents.events.clear();
        copy.bytes = std::move(bytes);
    }
    AddJournals(arrived);
    return true;
}

JournalMerge::Checkpoint JournalMerge::CheckpointAt(const std::vector<JournalEvent>& events,
                                                    size_t count) {
    Checkpoint checkpoint;
    checkpoint.count = count;
    // Looked up once per run of one device's events.
    uint64_t* highest = nullptr;
    const std::string* device = nullptr;
    for (size_t i = 0; i < count; ++i) {
        if (!device || *device != events[i].device) {
            device = &events[i].device;
            highest = &checkpoint.highest[*device];
        }
        *highest = std::max(*highest, events[i].sequence);
    }
    return checkpoint;
}

JournalMerge::Delta JournalMerge::Since(const std::vector<JournalEvent>& events,
                                        const Checkpoint& checkpoint) {
    // Looked up once per run of one device's events, which come in runs of a day's study.
    const std::string* lastDevice = nullptr;
    uint64_t lastHighest = 0;
    auto isCovered = [&](const JournalEvent& event) {
        if (!lastDevice || *lastDevice != event.device) {
            const auto found = checkpoint.highest.find(event.device);
            lastDevice = &event.device;
            lastHighest = found == checkpoint.highest.end() ? 0 : found->second;
        }
        return event.sequence <= lastHighest;
    };
    size_t covered = 0;
    size_t resumeAt = events.size();
    for (size_t i = 0; i < events.size(); ++i) {
        if (isCovered(events[i]))
            ++covered;
        else if (resumeAt == events.size())
            resumeAt = i;
    }
    // The checkpoint's state holds exactly the events before resumeAt only when nothing it
    // covers comes later and none it covers is missing or new (a damaged line healed since).
    if (covered == checkpoint.count && resumeAt == covered) {
        return {resumeAt, true};
    }
    return {0, false};
}
