// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SessionRebaser.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/LearnersWords.h"
#include "engine/ListRec.h"
#include "engine/LittleEndian.h"
#include "engine/SessionFiles.h"
#include "engine/WordList.h"
#include "lists/ListFolder.h"
#include "lists/ListTransaction.h"
#include "lists/RecordMatcher.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>

namespace {

constexpr size_t kListCount = SessionFiles::kListCount;
// Where the current-word file and the to-be-viewed file stand among the session files.
constexpr size_t kCurrWord = kListCount;
constexpr size_t kToBeViewed = 0;
static_assert(SessionFiles::kLists[kToBeViewed].listId == LIST_TOBEVIEWED);

// Word index i names record i, except index n, which names record 0.
uint32_t RecordOfIndex(uint32_t index, size_t count) { return index == count ? 0 : index; }
uint32_t IndexOfRecord(uint32_t record, size_t count) {
    return record == 0 ? static_cast<uint32_t>(count) : record;
}

}  // namespace

SessionRebaser::SessionRebaser(std::filesystem::path sessionDir, std::ostream& report,
                               Diagnostics& diagnostics, FileSystem& files)
    : m_sessionDir(std::move(sessionDir)),
      m_report(report),
      m_diagnostics(diagnostics),
      m_files(files) {}

const std::vector<std::string>& SessionRebaser::SessionFileNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (const SessionList& list : SessionFiles::kLists) all.emplace_back(list.FileName());
        all.emplace_back(std::filesystem::path(SessionFiles::kCurrWord).filename().string());
        return all;
    }();
    return names;
}

std::vector<FileImage> SessionRebaser::StudiedCopyFollowing(const std::filesystem::path& sessionDir,
                                                            const std::string& newList) {
    std::error_code ec;
    if (!std::filesystem::exists(sessionDir / ListFolder::kStudiedCopyName, ec)) return {};
    std::string bytes;
    if (!ReadWholeFile(newList, bytes)) return {};
    return {{ListFolder::NameOfSession(sessionDir) + "/" + ListFolder::kStudiedCopyName, bytes}};
}

std::string SessionRebaser::PathOf(const std::string& name) const {
    return (m_sessionDir / name).string();
}

int SessionRebaser::Run(const std::vector<WordRecord>& oldRecords,
                        const std::vector<WordRecord>& newRecords, bool force,
                        const std::vector<FileImage>& alongside,
                        const RecordMatcher::Pairing& pairing) {
    std::vector<FileImage> images;
    if (Plan(oldRecords, newRecords, force, images, pairing) != 0) return 1;
    images.insert(images.end(), alongside.begin(), alongside.end());
    ListTransaction transaction(m_files, m_sessionDir);
    FileError failure;
    if (!transaction.Commit(images, failure)) {
        m_diagnostics.Error(
            failure.path, 0,
            LearnersWords::Filled(
                transaction.IsPending()
                    ? LearnersWords::Said(
                          "ListRebase",
                          "cannot write (%1); the change is finished when the list is next opened")
                    : LearnersWords::Said("ListRebase", "cannot write (%1); nothing changed"),
                {DescribeError(failure.error)}));
        return 1;
    }
    ReportDone();
    return 0;
}

void SessionRebaser::ReportDone() {
    m_report << m_sessionDir.string() << ": " << Counted(m_rebasedEntries, "entry", "entries")
             << " rebased, " << m_droppedEntries << " dropped, "
             << Counted(m_freshWords, "new word")
             << " at the head of the to-be-viewed list; the old files are kept as *" << m_suffix
             << '\n';
}

