#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Moves a study session onto a new word list. Progress is kept by word index, so after the
// list is replaced or re-sorted every list entry and the word on screen must be given the
// index of the same word in the new list, or it would silently stand for another word.

#include "engine/AtomicFile.h"
#include "engine/WordList.h"
#include "engine/WordRecord.h"
#include "imports/Diagnostics.h"
#include "lists/RecordMatcher.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

class SessionRebaser {
public:
    // `report` gets the summary and the words dropped; the streams and `files` must outlive
    // the object.
    SessionRebaser(std::filesystem::path sessionDir, std::ostream& report, Diagnostics& diagnostics,
                   FileSystem& files = DefaultFileSystem());

    // Rewrites the session for `newRecords`, keeping the old files as backups, in one change
    // with `alongside` (files relative to the list folder, such as the new word list and the
    // studied copy): a kill at any moment leaves all of it old or all of it new. Returns 0 on
    // success, 1 when nothing was changed because of a problem (reported), such as an
    // ambiguous match without `force`. A `pairing` says which old record each new one
    // continues (RecordMatcher), and nothing is then paired by text. requires: the session's
    // lock.
    int Run(const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
            bool force, const std::vector<FileImage>& alongside = {},
            const RecordMatcher::Pairing& pairing = {});

    // Run without the change: appends to `images` the session's new files and backups
    // (relative to the list folder), for a change of several sessions at once. After it has
    // been committed, ReportDone writes what Run would have.
    int Plan(const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
             bool force, std::vector<FileImage>& images,
             const RecordMatcher::Pairing& pairing = {});
    void ReportDone();
    // The suffix of the backups the last Plan chose: ".bak", ".bak2", ...
    const std::string& BackupSuffix() const { return m_suffix; }

    // After a successful Run or Plan: how many words of the new list were paired with an old one,
    // and so keep their progress.
    size_t KeptWords() const { return m_keptWords; }

    // The six list files, in the order the program saves them, and the current-word file.
    static const std::vector<std::string>& SessionFileNames();

    // The studied copy that must follow a session moved onto `newList`, or the guard would
    // move it a second time: nothing when the session keeps no copy.
    static std::vector<FileImage> StudiedCopyFollowing(const std::filesystem::path& sessionDir,
                                                       const std::string& newList);

private:
    std::string PathOf(const std::string& name) const;
    std::string ChooseBackupSuffix() const;

    std::filesystem::path m_sessionDir;
    std::ostream& m_report;
    Diagnostics& m_diagnostics;
    FileSystem& m_files;
    size_t m_keptWords = 0;
    size_t m_rebasedEntries = 0;
    size_t m_droppedEntries = 0;
    size_t m_freshWords = 0;
    std::string m_suffix = ".bak";
};
