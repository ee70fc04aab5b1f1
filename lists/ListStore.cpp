// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListStore.h"

#include "engine/AtomicFile.h"
#include "engine/LearnersWords.h"
#include "engine/SessionFiles.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "lists/ListFolder.h"
#include "lists/Trash.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <random>

#include "posix/PosixFiles.h"
#include "posix/PosixText.h"

namespace fs = std::filesystem;

namespace {

// What the first list is called until the user names it.
constexpr const char* kFirstListName = "First list";
constexpr size_t kMaxNameBytes = 120;
constexpr size_t kMaxFolderChars = 40;
// A change of the lists waits this long for another program's change to end.
constexpr int kLockWaitMs = 5000;
// What makes the data folder the first list, and goes to the trash when it is removed; its
// side of a sync among them, or a first list made later would sync as this one did.
constexpr const char* kFirstListParts[] = {ListFolder::kListDir, SessionFiles::kDirectory,
                                           ListFolder::kReverseSessionDir, ListFolder::kNameFile,
                                           ListFolder::kSyncSideDir};

bool IsDirectory(const fs::path& path) { return PosixFiles::StampOf(path).isDirectory; }

std::string ReadName(const fs::path& folder) {
    const std::string text = PosixFiles::ReadHead(ListFolder::NameFile(folder), kMaxNameBytes * 2);
    return ListStore::CleanName(text.substr(0, text.find('\n')));
}

bool WriteName(FileSystem& files, const fs::path& folder, const std::string& name,
               std::string& error) {
    FileError failure;
    if (ReplaceFiles(files, {{ListFolder::NameFile(folder).string(), name + "\n"}}, failure))
        return true;
    error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot write %1"),
                                  {failure.Describe()});
    return false;
}

// The count that opens a list file of the session; a damaged or missing file counts as none,
// since this is only what the chooser shows.
long ReadCount(const fs::path& folder, ListFolder::Direction direction, std::string_view name,
               int words) {
    const std::string head =
        PosixFiles::ReadHead(ListFolder::Session(folder, direction) / name, 24);
    size_t i = head.find_first_not_of(" \t\r\n");
    long count = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9' && count <= words; ++i)
        count = count * 10 + (head[i] - '0');
    return count;
}

// The known words, those the schedule put back for review among them.
int ReadKnown(const fs::path& folder, ListFolder::Direction direction, int words) {
    const long known =
        ReadCount(folder, direction, SessionFiles::kKnown.FileName(), words) +
        ReadCount(folder, direction, fs::path(SessionFiles::kReview).filename().string(), words);
    return static_cast<int>(std::min<long>(known, words));
}

int64_t ModifiedAt(const fs::path& path) {
    const PosixFiles::Stamp stamp = PosixFiles::StampOf(path);
    return stamp.exists ? stamp.seconds : 0;
}

ListSummary Summarize(const fs::path& folder, std::string name, bool isFirst) {
    ListSummary summary;
    summary.name = std::move(name);
    summary.folder = folder;
    summary.isFirst = isFirst;
    const PosixFiles::Stamp list = PosixFiles::StampOf(ListFolder::WordList(folder));
    if (list.isRegular)
        summary.words = static_cast<int>(
            std::min<int64_t>(list.size / WordListFile::kRecordSize, kMaxStudyWords));
    summary.hasProgress = ListFolder::HasSession(folder);
    summary.hasProgressBackwards =
        ListFolder::HasSession(folder, ListFolder::Direction::kBackwards);
    if (summary.hasProgressBackwards) {
        summary.knownBackwards =
            ReadKnown(folder, ListFolder::Direction::kBackwards, summary.words);
        // Studied backwards counts as studied: the files the program writes most often.
        const fs::path session = ListFolder::Session(folder, ListFolder::Direction::kBackwards);
        for (const fs::path& file : {fs::path(SessionFiles::kCurrWord).filename(),
                                     fs::path(SessionFiles::kToBeViewed.FileName())})
            summary.lastStudied = std::max(summary.lastStudied, ModifiedAt(session / file));
    }
    if (summary.hasProgress) {
        summary.known = ReadKnown(folder, ListFolder::Direction::kForwards, summary.words);
        // The current-word record is rewritten after every answer, the others at each save.
        for (const char* file :
             {SessionFiles::kCurrWord, SessionFiles::kTime, SessionFiles::kToBeViewed.path})
            summary.lastStudied = std::max(summary.lastStudied, ModifiedAt(folder / file));
    }
    return summary;
}