int SessionRebaser::Plan(const std::vector<WordRecord>& oldRecords,
                         const std::vector<WordRecord>& newRecords, bool force,
                         std::vector<FileImage>& images, const RecordMatcher::Pairing& pairing) {
    const std::string where = m_sessionDir.string();
    ListTransaction transaction(m_files, m_sessionDir);
    FileError failure;
    if (!transaction.Recover(failure)) {
        m_diagnostics.Error(
            failure.path, 0,
            LearnersWords::Filled(
                LearnersWords::Said(
                    "ListRebase", "an interrupted update cannot be finished (%1); nothing changed"),
                {DescribeError(failure.error)}));
        return 1;
    }
    if (newRecords.empty() || newRecords.size() > kMaxStudyWords) {
        m_diagnostics.Error(
            where, 0,
            LearnersWords::Filled(
                LearnersWords::Said("ListRebase", "the new list has %1; a session needs 1 to %2"),
                {LearnersWords::Counted("ListRebase",
                                        QT_TRANSLATE_N_NOOP("ListRebase", "%n record(s)"),
                                        newRecords.size(), Counted(newRecords.size(), "record")),
                 std::to_string(kMaxStudyWords)}));
        return 1;
    }
    if (const std::string wrong =
            RecordMatcher::CheckPairing(pairing, oldRecords.size(), newRecords.size());
        !wrong.empty()) {
        m_diagnostics.Error(where, 0,
                            LearnersWords::Filled(
                                LearnersWords::Said("ListRebase", "%1; nothing changed"), {wrong}));
        return 1;
    }
    const auto& names = SessionFileNames();
    std::vector<std::string> originals(names.size());
    std::vector<bool> exists(names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        // A file that is there but cannot be read would be replaced as if it were empty.
        const int error = m_files.ReadFile(PathOf(names[i]), originals[i]);
        if (error != 0 && error != ENOENT) {
            m_diagnostics.Error(
                PathOf(names[i]), 0,
                LearnersWords::Filled(
                    LearnersWords::Said("ListRebase", "cannot be read (%1); nothing changed"),
                    {DescribeError(error)}));
            return 1;
        }
        exists[i] = error == 0;
    }
    if (!exists[kToBeViewed]) {
        m_diagnostics.Error(
            where, 0,
            LearnersWords::Filled(
                LearnersWords::Said("ListRebase", "no session here (no %1); nothing to rebase"),
                {names[kToBeViewed]}));
        return 1;
    }

    std::vector<CWordList> lists(kListCount);
    uint32_t highest = 0;
    for (size_t i = 0; i < kListCount; ++i) {
        CWordList::LoadReport report;
        lists[i].LoadFile(PathOf(names[i]).c_str(), report);
        if (exists[i] && report.damaged) {
            m_diagnostics.Error(
                PathOf(names[i]), 0,
                LearnersWords::Said("ListRebase",
                                    "is damaged; nothing changed (Quibbix keeps a copy of "
                                    "it as .bad and repairs it when it next saves)"));
            return 1;
        }
        for (const CListRec& entry : lists[i].Entries())
            highest = std::max(highest, entry.m_wordIndex);
    }
    if (highest > oldRecords.size() && !force) {
        m_diagnostics.Error(
            where, 0,
            LearnersWords::Filled(
                LearnersWords::Said(
                    "ListRebase",
                    "the lists name word %1, beyond the %2 of the old list; is it the list this "
                    "session was made with? Nothing changed (--force drops those entries)"),
                {std::to_string(highest),
                 LearnersWords::Counted("ListRebase",
                                        QT_TRANSLATE_N_NOOP("ListRebase", "%n record(s)"),
                                        oldRecords.size(), Counted(oldRecords.size(), "record"))}));
        return 1;
    }

    const RecordMatcher matcher(oldRecords, newRecords, pairing);
    for (const std::string& ambiguity : matcher.Ambiguities())
        m_diagnostics.Warning(where, 0, "ambiguous match: " + ambiguity);
    if (!matcher.Ambiguities().empty() && !force) {
        m_diagnostics.Error(
            where, 0,
            LearnersWords::Said(
                "ListRebase",
                "ambiguous matches; nothing changed (--force pairs them in file order)"));
        return 1;
    }

    // Returns the new index of an old one, or NO_WORD when its word is gone or never existed.
    const auto remap = [&](uint32_t oldIndex) {
        if (oldIndex < 1 || oldIndex > oldRecords.size()) return NO_WORD;
        const uint32_t newRecord = matcher.NewRecordOf(RecordOfIndex(oldIndex, oldRecords.size()));
        return newRecord == RecordMatcher::kGone ? NO_WORD
                                                 : IndexOfRecord(newRecord, newRecords.size());
    };
    const auto describe = [&](uint32_t oldIndex) {
        if (oldIndex < 1 || oldIndex > oldRecords.size())
            return "index " + std::to_string(oldIndex) + " (no such word)";
        return "\"" + oldRecords[RecordOfIndex(oldIndex, oldRecords.size())].word + "\" (index " +
               std::to_string(oldIndex) + ")";
    };

    size_t kept = 0, dropped = 0;
    std::vector<CWordList> rebased(kListCount);
    for (size_t i = 0; i < kListCount; ++i) {
        for (const CListRec& entry : lists[i].Entries()) {
            CListRec moved = entry;
            moved.m_wordIndex = remap(entry.m_wordIndex);
            if (moved.m_wordIndex == NO_WORD) {
                ++dropped;
                m_report << "dropped from the " << SessionFiles::kLists[i].label
                         << " list: " << describe(entry.m_wordIndex) << '\n';
                continue;
            }
            ++kept;
            rebased[i].Add(moved, true);
        }
    }

    // Where the program's own list maintenance would put words it finds in no list.
    std::vector<uint32_t> fresh;
    for (uint32_t record = 0; record < newRecords.size(); ++record)
        if (!matcher.IsMatched(record)) fresh.push_back(IndexOfRecord(record, newRecords.size()));
    std::sort(fresh.begin(), fresh.end());
    m_keptWords = newRecords.size() - fresh.size();
    for (uint32_t index : fresh) rebased[kToBeViewed].Add(CListRec(index), false);

    std::string currWord = originals[kCurrWord];
    if (exists[kCurrWord] && currWord.size() >= CurrWordRecord::kWordIndexOffset + 4) {
        const uint32_t oldIndex = GetLE32(currWord.data() + CurrWordRecord::kWordIndexOffset);
        if (oldIndex != NO_WORD) {
            const uint32_t newIndex = remap(oldIndex);
            if (newIndex == NO_WORD)
                m_report << "dropped the word on screen: " << describe(oldIndex) << '\n';
            PutLE32(currWord.data() + CurrWordRecord::kWordIndexOffset, newIndex);
        }
    }

    m_suffix = ChooseBackupSuffix();
    m_rebasedEntries = kept;
    m_droppedEntries = dropped;
    m_freshWords = fresh.size();
    const std::string session = ListFolder::NameOfSession(m_sessionDir) + "/";
    for (size_t i = 0; i < names.size(); ++i) {
        if (exists[i]) images.push_back({session + names[i] + m_suffix, originals[i]});
    }
    for (size_t i = 0; i < kListCount; ++i)
        images.push_back({session + names[i], rebased[i].Serialize()});
    if (exists[kCurrWord]) images.push_back({session + names[kCurrWord], currWord});
    // The words under review follow their words too; marks that no longer name one go.
    const std::string review = std::filesystem::path(SessionFiles::kReview).filename().string();
    std::string marks;
    if (m_files.ReadFile(PathOf(review), marks) == 0) {
        EntryQueue entries;
        bool damaged = false;
        CWordList::Parse(marks, entries, damaged);
        CWordList moved;
        for (const CListRec& entry : entries)
            if (const uint32_t index = remap(entry.m_wordIndex); !damaged && index != NO_WORD)
                moved.Add(CListRec(index), true);
        images.push_back({session + review, moved.Serialize()});
    }
    return 0;
}

std::string SessionRebaser::ChooseBackupSuffix() const {
    for (int n = 1;; ++n) {
        const std::string suffix = n == 1 ? ".bak" : ".bak" + std::to_string(n);
        bool isFree = true;
        for (const std::string& name : SessionFileNames()) {
            std::error_code ec;
            isFree = isFree && !std::filesystem::exists(PathOf(name) + suffix, ec);
        }
        if (isFree) return suffix;
    }
}
