// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListGuard.h"

#include "engine/WordListFile.h"
#include "lists/ListFolder.h"
#include "lists/ListRebase.h"
#include "lists/ListTransaction.h"
#include "platform/PosixFiles.h"

namespace fs = std::filesystem;

namespace {

using Stamp = PosixFiles::Stamp;

// Regular files only: a list that is anything else is no list to guard.
Stamp StampOf(const fs::path& path) {
    Stamp stamp = PosixFiles::StampOf(path);
    if (!stamp.isRegular) stamp.exists = false;
    return stamp;
}

bool IsSame(const Stamp& a, const Stamp& b) {
    return a.exists && b.exists && a.size == b.size && a.seconds == b.seconds &&
           a.nanoseconds == b.nanoseconds;
}

// A copy is written whole, so one that holds no records or a part of one was damaged since.
bool IsWhole(const std::string& bytes) {
    return !bytes.empty() && bytes.size() % WordListFile::kRecordSize == 0;
}

// A copy that cannot be written only means the next check compares the records again.
void RecordCopy(FileSystem& files, const fs::path& folder, const std::string& listBytes) {
    FileError ignored;
    const FileImage copy = ListGuard::CopyImage(listBytes);
    if (ReplaceFiles(files, {{(folder / copy.path).string(), copy.bytes}}, ignored))
        ListGuard::StampCopy(folder);
}

// Keeps a damaged copy for whoever wants to look at it and takes the list as it stands.
ListGuard::Notice SetDamagedCopyAside(FileSystem& files, const fs::path& folder,
                                      const std::string& listBytes) {
    const std::string copy = ListFolder::StudiedCopy(folder).string();
    files.Rename(copy, copy + ".bad");
    RecordCopy(files, folder, listBytes);
    return {std::string("The copy of the word list as last studied (") +
                ListFolder::kStudiedCopyFile +
                ") is damaged, so the progress stays with the words by their position; the copy "
                "is kept as " +
                ListFolder::kStudiedCopyFile + ".bad.",
            "Quibbix cannot tell whether the words of this list changed since you last studied "
            "it, because its record of them is damaged. Your progress stays with the words as "
            "they are now."};
}

bool FinishInterruptedUpdate(FileSystem& files, const fs::path& folder, ListGuard::Notice& notice) {
    ListTransaction transaction(files, ListFolder::Session(folder));
    FileError failure;
    if (!transaction.IsPending() || transaction.Recover(failure)) return true;
    notice = {
        "An update of the list was interrupted and cannot be finished: " + failure.Describe() + ".",
        "A change to the words of this list was interrupted and cannot be finished now, so the "
        "list cannot be studied. Your progress is as it was. Free some disk space, or make sure "
        "the list's folder can be written to, then start Quibbix again."};
    return false;
}

}  // namespace

namespace ListGuard {

FileImage CopyImage(const std::string& listBytes) {
    return {ListFolder::kStudiedCopyFile, listBytes};
}

void StampCopy(const fs::path& folder) {
    const Stamp list = StampOf(ListFolder::WordList(folder));
    int ignored = 0;
    if (list.exists) PosixFiles::SetModified(ListFolder::StudiedCopy(folder), list, ignored);
}

bool Check(FileSystem& files, const fs::path& folder, std::string& message) {
    Notice notice;
    const bool ok = Check(files, folder, notice);
    message = notice.detail;
    return ok;
}

bool Check(FileSystem& files, const fs::path& folder, Notice& notice) {
    notice = {};
    if (!FinishInterruptedUpdate(files, folder, notice)) return false;
    const fs::path listPath = ListFolder::WordList(folder);
    const Stamp list = StampOf(listPath);
    if (!list.exists) return true;
    const Stamp copy = StampOf(ListFolder::StudiedCopy(folder));
    if (IsSame(list, copy)) return true;

    std::string listBytes, copyBytes;
    if (files.ReadFile(listPath.string(), listBytes) != 0) return true;
    // Nothing to move yet: a first start, or a session from before the copy was kept.
    if (!ListFolder::HasSession(folder) || !copy.exists) {
        RecordCopy(files, folder, listBytes);
        return true;
    }
    if (files.ReadFile(ListFolder::StudiedCopy(folder).string(), copyBytes) != 0 ||
        !IsWhole(copyBytes)) {
        notice = SetDamagedCopyAside(files, folder, listBytes);
        return true;
    }
    const std::vector<WordRecord> oldRecords = ListRebase::Records(copyBytes);
    const std::vector<WordRecord> newRecords = ListRebase::Records(listBytes);
    // Touched, or stored another way, but the same words in the same places.
    if (oldRecords == newRecords) {
        RecordCopy(files, folder, listBytes);
        return true;
    }
    std::string summary, error;
    if (!ListRebase::Run(files, folder, oldRecords, newRecords, {CopyImage(listBytes)}, summary,
                         error)) {
        notice = {
            "The word list changed since it was last studied, and the progress could not "
            "be moved onto it: " +
                error,
            "The words of this list changed since you last studied it, and your progress "
            "could not be moved onto the new words. Nothing was changed. To study this "
            "list, put its earlier word list back, or add the new words as a list of "
            "their own."};
        return false;
    }
    StampCopy(folder);
    notice = {"The word list changed since it was last studied: " + summary + ".",
              "The words of this list changed since you last studied it. The words still in it "
              "keep their progress, and a copy of your earlier progress was kept."};
    return true;
}

}  // namespace ListGuard
