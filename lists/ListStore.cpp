// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListStore.h"

#include "engine/AtomicFile.h"
#include "engine/SessionFiles.h"
#include "engine/Utf8.h"
#include "engine/WordListFile.h"
#include "platform/PosixFiles.h"
#include "platform/PosixText.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <random>

#include "lists/ListFolder.h"
#include "lists/Trash.h"

namespace fs = std::filesystem;

namespace {

// What the first list is called until the user names it.
constexpr const char* kFirstListName = "First list";
constexpr size_t kMaxNameBytes = 120;
constexpr size_t kMaxFolderChars = 40;
// Folders the listing skips: a list being built or taken apart.
constexpr const char* kStagingPrefix = ".new-";
constexpr const char* kRemovingPrefix = ".removing-";

bool IsDirectory(const fs::path& path) { return PosixFiles::StampOf(path).isDirectory; }

std::string ReadName(const fs::path& folder) {
    const std::string text = PosixFiles::ReadHead(ListFolder::NameFile(folder), kMaxNameBytes * 2);
    return ListStore::CleanName(text.substr(0, text.find('\n')));
}

bool WriteName(const fs::path& folder, const std::string& name, std::string& error) {
    FileError failure;
    if (ReplaceFiles(DefaultFileSystem(), {{ListFolder::NameFile(folder).string(), name + "\n"}},
                     failure))
        return true;
    error = "cannot write " + failure.Describe();
    return false;
}

// The count that opens known.txt; a damaged or missing file counts as none known, since
// this is only what the chooser shows.
int ReadKnown(const fs::path& folder, int words) {
    const std::string head = PosixFiles::ReadHead(folder / SessionFiles::kKnown.path, 24);
    size_t i = head.find_first_not_of(" \t\r\n");
    long count = 0;
    for (; i < head.size() && head[i] >= '0' && head[i] <= '9' && count <= words; ++i)
        count = count * 10 + (head[i] - '0');
    return static_cast<int>(std::min<long>(count, words));
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
    if (summary.hasProgress) {
        summary.known = ReadKnown(folder, summary.words);
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

bool CopyMissing(const fs::path& from, const fs::path& to, std::string& error) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(from, ec)) {
        std::error_code fileError;
        if (!entry.is_regular_file(fileError)) continue;
        const fs::path target = to / entry.path().filename();
        if (fs::exists(target, fileError)) continue;
        if (!fs::copy_file(entry.path(), target, fileError)) {
            error = "cannot copy " + entry.path().string() + " to " + target.string() + ": " +
                    fileError.message();
            return false;
        }
    }
    if (ec) error = "cannot read the defaults in " + from.string() + ": " + ec.message();
    return !ec;
}

// A name in `dir` for a folder that is not there yet, starting with `prefix`.
fs::path FreshPath(const fs::path& dir, const std::string& prefix) {
    static std::atomic<int> counter{0};
    static const unsigned process = std::random_device()();
    return dir / (prefix + std::to_string(process) + "-" + std::to_string(++counter) + "-" +
                  std::to_string(std::rand()));
}

bool MoveNoReplace(const fs::path& from, const fs::path& to, int& error) {
    return PosixFiles::MoveNoReplace(from, to, error) == PosixFiles::MoveResult::kMoved;
}

// Makes `dir`, which must not exist yet: false with `taken` when it does, or with `error`.
bool MakeNewDirectory(const fs::path& dir, bool& taken, std::string& error) {
    std::error_code ec;
    taken = false;
    if (fs::create_directory(dir, ec)) return true;
    if (!ec)
        taken = true;
    else
        error = "cannot make the folder " + dir.string() + ": " + ec.message();
    return false;
}

// A name as compared ignoring case.
std::u32string Folded(const std::string& name) {
    std::u32string folded;
    for (size_t pos = 0; pos < name.size();)
        folded.push_back(PosixText::Lower(Utf8::Next(name, pos)));
    return folded;
}

}  // namespace

