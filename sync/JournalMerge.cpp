// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/JournalMerge.h"

#include "engine/AtomicFile.h"
#include "sync/Checksum.h"
#include "sync/DeviceId.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <set>
#include <string_view>
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

bool JournalMerge::CopyMark::operator==(const CopyMark& other) const {
    return std::tie(name, bytes, lines, sum, events, last) ==
           std::tie(other.name, other.bytes, other.lines, other.sum, other.events, other.last);
}

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

bool JournalMerge::IsCopyName(const std::string& name, std::string& device) {
    const size_t plain = std::string("journal-.txt").size() + DeviceId::kLength;
    if (name.size() <= plain + 1) return IsJournalName(name, device);
    const std::string generation = name.substr(plain + 1);
    return name[plain] == '.' && generation[0] != '0' &&
           generation.find_first_not_of("0123456789") == std::string::npos &&
           IsJournalName(name.substr(0, plain), device);
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
    if (event != *place) m_isConflicted = true;
    if (!EventOrderLess(event, *place)) return true;
    m_events.erase(place);
    replaced = true;
    return false;
}

void JournalMerge::Add(std::vector<JournalEvent> events) {
    // Events from no copy: a seed cannot tell which of them it holds.
    if (m_seed) Materialise();
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
    size_t* count = nullptr;
    const std::string* seenDevice = nullptr;
    for (JournalEvent& event : events) {
        if (!seenDevice || *seenDevice != event.device) {
            const auto place = m_seen.try_emplace(event.device).first;
            seen = &place->second;
            seenDevice = &place->first;
            count = &m_counts[event.device];
        }
        bool replaced = false;
        if (IsKnown(event, *seen, replaced)) continue;
        if (!replaced) ++*count;
        seen->Set(event.sequence, event.time);
        if (&events[fresh] != &event) events[fresh] = std::move(event);
        ++fresh;
    }
    events.resize(fresh);
}

void JournalMerge::AddJournals(std::vector<std::vector<JournalEvent>>& journals) {
    // One journal at a time, each freed once merged: a first merge (a join, a sync from
    // scratch) holds a year of events, never all of them twice. Each journal is in order and
    // no two events are alike, so the order is the one a merge of all at once gives, and of
    // two versions of one event the first in EventOrderLess stays whichever came first.
    for (std::vector<JournalEvent>& events : journals) {
        KeepFresh(events);
        if (events.empty()) continue;
        if (m_events.empty() && m_events.capacity() < events.size()) {
            m_events = std::move(events);
            continue;
        }
        // Room for the journals to grow: a running program merges what arrives at every
        // sync, and moving a year of events to a larger vector costs more than merging a few
        // answers.
        const size_t middle = m_events.size();
        const size_t total = middle + events.size();
        if (m_events.capacity() < total) m_events.reserve(total + total / 8 + 1024);
        std::move(events.begin(), events.end(), std::back_inserter(m_events));
        std::vector<JournalEvent>().swap(events);
        // Only the events after the first fresh one move: nearly none, when what arrived is
        // the newest.
        std::inplace_merge(m_events.begin(), m_events.begin() + static_cast<ptrdiff_t>(middle),
                           m_events.end(), EventOrderLess);
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
    std::vector<Copy> copies;
    for (const std::string& name : names) {
        std::string device;
        if (!IsCopyName(name, device)) continue;
        const std::string path = folder + "/" + name;
        std::string bytes;
        const int readError = files.ReadFile(path, bytes);
        if (readError != 0) {
            // Gone meanwhile (a sync engine renaming a download into place): read next time.
            if (readError != ENOENT) problems.push_back(FileError{path, readError}.Describe());
            continue;
        }
        copies.push_back({name, path, std::move(bytes)});
    }
    AddCopies(std::move(copies), problems);
    return true;
}

void JournalMerge::AddCopies(std::vector<Copy> copies, std::vector<std::string>& problems,
                             FileSystem* files) {
    if (files) m_files = files;
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.name < b.name; });
    std::vector<Read> reads, vouched;
    for (Copy& copy : copies) {
        Read read{std::move(copy.name), std::move(copy.path), std::move(copy.bytes)};
        read.file = std::move(copy.file);
        read.isLoaded = copy.isRead;
        read.lent = copy.lent;
        read.vouchedBytes = copy.vouchedBytes;
        read.vouchedSum = copy.vouchedSum;
        // Exactly the bytes the checkpoint read: nothing in them is new.
        const auto held = m_copies.find(read.name);
        if (!copy.isRead && m_seed && held != m_copies.end() &&
            held->second.contents.wholeBytes == copy.size && held->second.sum == copy.sum) {
            vouched.push_back(std::move(read));
            continue;
        }
        reads.push_back(std::move(read));
    }
    Load(reads);
    if (m_seed) {
        std::set<std::string> present;
        for (const std::vector<Read>* some : {&reads, &vouched})
            for (const Read& read : *some) present.insert(read.name);
        // Read again, as they stand, if the seed fails.
        m_seed->reads.push_back(std::move(vouched));
        // A copy the checkpoint read and the folder no longer holds takes its events away
        // from a merge from scratch.
        for (const auto& [name, copy] : m_copies) {
            if (copy.contents.wholeBytes > 0 && present.count(name) == 0) {
                Materialise();
                break;
            }
        }
    }
    TakeSeeded(std::move(reads), problems);
}

