// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/KeptCopies.h"

#include "engine/AtomicFile.h"
#include "engine/Escaped.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <string_view>

namespace {

// The bytes up to the last line end: what a reader counts.
size_t WholeLength(const std::string& bytes) {
    const size_t end = bytes.rfind('\n');
    return end == std::string::npos ? 0 : end + 1;
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
        if (!JournalMerge::IsJournalName(name, device)) {
            ++kept[device].generations;
            continue;
        }
        Kept& copy = kept[device];
        if (const int failure = m_files.ReadFile(PathOf(name), copy.bytes)) {
            error = FileError{PathOf(name), failure}.Describe();
            return false;
        }
        copy.isTorn = WholeLength(copy.bytes) != copy.bytes.size();
        copy.bytes.resize(WholeLength(copy.bytes));
    }

    // A folder that cannot be listed gives nothing new; the caller tells that it is away.
    std::vector<std::string> names;
    m_files.ListDirectory(syncFolder, names);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        std::string device;
        if (!JournalMerge::IsJournalName(name, device) || device == ownDevice) continue;
        const std::string path = syncFolder + "/" + name;
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
        if (!Extend(device, path, std::move(bytes), kept[device], notes, error)) return false;
    }

    size_t events = ownEvents;
    const auto give = [&](JournalMerge::Copy copy) {
        // Every line but the header is an event, or a line refused as one.
        events += static_cast<size_t>(std::count(copy.bytes.begin(), copy.bytes.end(), '\n')) - 1;
        copies.push_back(std::move(copy));
        return events <= maxEvents;
    };
    bool isWithin = true;
    for (auto& [device, copy] : kept) {
        if (copy.bytes.empty() || !isWithin) continue;
        const std::string name = Journal::CopyName(device);
        isWithin = give({name, syncFolder + "/" + name, std::move(copy.bytes)});
    }
    // The older copies, those this call set aside among them.
    m_files.ListDirectory(m_dir, keptNames);
    for (const std::string& name : keptNames) {
        std::string device;
        if (!isWithin || !JournalMerge::IsCopyName(name, device) ||
            JournalMerge::IsJournalName(name, device))
            continue;
        std::string bytes;
        if (m_files.ReadFile(PathOf(name), bytes) != 0) continue;
        bytes.resize(WholeLength(bytes));
        if (!bytes.empty()) isWithin = give({name, PathOf(name), std::move(bytes)});
    }
    if (isWithin) return true;
    copies.clear();
    error = Escaped(syncFolder) + SyncTexts::Said(SyncTexts::kHoldsMoreEvents) +
            std::to_string(maxEvents) + SyncTexts::Said(SyncTexts::kEventsThanMerged);
    return false;
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
        const int appended = have > 0 && !kept.isTorn
                                 ? m_files.AppendToFile(path, std::string_view(bytes).substr(have))
                                 : ENOENT;
        if (appended != 0 && !WriteFileAtomically(m_files, path, bytes)) {
            error = FileError{path, EIO}.Describe();
            return false;
        }
        kept.bytes = std::move(bytes);
        kept.isTorn = false;
        return true;
    }
    if (kept.generations >= kMaxGenerations) {
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
    kept.isTorn = false;
    notes.push_back(Escaped(folderPath) + SyncTexts::Said(SyncTexts::kChangedKept));
    return true;
}
