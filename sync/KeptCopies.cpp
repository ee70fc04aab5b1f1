// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/KeptCopies.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "sync/Checksum.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <string_view>

namespace {

// The bytes up to the last line end: what a reader counts.
size_t WholeLength(const std::string& bytes) {
    const size_t end = bytes.rfind('\n');
    return end == std::string::npos ? 0 : end + 1;
}

// "LENGTH TIME" of a regular file, no link; empty for anything else or none.
std::string StampOf(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code failed;
    if (!fs::is_regular_file(fs::symlink_status(path, failed))) return std::string();
    const auto size = fs::file_size(path, failed);
    const auto time = fs::last_write_time(path, failed);
    if (failed) return std::string();
    return std::to_string(size) + " " + std::to_string(time.time_since_epoch().count());
}

// Whether `bytes` begin with a header naming `device`'s journal (or a newer format, which the
// merge tells of itself).
bool IsJournalOf(const std::string& bytes, const std::string& device) {
    std::string_view header(bytes.data(), bytes.find('\n'));
    if (!header.empty() && header.back() == '\r') header.remove_suffix(1);
    int version = 0;
    std::string named;
    const JournalLine::HeaderStatus status = JournalLine::DecodeHeader(header, version, named);
    return status == JournalLine::HeaderStatus::kNewerFormat ||
           (status == JournalLine::HeaderStatus::kOk && named == device);
}

}  // namespace

KeptCopies::KeptCopies(FileSystem& files, std::string keptDir)
    : m_files(files), m_dir(std::move(keptDir)) {}

bool KeptCopies::Take(const std::string& syncFolder, const std::string& ownDevice,
                      std::vector<JournalMerge::Copy>& copies, std::vector<std::string>& notes,
                      std::string& error, size_t ownEvents, size_t maxEvents) {
    copies.clear();
    const int made = m_files.MakeDirectory(m_dir);
    std::vector<std::string> keptNames;
    const int listed = made != 0 && made != EEXIST ? made : m_files.ListDirectory(m_dir, keptNames);
    if (listed != 0) {
        error = FileError{m_dir, listed}.Describe();
        return false;
    }
    std::map<std::string, Kept> kept;
    for (const std::string& name : keptNames) {
        std::string device;
        if (!JournalMerge::IsCopyName(name, device)) continue;
        if (JournalMerge::IsJournalName(name, device))
            kept[device].exists = true;
        else
            ++kept[device].generations;
    }
    const std::map<std::string, Memo> memos = ReadMemos();
    // The events kept so far, as far as the memo tells: a copy that would take them past the
    // limit is not kept at all, so that nothing the folder holds can stop every later sync.
    size_t events = ownEvents;
    for (const auto& [name, memo] : memos) events += memo.lines - 1;

    // A folder that cannot be listed gives nothing new; the caller tells that it is away.
    std::vector<std::string> names;
    m_files.ListDirectory(syncFolder, names);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string device;
        if (!JournalMerge::IsJournalName(name, device) || device == ownDevice) continue;
        const std::string path = syncFolder + "/" + name;
        Kept& copy = kept[device];
        copy.folderStamp = StampOf(path);
        // Neither it nor what was kept of it changed since the last sync: nothing to take.
        const auto memo = memos.find(name);
        const bool isKeptAsNoted =
            memo != memos.end() && memo->second.keptStamp == StampOf(PathOf(name));
        if (!copy.folderStamp.empty() && isKeptAsNoted &&
            memo->second.folderStamp == copy.folderStamp)
            continue;
        std::string bytes;
        const int failure = Journal::ReadPlainFile(m_files, path, bytes);
        if (failure == ENOENT) continue;
        if (failure != 0) {
            notes.push_back(Escaped(path) + ": " + DescribeError(failure) +
                            SyncTexts::Said(SyncTexts::kKeptStays));
            continue;
        }
        bytes.resize(WholeLength(bytes));
        if (bytes.empty()) continue;
        if (!IsJournalOf(bytes, device)) {
            notes.push_back(Escaped(path) + SyncTexts::Said(SyncTexts::kNoJournalOfItsName));
            continue;
        }
        const size_t had = memo != memos.end() ? memo->second.lines - 1 : 0;
        // It goes on from what was kept, as the memo's sum of the kept bytes says: only what
        // it added is counted and written, and the kept copy is not read.
        const bool continuesKept =
            isKeptAsNoted && bytes.size() > memo->second.size && memo->second.sum != 0 &&
            CopySum(std::string_view(bytes).substr(0, memo->second.size)) == memo->second.sum;
        const size_t has =
            continuesKept
                ? had + Journal::CountLines(std::string_view(bytes).substr(memo->second.size))
                : Journal::CountLines(bytes) - 1;
        if (has > had && events - had + has > maxEvents) {
            m_isPassedOver = true;
            notes.push_back(Escaped(path) + SyncTexts::Said(SyncTexts::kWouldHoldMore) +
                            std::to_string(maxEvents) +
                            SyncTexts::Said(SyncTexts::kEventsPassedOver));
            continue;
        }
        events = events - had + std::max(has, had);
        if (continuesKept) {
            if (!Append(device, memo->second.size, memo->second.sum, std::move(bytes), copy, error))
                return false;
            copy.lines = has + 1;
            continue;
        }
        if (!Load(device, copy, error) ||
            !Extend(device, path, std::move(bytes), copy, notes, error))
            return false;
    }
    return Give(syncFolder, kept, memos, copies, error, ownEvents, maxEvents);
}