// A readable folder name for `name`: ASCII letters and digits, other runs as one '-'.
std::string FolderStem(const std::string& name) {
    std::string stem;
    for (unsigned char c : name) {
        if (stem.size() >= kMaxFolderChars) break;
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            stem.push_back(static_cast<char>(c));
        else if (c >= 'A' && c <= 'Z')
            stem.push_back(static_cast<char>(c - 'A' + 'a'));
        else if (!stem.empty() && stem.back() != '-')
            stem.push_back('-');
    }
    while (!stem.empty() && stem.back() == '-') stem.pop_back();
    return stem.empty() ? std::string("list") : stem;
}

bool IsUtf8Continuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// A name in `dir` for a folder that is not there yet, starting with `prefix`.
fs::path FreshPath(const fs::path& dir, const std::string& prefix) {
    static std::atomic<int> counter{0};
    static const unsigned process = std::random_device()();
    return dir / (prefix + std::to_string(process) + "-" + std::to_string(++counter) + "-" +
                  std::to_string(std::rand()));
}

// A name as compared ignoring case.
std::u32string Folded(const std::string& name) {
    std::u32string folded;
    for (size_t pos = 0; pos < name.size();)
        folded.push_back(PosixText::Lower(Utf8::Next(name, pos)));
    return folded;
}

// Makes `dir` and the folders above it that are missing.
int MakeDirectories(FileSystem& files, const fs::path& dir) {
    if (dir.empty() || PosixFiles::StampOf(dir).isDirectory) return 0;
    if (const int error = MakeDirectories(files, dir.parent_path())) return error;
    const int error = files.MakeDirectory(dir.string());
    return error == EEXIST ? 0 : error;
}

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

ListStore::ListStore(fs::path dataHome, fs::path defaults, FileSystem& files)
    : m_dataHome(std::move(dataHome)), m_defaults(std::move(defaults)), m_files(files) {}

fs::path ListStore::DefaultDataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') return fs::path(xdg) / "quibbix";
    const char* home = std::getenv("HOME");
    return fs::path(home ? home : "") / ".local" / "share" / "quibbix";
}

fs::path ListStore::FindDefaults(const fs::path& binDir) {
    const char* fromEnv = std::getenv("QUIBBIX_LIST_DIR");
    for (const fs::path& dir : {fromEnv ? fs::path(fromEnv) : fs::path(), binDir / ".." / "list",
                                binDir / ".." / "share" / "quibbix" / "list"}) {
        std::error_code ec;
        if (!dir.empty() && fs::exists(dir / fs::path(ListFolder::kWordListFile).filename(), ec))
            return fs::canonical(dir, ec);
    }
    return fs::path();
}

std::vector<ListSummary> ListStore::OtherLists(bool& hasLeftovers) const {
    std::vector<ListSummary> lists;
    std::vector<std::string> names;
    const fs::path listsDir = ListFolder::ListsDir(m_dataHome);
    m_files.ListDirectory(listsDir.string(), names);
    for (const std::string& folderName : names) {
        const fs::path folder = listsDir / folderName;
        if (StartsWith(folderName, ListFolder::kStagingPrefix) ||
            StartsWith(folderName, ListFolder::kRemovingPrefix))
            hasLeftovers = true;
        if (folderName.empty() || folderName[0] == '.' || !IsDirectory(folder)) continue;
        // A folder of something else than a list is no list.
        if (!IsDirectory(ListFolder::ListDir(folder)) &&
            !PosixFiles::StampOf(ListFolder::NameFile(folder)).exists)
            continue;
        std::string name = ReadName(folder);
        lists.push_back(Summarize(folder, name.empty() ? CleanName(folderName) : name, false));
    }
    std::sort(lists.begin(), lists.end(), [](const ListSummary& a, const ListSummary& b) {
        const int order = Folded(a.name).compare(Folded(b.name));
        return order != 0 ? order < 0 : a.folder < b.folder;
    });
    return lists;
}

