#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A learner's word lists, side by side. Each list is a folder holding list/ (the word list,
// its pictures, sound and display settings) and session/ (its progress): the program's
// working directory while it studies that list. The first list is the data folder itself,
// where the only list always lived, so that nobody's progress moves; further lists are the
// folders in its lists/ subfolder.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct ListSummary {
    std::string name;              // unique among the lists, as the user sees it
    std::filesystem::path folder;  // the working directory for studying it
    bool isFirst = false;          // the data folder itself, which is never moved
    int words = 0;                 // entries in list/kelvo.lst
    int known = 0;                 // words in session/known.txt
    bool hasProgress = false;      // a session exists
    int64_t lastStudied = 0;       // seconds since the epoch; 0 when never studied
};

class ListStore {
public:
    // `dataHome` is $XDG_DATA_HOME/quibbix.
    explicit ListStore(std::filesystem::path dataHome);

    // The first list first, then the others by name. Reads the session files and never
    // writes them, so that it is safe while a list is being studied.
    std::vector<ListSummary> Lists() const;
    std::optional<ListSummary> Find(const std::string& name) const;

    // A name not yet taken: `wanted` itself, else "wanted (2)", "wanted (3)" and so on.
    std::string FreeName(const std::string& wanted) const;

    // A new, empty list folder (list/ and session/) named `name`; nullopt with `error` set
    // when the name is taken, unusable or the folder cannot be made.
    std::optional<std::filesystem::path> Create(const std::string& name, std::string& error);

    // False with `error` set when `name` is unknown, `newName` taken or unusable, or the
    // change failed; nothing changes then.
    bool Rename(const std::string& name, const std::string& newName, std::string& error);

    // Moves the list's folder to the desktop's trash, from where the user can restore it;
    // never deletes anything.
    bool Remove(const std::string& name, std::string& error);

    const std::filesystem::path& DataHome() const { return m_dataHome; }

private:
    std::filesystem::path m_dataHome;
};
