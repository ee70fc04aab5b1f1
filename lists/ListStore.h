#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A learner's word lists, side by side. Each list is a folder holding list/ (the word list,
// its pictures, sound and display settings) and session/ (its progress): the program's
// working directory while it studies that list. The first list is the data folder itself,
// where the only list always lived, so that nobody's progress moves; further lists are the
// folders in its lists/ subfolder. A list's name is kept in name.txt in its folder, so that
// renaming never moves a folder and any name can be used; the folder's own name is only a
// readable, unique spelling of the name the list was created with.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "posix/FolderLock.h"

struct ListSummary {
    std::string name;                   // unique among the lists, as the user sees it
    std::filesystem::path folder;       // the working directory for studying it
    bool isFirst = false;               // the data folder itself, which is never moved
    int words = 0;                      // entries in list/kelvo.lst
    int known = 0;                      // words in session/known.txt and under review (review.txt)
    int knownBackwards = 0;             // the same in session-reverse/
    bool hasProgress = false;           // a session exists
    bool hasProgressBackwards = false;  // a session exists in session-reverse/
    int64_t lastStudied = 0;            // seconds since the epoch; 0 when never studied
};

class ListStore {
public:
    // `dataHome` is $XDG_DATA_HOME/quibbix; `defaults` the folder of the default word list,
    // pictures, sound and settings that new lists get (see FindDefaults), empty for none.
    // Every change goes through `files`, which must outlive the store.
    explicit ListStore(std::filesystem::path dataHome, std::filesystem::path defaults = {},
                       FileSystem& files = DefaultFileSystem());

    // $XDG_DATA_HOME/quibbix, else ~/.local/share/quibbix.
    static std::filesystem::path DefaultDataHome();
    // The default files: $QUIBBIX_LIST_DIR, else list/ beside the build's bin/, else where
    // they are installed (share/quibbix/list beside bin/); empty when none holds kelvo.lst.
    static std::filesystem::path FindDefaults(const std::filesystem::path& binDir);

    // The first list first, then the others by name. Reads the session files and never
    // writes them, so that it is safe while a list is being studied. The first list is left
    // out only when it was removed while others remain; with no list at all it is there,
    // still to be prepared (no words yet). What a killed add or removal left in lists/ is
    // settled first (see Tidy).
    std::vector<ListSummary> Lists() const;
    // Names match ignoring case, as they are unique that way.
    std::optional<ListSummary> Find(const std::string& name) const;

    // A name not yet taken: `wanted` itself, else "wanted (2)", "wanted (3)" and so on.
    std::string FreeName(const std::string& wanted) const;

    // A new list folder named `name` holding `contents` (paths relative to the folder, such as
    // list/kelvo.lst) and the defaults missing from them, with an empty session/; nullopt
    // with `error` set when the name is taken, unusable or the folder cannot be made, and
    // then nothing is left behind. The list appears whole or not at all.
    // `fill`, when given, adds to the new folder before it takes its name; its false, with
    // `error` set, leaves nothing behind.
    using Filler = std::function<bool(const std::filesystem::path& folder, std::string& error)>;
    std::optional<std::filesystem::path> Create(const std::string& name,
                                                const std::vector<FileImage>& contents,
                                                std::string& error, const Filler& fill = {});
    std::optional<std::filesystem::path> Create(const std::string& name, std::string& error) {
        return Create(name, {}, error);
    }

    // False with `error` set when `name` is unknown, `newName` taken or unusable, the list is
    // being studied, or the change failed; nothing changes then.
    bool Rename(const std::string& name, const std::string& newName, std::string& error);

    // Moves the list's folder to the desktop's trash, from where the user can restore it;
    // never deletes anything. Refused while the list is being studied. The first list cannot
    // move, as its folder holds the others: its list/, session/ and name go to the trash as
    // one folder, which restored from there lands in lists/ as a list of its own.
    bool Remove(const std::string& name, std::string& error);

    // Readies `folder` for studying: makes list/ and session/ (and session-reverse/, for
    // studying it `backwards`) and copies in the defaults
    // missing from list/, never overwriting a file the list holds.
    bool Prepare(const std::filesystem::path& folder, std::string& error,
                 bool backwards = false) const;

    // Settles what a killed add or removal left in lists/: a list being built is removed, the
    // first list's parts on their way to the trash go back (or, where they cannot, on to the
    // trash), so that nothing stays hidden. Skipped while another program changes the lists.
    void Tidy() const;

    // Empty when `name` can name a list, else why not. Names are trimmed by CleanName first.
    static std::string NameProblem(const std::string& name);
    // `text` made usable as a name: control characters become spaces, spaces at the ends go,
    // and an over-long text is cut at a character boundary. May return "" (unusable).
    static std::string CleanName(const std::string& text);
    static bool SameName(const std::string& a, const std::string& b);
    // The name kept in `folder`'s name file, cleaned as above; "" when it has none.
    static std::string NameIn(const std::filesystem::path& folder);

    const std::filesystem::path& DataHome() const { return m_dataHome; }
    // Writes `bytes` as list/`name` of every list, and keeps it in the data home's own
    // defaults, which a list made from now on starts with instead of the program's; false,
    // with `error`, at the first file that cannot be written.
    bool UseForEveryList(const std::string& name, const std::string& bytes,
                         std::string& error) const;
    // The data home's own defaults, beside its lists.
    static constexpr const char* kOwnDefaultsDir = "defaults";
    const std::filesystem::path& Defaults() const { return m_defaults; }
    FileSystem& Files() const { return m_files; }
    // The home trash of the freedesktop.org trash standard: $XDG_DATA_HOME/Trash.
    std::filesystem::path TrashDir() const { return m_dataHome.parent_path() / "Trash"; }

private:
    // The lock that keeps two programs from adding, renaming or removing lists at once; a
    // holder's change is short, so this waits for it a little. Null with `error` set when it
    // cannot be had.
    std::unique_ptr<FolderLock> LockLists(std::string& error) const;
    // Tidy's work. requires: the lists' lock.
    void TidyLocked() const;
    std::vector<ListSummary> OtherLists(bool& hasLeftovers) const;
    bool IsTaken(const std::string& name, const std::filesystem::path& except) const;
    // Find, with `error` set when there is no such list.
    std::optional<ListSummary> Known(const std::string& name, std::string& error) const;
    std::optional<std::filesystem::path> Stage(const std::vector<FileImage>& contents,
                                               const std::string& name, std::string& error);
    bool MoveIntoPlace(const std::filesystem::path& staged, const std::string& name,
                       std::filesystem::path& folder, std::string& error);
    bool RemoveFirst(const ListSummary& list, std::string& error);
    void PutFirstBack(const std::filesystem::path& box) const;
    // Copies the data home's own defaults into `folder`'s list/, when it has any.
    bool CopyOwnDefaults(const std::filesystem::path& folder, std::string& error) const;
    bool CopyMissing(const std::filesystem::path& from, const std::filesystem::path& to,
                     std::string& error) const;
    void RemoveTree(const std::filesystem::path& dir) const;

    std::filesystem::path m_dataHome;
    std::filesystem::path m_defaults;
    FileSystem& m_files;
};