std::vector<ListSummary> ListStore::Lists() const {
    bool hasLeftovers = false;
    std::vector<ListSummary> others = OtherLists(hasLeftovers);
    if (hasLeftovers) {
        Tidy();
        hasLeftovers = false;
        others = OtherLists(hasLeftovers);
    }
    std::vector<ListSummary> lists;
    if (others.empty() || IsDirectory(ListFolder::ListDir(m_dataHome))) {
        const std::string name = ReadName(m_dataHome);
        lists.push_back(Summarize(m_dataHome, name.empty() ? kFirstListName : name, true));
    }
    // Name files edited by hand may repeat a name; each list must still be told apart.
    for (ListSummary& list : others) {
        const std::string wanted = list.name;
        for (int n = 2;
             std::any_of(lists.begin(), lists.end(),
                         [&](const ListSummary& taken) { return SameName(taken.name, list.name); });
             ++n)
            list.name = wanted + " (" + std::to_string(n) + ")";
        lists.push_back(std::move(list));
    }
    return lists;
}

std::optional<ListSummary> ListStore::Find(const std::string& name) const {
    const std::string wanted = CleanName(name);
    for (ListSummary& list : Lists()) {
        if (SameName(list.name, wanted)) return std::move(list);
    }
    return std::nullopt;
}

bool ListStore::IsTaken(const std::string& name, const fs::path& except) const {
    for (const ListSummary& list : Lists()) {
        if (SameName(list.name, name) && list.folder != except) return true;
    }
    return false;
}

std::string ListStore::FreeName(const std::string& wanted) const {
    const std::string base = CleanName(wanted).empty() ? std::string("List") : CleanName(wanted);
    const std::vector<ListSummary> lists = Lists();
    const auto taken = [&](const std::string& name) {
        return std::any_of(lists.begin(), lists.end(),
                           [&](const ListSummary& list) { return SameName(list.name, name); });
    };
    std::string name = base;
    for (int n = 2; taken(name); ++n) name = base + " (" + std::to_string(n) + ")";
    return name;
}

std::string ListStore::NameProblem(const std::string& name) {
    if (name.empty()) return LearnersWords::Said("ListStore", "a list needs a name");
    if (name.size() > kMaxNameBytes)
        return LearnersWords::Filled(
            LearnersWords::Said("ListStore", "the name is too long (at most %1 bytes)"),
            {std::to_string(kMaxNameBytes)});
    if (CleanName(name) != name)
        return LearnersWords::Said("ListStore",
                                   "the name holds control characters or outer spaces");
    // Invalid sequences come back as U+FFFD.
    std::u32string decoded;
    size_t badOffset = 0;
    if (!Utf8::Decode(name, decoded, badOffset))
        return LearnersWords::Said("ListStore", "the name is not valid UTF-8");
    return std::string();
}

std::string ListStore::NameIn(const fs::path& folder) { return ReadName(folder); }

std::string ListStore::CleanName(const std::string& text) {
    std::string name;
    for (unsigned char c : text) name.push_back(c < 0x20 || c == 0x7F ? ' ' : static_cast<char>(c));
    const size_t first = name.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    name = name.substr(first, name.find_last_not_of(' ') - first + 1);
    if (name.size() > kMaxNameBytes) {
        size_t cut = kMaxNameBytes;
        while (cut > 0 && IsUtf8Continuation(static_cast<unsigned char>(name[cut]))) --cut;
        name.resize(cut);
        while (!name.empty() && name.back() == ' ') name.pop_back();
    }
    return name;
}

bool ListStore::SameName(const std::string& a, const std::string& b) {
    return Folded(a) == Folded(b);
}

std::unique_ptr<FolderLock> ListStore::LockLists(std::string& error) const {
    if (const int code = MakeDirectories(m_files, m_dataHome)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot make %1: %2"),
                                      {m_dataHome.string(), DescribeError(code)});
        return nullptr;
    }
    auto lock = std::make_unique<FolderLock>();
    int code = 0;
    switch (lock->AcquireWaiting(m_dataHome.string(), kLockWaitMs, code)) {
        case FolderLock::Result::kLocked:
            TidyLocked();
            return lock;
        case FolderLock::Result::kHeldElsewhere:
            error = LearnersWords::Said(
                "ListStore", "another program is changing the lists; try again in a moment");
            return nullptr;
        default:
            error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot lock %1: %2"),
                                          {m_dataHome.string(), DescribeError(code)});
            return nullptr;
    }
}