ListStore::ListStore(fs::path dataHome, fs::path defaults)
    : m_dataHome(std::move(dataHome)), m_defaults(std::move(defaults)) {}

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
        if (!dir.empty() && fs::exists(dir / "kelvo.lst", ec)) return fs::canonical(dir, ec);
    }
    return fs::path();
}

std::vector<ListSummary> ListStore::OtherLists() const {
    std::vector<ListSummary> lists;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(ListsDir(), ec)) {
        const std::string folderName = entry.path().filename().string();
        if (folderName.empty() || folderName[0] == '.' || !IsDirectory(entry.path())) continue;
        // A folder of something else than a list is no list.
        if (!IsDirectory(entry.path() / "list") && !fs::exists(ListFolder::NameFile(entry.path())))
            continue;
        std::string name = ReadName(entry.path());
        lists.push_back(
            Summarize(entry.path(), name.empty() ? CleanName(folderName) : name, false));
    }
    std::sort(lists.begin(), lists.end(), [](const ListSummary& a, const ListSummary& b) {
        const int order = Folded(a.name).compare(Folded(b.name));
        return order != 0 ? order < 0 : a.folder < b.folder;
    });
    return lists;
}

std::vector<ListSummary> ListStore::Lists() const {
    std::vector<ListSummary> others = OtherLists();
    std::vector<ListSummary> lists;
    if (others.empty() || IsDirectory(m_dataHome / "list")) {
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
    if (name.empty()) return "a list needs a name";
    if (name.size() > kMaxNameBytes)
        return "the name is too long (at most " + std::to_string(kMaxNameBytes) + " bytes)";
    if (CleanName(name) != name) return "the name holds control characters or outer spaces";
    // Invalid sequences come back as U+FFFD.
    std::u32string decoded;
    size_t badOffset = 0;
    if (!Utf8::Decode(name, decoded, badOffset)) return "the name is not valid UTF-8";
    return std::string();
}

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

std::optional<fs::path> ListStore::Stage(std::string& error) {
    std::error_code ec;
    fs::create_directories(ListsDir(), ec);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path staged = FreshPath(ListsDir(), kStagingPrefix);
        bool taken = false;
        if (!MakeNewDirectory(staged, taken, error)) {
            if (taken) continue;
            return std::nullopt;
        }
        if (MakeNewDirectory(staged / "list", taken, error) &&
            MakeNewDirectory(ListFolder::Session(staged), taken, error))
            return staged;
        if (taken) error = "cannot make a folder in " + staged.string();
        Discard(staged);
        return std::nullopt;
    }
    error = "cannot find a free temporary name in " + ListsDir().string();
    return std::nullopt;
}

bool ListStore::Commit(const fs::path& staged, const std::string& name, fs::path& folder,
                       std::string& error) {
    const std::string problem = NameProblem(name);
    if (!problem.empty()) {
        error = problem;
        return false;
    }
    if (IsTaken(name, fs::path())) {
        error = "a list named \"" + name + "\" exists already";
        return false;
    }
    if (!WriteName(staged, name, error)) return false;
    if (!m_defaults.empty() && !CopyMissing(m_defaults, staged / "list", error)) return false;
    const std::string stem = FolderStem(name);
    for (int n = 1; n < 10000; ++n) {
        const fs::path target = ListsDir() / (n == 1 ? stem : stem + "-" + std::to_string(n));
        int code = 0;
        if (MoveNoReplace(staged, target, code)) {
            folder = target;
            return true;
        }
        if (code != EEXIST && code != ENOTEMPTY) {
            error = "cannot move " + staged.string() + " to " + target.string() + ": " +
                    DescribeError(code);
            return false;
        }
    }
    error = "no free folder name for \"" + name + "\" in " + ListsDir().string();
    return false;
}

void ListStore::Discard(const fs::path& staged) {
    // Only ever a folder this store staged, never a list.
    const std::string leaf = staged.filename().string();
    if (staged.parent_path() != ListsDir() || leaf.rfind(kStagingPrefix, 0) != 0) return;
    std::error_code ec;
    fs::remove_all(staged, ec);
}