bool KeptCopies::Give(const std::string& syncFolder, std::map<std::string, Kept>& kept,
                      const std::map<std::string, Memo>& memos,
                      std::vector<JournalMerge::Copy>& copies, std::string& error, size_t ownEvents,
                      size_t maxEvents) {
    size_t events = ownEvents;
    std::map<std::string, Memo> next;
    bool isWithin = true;
    for (auto& [device, copy] : kept) {
        const std::string name = Journal::CopyName(device);
        if (!isWithin || (!copy.exists && copy.bytes.empty())) continue;
        const auto memo = memos.find(name);
        Memo now;
        now.keptStamp = StampOf(PathOf(name));
        now.folderStamp = copy.folderStamp;
        JournalMerge::Copy given{name, syncFolder + "/" + name, {}, PathOf(name)};
        if (!copy.isLoaded && memo != memos.end() && !now.keptStamp.empty() &&
            memo->second.keptStamp == now.keptStamp) {
            // As the last sync left it: its length and sum vouch for it unread.
            now.size = memo->second.size;
            now.lines = memo->second.lines;
            now.sum = memo->second.sum;
            given.isRead = false;
            given.size = now.size;
            given.sum = now.sum;
        } else {
            if (!Load(device, copy, error)) return false;
            if (copy.bytes.empty()) continue;
            now.size = copy.bytes.size();
            now.lines = copy.lines != 0 ? copy.lines : Journal::CountLines(copy.bytes);
            // The merge sums them as it reads them; NoteMerged takes its sum.
            given.vouchedBytes = copy.vouchedBytes;
            given.vouchedSum = copy.vouchedSum;
            given.bytes = std::move(copy.bytes);
        }
        // Every line but the header is an event, or a line refused as one.
        events += now.lines - 1;
        isWithin = events <= maxEvents;
        copies.push_back(std::move(given));
        next[name] = now;
    }
    // The older copies, those this call set aside among them.
    std::vector<std::string> keptNames;
    m_files.ListDirectory(m_dir, keptNames);
    for (const std::string& name : keptNames) {
        std::string device;
        if (!isWithin || !JournalMerge::IsCopyName(name, device) ||
            JournalMerge::IsJournalName(name, device))
            continue;
        std::string bytes;
        if (m_files.ReadFile(PathOf(name), bytes) != 0) continue;
        bytes.resize(WholeLength(bytes));
        if (bytes.empty()) continue;
        events += Journal::CountLines(bytes) - 1;
        isWithin = events <= maxEvents;
        copies.push_back({name, PathOf(name), std::move(bytes)});
    }
    if (isWithin) {
        m_next = std::move(next);
        return true;
    }
    copies.clear();
    error = Escaped(syncFolder) + SyncTexts::Said(SyncTexts::kHoldsMoreEvents) +
            std::to_string(maxEvents) + SyncTexts::Said(SyncTexts::kEventsThanMerged);
    return false;
}

void KeptCopies::NoteMerged(const std::vector<JournalMerge::CopyMark>& marks) {
    for (const JournalMerge::CopyMark& mark : marks) {
        const auto memo = m_next.find(mark.name);
        if (memo != m_next.end() && memo->second.sum == 0 && memo->second.size == mark.bytes)
            memo->second.sum = mark.sum;
    }
    // A copy whose sum the merge did not give is read at the next sync.
    for (auto memo = m_next.begin(); memo != m_next.end();)
        memo = memo->second.sum == 0 ? m_next.erase(memo) : std::next(memo);
    WriteMemos(m_next);
}

bool KeptCopies::Append(const std::string& device, size_t have, uint64_t sum, std::string&& bytes,
                        Kept& copy, std::string& error) {
    const std::string path = PathOf(Journal::CopyName(device));
    if (m_files.AppendToFile(path, std::string_view(bytes).substr(have)) != 0 &&
        !WriteFileAtomically(m_files, path, bytes)) {
        error = FileError{path, EIO}.Describe();
        return false;
    }
    copy.bytes = std::move(bytes);
    copy.isLoaded = copy.exists = true;
    copy.vouchedBytes = have;
    copy.vouchedSum = sum;
    return true;
}