void ListStore::RemoveTree(const fs::path& dir) const {
    std::vector<std::string> names;
    if (m_files.ListDirectory(dir.string(), names) != 0) return;
    for (const std::string& name : names) {
        const int error = m_files.Remove((dir / name).string());
        if (error == ENOTEMPTY || error == EEXIST) RemoveTree(dir / name);
    }
    m_files.Remove(dir.string());
}

void ListStore::Tidy() const {
    // Only what no program is working on: with the lock held elsewhere, or by this process
    // (a change of its own under way), everything in lists/ may be someone's work.
    FolderLock lock;
    int code = 0;
    if (lock.Acquire(m_dataHome.string(), code) == FolderLock::Result::kLocked) TidyLocked();
}

void ListStore::TidyLocked() const {
    const fs::path listsDir = ListFolder::ListsDir(m_dataHome);
    std::vector<std::string> names;
    m_files.ListDirectory(listsDir.string(), names);
    for (const std::string& name : names) {
        if (StartsWith(name, ListFolder::kStagingPrefix)) RemoveTree(listsDir / name);
        if (StartsWith(name, ListFolder::kRemovingPrefix)) PutFirstBack(listsDir / name);
    }
    m_files.SyncDirectory(listsDir.string());
}

// The first list's parts in `box` go back where they were: a removal that did not reach the
// trash is undone. A part whose place was taken since cannot go back, and then what is left
// goes on to the trash, as the removal meant.
void ListStore::PutFirstBack(const fs::path& box) const {
    for (const char* part : kFirstListParts)
        m_files.RenameNoReplace((box / part).string(), (m_dataHome / part).string());
    m_files.SyncDirectory(m_dataHome.string());
    if (m_files.Remove(box.string()) == 0) return;
    std::string error;
    fs::path trashed;
    const std::string stem = FolderStem(ReadName(box).empty() ? kFirstListName : ReadName(box));
    Trash::Put(m_files, TrashDir(), box, ListFolder::ListsDir(m_dataHome) / stem, stem, trashed,
               error);
}

bool ListStore::CopyOwnDefaults(const fs::path& folder, std::string& error) const {
    const fs::path own = m_dataHome / kOwnDefaultsDir;
    if (!PosixFiles::StampOf(own).exists) return true;
    return CopyMissing(own, ListFolder::ListDir(folder), error);
}

bool ListStore::UseForEveryList(const std::string& name, const std::string& bytes,
                                std::string& error) const {
    const fs::path own = m_dataHome / kOwnDefaultsDir;
    if (const int code = MakeDirectories(m_files, own)) {
        error = FileError{own.string(), code}.Describe();
        return false;
    }
    std::vector<fs::path> targets{own / name};
    for (const ListSummary& list : Lists())
        targets.push_back(ListFolder::ListDir(list.folder) / name);
    for (const fs::path& target : targets) {
        if (!WriteFileAtomically(m_files, target.string(), bytes)) {
            error = FileError{target.string(), EIO}.Describe();
            return false;
        }
    }
    return true;
}

bool ListStore::CopyMissing(const fs::path& from, const fs::path& to, std::string& error) const {
    std::vector<std::string> names;
    if (const int code = m_files.ListDirectory(from.string(), names)) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListStore", "cannot read the defaults in %1: %2"),
            {from.string(), DescribeError(code)});
        return false;
    }
    for (const std::string& name : names) {
        std::string bytes;
        // Anything but a regular file is no default.
        if (m_files.ReadFile((from / name).string(), bytes) != 0) continue;
        const int code = m_files.WriteNewFile((to / name).string(), bytes);
        if (code != 0 && code != EEXIST) {
            m_files.Remove((to / name).string());
            error =
                LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot copy %1 to %2: %3"),
                                      {(from / name).string(), to.string(), DescribeError(code)});
            return false;
        }
    }
    return true;
}