void JournalMerge::Load(std::vector<Read>& reads) {
    for (Read& read : reads) {
        if (read.isLoaded) continue;
        read.isLoaded = true;
        const int failure = m_files ? m_files->ReadFile(read.file, read.bytes) : ENOENT;
        // Its events would be missing from the merge: the caller must not write what it makes.
        if (failure != 0) {
            read.bytes.clear();
            if (m_loadError.empty()) m_loadError = FileError{read.file, failure}.Describe();
        }
        const size_t end = read.bytes.rfind('\n');
        read.bytes.resize(end == std::string::npos ? 0 : end + 1);
    }
}

void JournalMerge::Load(std::vector<std::vector<Read>>& history) {
    for (std::vector<Read>& reads : history) Load(reads);
}

void JournalMerge::AddCopy(const std::string& name, const std::string& bytes) {
    // Read in place: a year of this computer's journal, copied only when a seed keeps it.
    std::vector<Read> reads(1);
    reads[0].name = name;
    reads[0].path = name;
    reads[0].lent = &bytes;
    std::vector<std::string> ignored;
    TakeSeeded(std::move(reads), ignored);
}

void JournalMerge::TakeSeeded(std::vector<Read> reads, std::vector<std::string>& problems) {
    if (!m_seed) {
        Take(reads, problems);
        return;
    }
    std::vector<std::string> told;
    const bool held = Take(reads, told);
    std::vector<Read> kept;
    // Lent bytes are read again where they are: a year of this computer's journal is not
    // copied to be kept.
    for (Read& read : reads) {
        if (read.lent && IsKept(read)) continue;
        kept.push_back(std::move(read));
    }
    m_seed->reads.push_back(std::move(kept));
    if (held) {
        problems.insert(problems.end(), told.begin(), told.end());
        return;
    }
    // What was read before was told of already; the last reads are told of now.
    std::vector<std::vector<Read>> history = std::move(m_seed->reads);
    Load(history);
    FileSystem* files = m_files;
    std::string loadError = m_loadError;
    *this = JournalMerge();
    m_files = files;
    m_loadError = loadError;
    std::vector<std::string> ignored;
    for (size_t i = 0; i < history.size(); ++i)
        Take(history[i], i + 1 == history.size() ? problems : ignored);
}

bool JournalMerge::IsKept(const Read& read) const {
    // The same bytes read again add nothing: the journal just published as its copy.
    for (auto reads = m_seed->reads.rbegin(); reads != m_seed->reads.rend(); ++reads)
        for (const Read& earlier : *reads)
            if (earlier.name == read.name) return earlier.Bytes() == read.Bytes();
    return false;
}

void JournalMerge::Materialise() {
    if (!m_seed) return;
    std::vector<std::vector<Read>> history = std::move(m_seed->reads);
    Load(history);
    FileSystem* files = m_files;
    std::string loadError = m_loadError;
    *this = JournalMerge();
    m_files = files;
    m_loadError = loadError;
    std::vector<std::string> ignored;
    for (std::vector<Read>& reads : history) Take(reads, ignored);
}

bool JournalMerge::ReadCopy(const Read& read, CopyState& copy, std::vector<std::string>& problems,
                            bool& isRestarted) {
    std::string device;
    IsCopyName(read.name, device);
    const std::string& path = read.path;
    const size_t whole = copy.contents.wholeBytes;
    // A copy that does not continue what was read (a stale one delivered back) is read
    // whole again; what it repeats is skipped as known.
    const std::string& bytes = read.Bytes();
    const bool isVouched = read.vouchedBytes == whole && read.vouchedSum == copy.sum;
    isRestarted = whole > 0 &&
                  (bytes.size() < whole ||
                   (!isVouched && CopySum(std::string_view(bytes).substr(0, whole)) != copy.sum));
    if (isRestarted) copy = CopyState();
    const size_t problemsBefore = copy.contents.problems.size();
    std::string refusal;
    if (!Journal::Parse(bytes, path, copy.contents, refusal)) {
        problems.push_back(refusal);
        copy = CopyState();
        return false;
    }
    if (!copy.contents.device.empty() && copy.contents.device != device) {
        problems.push_back(path + SyncTexts::Said(SyncTexts::kHoldsJournalOf) +
                           copy.contents.device);
        copy = CopyState();
        return false;
    }
    problems.insert(problems.end(), copy.contents.problems.begin() + problemsBefore,
                    copy.contents.problems.end());
    for (const JournalEvent& event : copy.contents.events) {
        if (event.sequence <= copy.last) copy.isPlain = false;
        copy.last = std::max(copy.last, event.sequence);
    }
    copy.events += copy.contents.events.size();
    if (copy.contents.wholeBytes != whole)
        copy.sum = CopySum(std::string_view(bytes).substr(0, copy.contents.wholeBytes));
    return true;
}