bool KeptCopies::Load(const std::string& device, Kept& copy, std::string& error) {
    if (copy.isLoaded) return true;
    copy.isLoaded = true;
    if (!copy.exists) return true;
    const std::string path = PathOf(Journal::CopyName(device));
    if (const int failure = m_files.ReadFile(path, copy.bytes)) {
        error = FileError{path, failure}.Describe();
        return false;
    }
    // An append a crash cut: the file is put back to its whole lines, so that what the memo
    // notes of it (its stamp, its length) is what it holds.
    if (WholeLength(copy.bytes) != copy.bytes.size()) {
        copy.bytes.resize(WholeLength(copy.bytes));
        if (!WriteFileAtomically(m_files, path, copy.bytes)) {
            error = FileError{path, EIO}.Describe();
            return false;
        }
    }
    return true;
}

std::map<std::string, KeptCopies::Memo> KeptCopies::ReadMemos() const {
    std::map<std::string, Memo> memos;
    std::string text;
    // Memos of another version may hold sums of another kind: the copies are read once.
    if (m_files.ReadFile(PathOf(kMemoName), text) != 0 || text.rfind(kMemoHeader, 0) != 0)
        return memos;
    size_t start = std::char_traits<char>::length(kMemoHeader);
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = text.substr(start, end - start);
        char name[64] = "", folder[64] = "", kept[64] = "";
        unsigned long long size = 0, lines = 0, sum = 0;
        if (std::sscanf(line.c_str(), "%63[^\t]\t%63[^\t]\t%63[^\t]\t%llu\t%llu\t%llu", name,
                        folder, kept, &size, &lines, &sum) == 6 &&
            lines >= 1)
            memos[name] = {std::strcmp(folder, "-") == 0 ? std::string() : folder, kept, size,
                           lines, sum};
    }
    return memos;
}

void KeptCopies::WriteMemos(const std::map<std::string, Memo>& now) {
    std::string text = kMemoHeader;
    for (const auto& [name, memo] : now)
        text += name + "\t" + (memo.folderStamp.empty() ? "-" : memo.folderStamp) + "\t" +
                memo.keptStamp + "\t" + std::to_string(memo.size) + "\t" +
                std::to_string(memo.lines) + "\t" + std::to_string(memo.sum) + "\n";
    std::string old;
    if (m_files.ReadFile(PathOf(kMemoName), old) == 0 && old == text) return;
    // A memo that cannot be written costs the next sync a read of the copies, nothing more.
    WriteFileAtomically(m_files, PathOf(kMemoName), text);
}

bool KeptCopies::Extend(const std::string& device, const std::string& folderPath,
                        std::string&& bytes, Kept& kept, std::vector<std::string>& notes,
                        std::string& error) {
    const std::string path = PathOf(Journal::CopyName(device));
    const size_t have = kept.bytes.size();
    const bool continues = bytes.size() <= have ? kept.bytes.compare(0, bytes.size(), bytes) == 0
                                                : bytes.compare(0, have, kept.bytes) == 0;
    if (continues) {
        // A copy shorter than what was kept (cut, or still arriving again) adds nothing.
        if (bytes.size() <= have) return true;
        const int appended =
            have > 0 ? m_files.AppendToFile(path, std::string_view(bytes).substr(have)) : ENOENT;
        if (appended != 0 && !WriteFileAtomically(m_files, path, bytes)) {
            error = FileError{path, EIO}.Describe();
            return false;
        }
        kept.bytes = std::move(bytes);
        kept.exists = true;
        return true;
    }
    if (kept.generations >= kMaxGenerations) {
        m_isPassedOver = true;
        notes.push_back(Escaped(folderPath) + SyncTexts::Said(SyncTexts::kChangedTooOften));
        return true;
    }
    // What was kept stays as an older copy, read at every sync like this one.
    int moved = EEXIST;
    for (int n = kept.generations + 1; moved == EEXIST && n <= 2 * kMaxGenerations; ++n)
        moved = m_files.RenameNoReplace(path, path + "." + std::to_string(n));
    if (moved != 0 || !WriteFileAtomically(m_files, path, bytes)) {
        error = FileError{path, moved != 0 ? moved : EIO}.Describe();
        return false;
    }
    ++kept.generations;
    kept.bytes = std::move(bytes);
    notes.push_back(Escaped(folderPath) + SyncTexts::Said(SyncTexts::kChangedKept));
    return true;
}