// A complete list folder under a name the listing skips, holding `contents`, the name and
// the defaults; removed again on failure.
std::optional<fs::path> ListStore::Stage(const std::vector<FileImage>& contents,
                                         const std::string& name, std::string& error) {
    const fs::path listsDir = ListFolder::ListsDir(m_dataHome);
    if (const int code = MakeDirectories(m_files, listsDir)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot make %1: %2"),
                                      {listsDir.string(), DescribeError(code)});
        return std::nullopt;
    }
    fs::path staged;
    int code = EEXIST;
    for (int attempt = 0; attempt < 100 && code == EEXIST; ++attempt) {
        staged = FreshPath(listsDir, ListFolder::kStagingPrefix);
        code = m_files.MakeDirectory(staged.string());
    }
    if (code == 0) code = m_files.MakeDirectory(ListFolder::ListDir(staged).string());
    if (code == 0) code = m_files.MakeDirectory(ListFolder::Session(staged).string());
    for (size_t i = 0; i < contents.size() && code == 0; ++i)
        code = m_files.WriteNewFile((staged / contents[i].path).string(), contents[i].Bytes());
    if (code != 0) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListStore", "cannot make a new list in %1: %2"),
            {listsDir.string(), DescribeError(code)});
    } else if (WriteName(m_files, staged, name, error) && CopyOwnDefaults(staged, error) &&
               (m_defaults.empty() ||
                CopyMissing(m_defaults, ListFolder::ListDir(staged), error))) {
        for (const fs::path& dir :
             {ListFolder::ListDir(staged), ListFolder::Session(staged), staged})
            m_files.SyncDirectory(dir.string());
        return staged;
    }
    RemoveTree(staged);
    return std::nullopt;
}

bool ListStore::MoveIntoPlace(const fs::path& staged, const std::string& name, fs::path& folder,
                              std::string& error) {
    const fs::path listsDir = ListFolder::ListsDir(m_dataHome);
    const std::string stem = FolderStem(name);
    for (int n = 1; n < 10000; ++n) {
        const fs::path target = listsDir / (n == 1 ? stem : stem + "-" + std::to_string(n));
        const int code = m_files.RenameNoReplace(staged.string(), target.string());
        if (code == EEXIST) continue;
        if (code == 0 && m_files.SyncDirectory(listsDir.string()) == 0) {
            folder = target;
            return true;
        }
        error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot move %1 to %2: %3"),
                                      {staged.string(), target.string(), DescribeError(code)});
        return false;
    }
    error = LearnersWords::Filled(
        LearnersWords::Said("ListStore", "no free folder name for \"%1\" in %2"),
        {name, listsDir.string()});
    return false;
}

std::optional<fs::path> ListStore::Create(const std::string& name,
                                          const std::vector<FileImage>& contents,
                                          std::string& error, const Filler& fill) {
    error = NameProblem(name);
    if (!error.empty()) return std::nullopt;
    const std::unique_ptr<FolderLock> lock = LockLists(error);
    if (!lock) return std::nullopt;
    // Under the lock, so that of two programs adding one name, one makes it.
    if (IsTaken(name, fs::path())) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListStore", "a list named \"%1\" exists already"), {name});
        return std::nullopt;
    }
    const std::optional<fs::path> staged = Stage(contents, name, error);
    if (!staged) return std::nullopt;
    fs::path folder;
    if ((!fill || fill(*staged, error)) && MoveIntoPlace(*staged, name, folder, error))
        return folder;
    RemoveTree(*staged);
    return std::nullopt;
}

std::optional<ListSummary> ListStore::Known(const std::string& name, std::string& error) const {
    std::optional<ListSummary> list = Find(name);
    if (!list)
        error =
            LearnersWords::Filled(LearnersWords::Said("ListStore", "no list named \"%1\""), {name});
    return list;
}

