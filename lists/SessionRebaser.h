#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Moves a study session onto a new word list. Progress is kept by word index, so after the
// list is replaced or re-sorted every list entry and the word on screen must be given the
// index of the same word in the new list, or it would silently stand for another word.

#include "engine/WordList.h"
#include "engine/WordRecord.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "imports/Diagnostics.h"

class SessionRebaser {
public:
    // `report` gets the summary and the words dropped; both streams must outlive the object.
    SessionRebaser(std::filesystem::path sessionDir, std::ostream& report,
                   Diagnostics& diagnostics);

    // Rewrites the session for `newRecords`. Returns 0 on success, 1 when nothing was changed
    // because of a problem (reported), such as an ambiguous match without `force`.
    int Run(const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
            bool force);

    // The six list files, in the order the program saves them, and the current-word file.
    static const std::vector<std::string>& SessionFileNames();

    // The copy of the word list the session stands on, which the launcher keeps beside it to
    // notice a list replaced under the progress.
    static constexpr const char* kStudiedCopyName = "studied.lst";
    // After a rebase the session stands on `newListPath`: a copy kept there must follow, or
    // the launcher would move the session a second time. A session without one is left so.
    static bool FollowStudiedCopy(const std::filesystem::path& sessionDir,
                                  const std::string& newListPath);

private:
    std::string PathOf(const std::string& name) const;
    std::string ChooseBackupSuffix() const;
    bool WriteBackups(const std::vector<std::string>& originals, const std::string& suffix);
    bool WriteAll(std::vector<CWordList>& lists, const std::string& currWord,
                  const std::vector<bool>& exists, const std::vector<std::string>& originals);

    std::filesystem::path m_sessionDir;
    std::ostream& m_report;
    Diagnostics& m_diagnostics;
};