bool JournalMerge::FollowsSeed(const std::vector<JournalEvent>& events) const {
    const std::map<std::string, uint64_t>& highest = m_seed->held.highest;
    for (const JournalEvent& event : events) {
        const auto found = highest.find(event.device);
        const uint64_t held = found == highest.end() ? 0 : found->second;
        // An undo names an event of its own device.
        if (event.sequence <= held || !EventOrderLess(m_seed->last, event) ||
            (event.kind == JournalEvent::Kind::kUndo && event.undone <= held))
            return false;
    }
    return true;
}

bool JournalMerge::Take(std::vector<Read>& reads, std::vector<std::string>& problems) {
    // A first merge makes room for every line of every copy at once.
    if (!m_seed && m_events.empty()) {
        size_t lines = 0;
        for (const Read& read : reads) {
            const std::string& bytes = read.Bytes();
            lines += Journal::CountLines(bytes);
        }
        m_events.reserve(lines);
    }
    for (Read& read : reads) {
        CopyState& copy = m_copies[read.name];
        const bool wasRead = copy.contents.wholeBytes > 0;
        bool isRestarted = false;
        const bool isRead = ReadCopy(read, copy, problems, isRestarted);
        // Without a seed nothing reads them again: a year of journals need not stay in
        // memory beside its events while they are merged.
        if (!m_seed) std::string().swap(read.bytes);
        if (m_seed && ((wasRead && (!isRead || isRestarted)) ||
                       (isRead && !FollowsSeed(copy.contents.events))))
            return false;
        if (!isRead) continue;
        std::vector<std::vector<JournalEvent>> arrived(1);
        arrived[0] = std::move(copy.contents.events);
        copy.contents.events.clear();
        AddJournals(arrived);
    }
    return true;
}

void JournalMerge::Seed(const std::vector<CopyMark>& marks, const Checkpoint& held,
                        const JournalEvent& last) {
    FileSystem* files = m_files;
    *this = JournalMerge();
    m_files = files;
    m_seed = std::make_unique<SeedState>();
    m_seed->held = held;
    m_seed->last = last;
    for (const CopyMark& mark : marks) {
        std::string device;
        IsCopyName(mark.name, device);
        CopyState& copy = m_copies[mark.name];
        copy.contents.device = device;
        copy.contents.wholeBytes = mark.bytes;
        copy.contents.lines = mark.lines;
        copy.sum = mark.sum;
        copy.events = mark.events;
        copy.last = mark.last;
        m_counts[device] += mark.events;
    }
}

std::vector<JournalMerge::CopyMark> JournalMerge::Marks() const {
    if (m_isConflicted) return {};
    std::vector<CopyMark> marks;
    std::map<std::string, size_t> covered;
    for (const auto& [name, copy] : m_copies) {
        if (copy.contents.device.empty() || copy.contents.wholeBytes == 0) continue;
        if (!copy.isPlain) return {};
        covered[copy.contents.device] += copy.events;
        marks.push_back({name, copy.contents.wholeBytes, copy.contents.lines, copy.sum, copy.events,
                         copy.last});
    }
    // Each device's events, all of them from its copy's bytes and none from elsewhere.
    for (const auto& [device, count] : m_counts) {
        const auto found = covered.find(device);
        if (count != (found == covered.end() ? 0 : found->second)) return {};
    }
    for (const auto& [device, count] : covered)
        if (!m_counts.count(device) && count > 0) return {};
    return marks;
}

JournalMerge::Checkpoint JournalMerge::Reached() const {
    Checkpoint reached = CheckpointAt(m_events.size());
    if (!m_seed) return reached;
    reached.count += m_seed->held.count;
    for (const auto& [device, highest] : m_seed->held.highest) {
        uint64_t& top = reached.highest[device];
        top = std::max(top, highest);
    }
    return reached;
}

const JournalEvent* JournalMerge::Last() const {
    if (!m_events.empty()) return &m_events.back();
    return m_seed && m_seed->held.count > 0 ? &m_seed->last : nullptr;
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