bool ListStore::Rename(const std::string& name, const std::string& newName, std::string& error) {
    const std::unique_ptr<FolderLock> listsLock = LockLists(error);
    const std::optional<ListSummary> list = listsLock ? Known(name, error) : std::nullopt;
    if (!list) return false;
    const std::string problem = NameProblem(newName);
    if (!problem.empty()) {
        error = problem;
        return false;
    }
    if (IsTaken(newName, list->folder)) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListStore", "a list named \"%1\" exists already"), {newName});
        return false;
    }
    FolderLock locks[2];
    for (ListFolder::Direction direction : ListFolder::kDirections) {
        if (!ListFolder::LockForChange(list->folder, direction, locks[static_cast<int>(direction)],
                                       error))
            return false;
    }
    return WriteName(m_files, list->folder, newName, error);
}

bool ListStore::Remove(const std::string& name, std::string& error) {
    const std::unique_ptr<FolderLock> listsLock = LockLists(error);
    const std::optional<ListSummary> list = listsLock ? Known(name, error) : std::nullopt;
    if (!list) return false;
    FolderLock locks[2];
    for (ListFolder::Direction direction : ListFolder::kDirections) {
        if (!ListFolder::LockForChange(list->folder, direction, locks[static_cast<int>(direction)],
                                       error))
            return false;
    }
    if (list->isFirst) return RemoveFirst(*list, error);
    // Restored, the folder comes back where it was, with its name file.
    if (!PosixFiles::StampOf(ListFolder::NameFile(list->folder)).exists &&
        !WriteName(m_files, list->folder, list->name, error))
        return false;
    fs::path trashed;
    return Trash::Put(m_files, TrashDir(), list->folder, list->folder,
                      list->folder.filename().string(), trashed, error);
}

// The data folder stays, as it holds the other lists; what made it a list goes to the trash
// as one folder whose restore path lies in lists/, so a restore brings it back as a list. A
// kill on the way leaves that folder in lists/, where Tidy puts the parts back.
bool ListStore::RemoveFirst(const ListSummary& list, std::string& error) {
    const fs::path listsDir = ListFolder::ListsDir(m_dataHome);
    if (const int code = MakeDirectories(m_files, listsDir)) {
        error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot make %1: %2"),
                                      {listsDir.string(), DescribeError(code)});
        return false;
    }
    const fs::path box = FreshPath(listsDir, ListFolder::kRemovingPrefix);
    if (const int code = m_files.MakeDirectory(box.string())) {
        error = LearnersWords::Filled(
            LearnersWords::Said("ListStore", "cannot make a folder in %1: %2"),
            {listsDir.string(), DescribeError(code)});
        return false;
    }
    // The name first, so that a box left by a kill always says what it holds.
    bool ok = PosixFiles::StampOf(ListFolder::NameFile(m_dataHome)).exists ||
              WriteName(m_files, m_dataHome, list.name, error);
    for (const char* part : kFirstListParts) {
        if (!ok) break;
        const int code =
            m_files.RenameNoReplace((m_dataHome / part).string(), (box / part).string());
        if (code != 0 && code != ENOENT) {
            error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot move %1: %2"),
                                          {(m_dataHome / part).string(), DescribeError(code)});
            ok = false;
        }
    }
    const std::string stem = FolderStem(list.name);
    fs::path restoreTo = listsDir / stem;
    for (int n = 2; PosixFiles::StampOf(restoreTo).exists; ++n)
        restoreTo = listsDir / (stem + "-" + std::to_string(n));
    fs::path trashed;
    if (ok && Trash::Put(m_files, TrashDir(), box, restoreTo, stem, trashed, error)) return true;
    PutFirstBack(box);
    return false;
}

bool ListStore::Prepare(const fs::path& folder, std::string& error, bool backwards) const {
    std::vector<fs::path> dirs = {ListFolder::ListDir(folder), ListFolder::Session(folder)};
    if (backwards) dirs.push_back(ListFolder::Session(folder, ListFolder::Direction::kBackwards));
    for (const fs::path& dir : dirs) {
        if (const int code = MakeDirectories(m_files, dir)) {
            error = LearnersWords::Filled(LearnersWords::Said("ListStore", "cannot create %1: %2"),
                                          {dir.string(), DescribeError(code)});
            return false;
        }
    }
    if (m_defaults.empty()) {
        if (PosixFiles::StampOf(ListFolder::WordList(folder)).exists) return true;
        error = LearnersWords::Said("ListStore", "the default word list was not found");
        return false;
    }
    return CopyMissing(m_defaults, ListFolder::ListDir(folder), error);
}