std::optional<fs::path> ListStore::Create(const std::string& name, std::string& error) {
    const std::string problem = NameProblem(name);
    if (!problem.empty() || IsTaken(name, fs::path())) {
        error = problem.empty() ? "a list named \"" + name + "\" exists already" : problem;
        return std::nullopt;
    }
    const std::optional<fs::path> staged = Stage(error);
    if (!staged) return std::nullopt;
    fs::path folder;
    if (Commit(*staged, name, folder, error)) return folder;
    Discard(*staged);
    return std::nullopt;
}

bool ListStore::Rename(const std::string& name, const std::string& newName, std::string& error) {
    const std::optional<ListSummary> list = Find(name);
    if (!list) {
        error = "no list named \"" + name + "\"";
        return false;
    }
    const std::string problem = NameProblem(newName);
    if (!problem.empty()) {
        error = problem;
        return false;
    }
    if (IsTaken(newName, list->folder)) {
        error = "a list named \"" + newName + "\" exists already";
        return false;
    }
    FolderLock lock;
    if (!ListFolder::LockForChange(list->folder, lock, error)) return false;
    return WriteName(list->folder, newName, error);
}

bool ListStore::Remove(const std::string& name, std::string& error) {
    const std::optional<ListSummary> list = Find(name);
    if (!list) {
        error = "no list named \"" + name + "\"";
        return false;
    }
    FolderLock lock;
    if (!ListFolder::LockForChange(list->folder, lock, error)) return false;
    if (list->isFirst) return RemoveFirst(*list, error);
    // Restored, the folder comes back where it was, with its name file.
    if (!fs::exists(ListFolder::NameFile(list->folder)) &&
        !WriteName(list->folder, list->name, error))
        return false;
    fs::path trashed;
    return Trash::Put(TrashDir(), list->folder, list->folder, list->folder.filename().string(),
                      trashed, error);
}

// The data folder stays, as it holds the other lists; what made it a list goes to the trash
// as one folder whose restore path lies in lists/, so a restore brings it back as a list.
bool ListStore::RemoveFirst(const ListSummary& list, std::string& error) {
    std::error_code ec;
    fs::create_directories(ListsDir(), ec);
    const fs::path box = FreshPath(ListsDir(), kRemovingPrefix);
    bool taken = false;
    if (!MakeNewDirectory(box, taken, error)) {
        if (taken) error = "cannot make a folder in " + ListsDir().string();
        return false;
    }
    std::vector<std::string> moved;
    const auto putBack = [&] {
        for (const std::string& part : moved) {
            int code = 0;
            MoveNoReplace(box / part, m_dataHome / part, code);
        }
        fs::remove(ListFolder::NameFile(box), ec);
        fs::remove(box, ec);
    };
    for (const std::string part : {"list", "session", "name.txt"}) {
        int code = 0;
        if (!fs::exists(m_dataHome / part, ec)) continue;
        if (!MoveNoReplace(m_dataHome / part, box / part, code)) {
            error = "cannot move " + (m_dataHome / part).string() + ": " + DescribeError(code);
            putBack();
            return false;
        }
        moved.push_back(part);
    }
    if (!fs::exists(ListFolder::NameFile(box), ec) && !WriteName(box, list.name, error)) {
        putBack();
        return false;
    }
    const std::string stem = FolderStem(list.name);
    fs::path restoreTo = ListsDir() / stem;
    for (int n = 2; fs::exists(restoreTo, ec); ++n)
        restoreTo = ListsDir() / (stem + "-" + std::to_string(n));
    fs::path trashed;
    if (Trash::Put(TrashDir(), box, restoreTo, stem, trashed, error)) return true;
    putBack();
    return false;
}

bool ListStore::Prepare(const fs::path& folder, std::string& error) const {
    std::error_code ec;
    for (const fs::path& dir : {folder / "list", ListFolder::Session(folder)}) {
        if (!fs::create_directories(dir, ec) && ec) {
            error = "cannot create " + dir.string() + ": " + ec.message();
            return false;
        }
    }
    if (m_defaults.empty()) {
        if (fs::exists(ListFolder::WordList(folder), ec)) return true;
        error = "the default word list was not found";
        return false;
    }
    return CopyMissing(m_defaults, folder / "list", error);
}
