#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the session's list files on a thread of its own while the window is built, so that
// a long list is already parsed when the study opens: parsing every word's entry into
// the queues is most of what a list of thousands of words adds to the start. A queue takes
// the parsed entries only when the file it reads holds exactly the bytes the thread parsed;
// a file changed in between (a list replaced, a session moved onto it) is parsed as always.
// At most one preload is installed at a time, by the program's entry.

#include "engine/EntryQueue.h"
#include "engine/FileSystem.h"

#include <string>
#include <string_view>
#include <thread>
#include <vector>

class ListPreload {
public:
    // What a list file's text gives: its entries, the count it states, whether it is damaged.
    struct Parsed {
        EntryQueue entries;
        int32_t count = 0;
        bool damaged = false;
    };

    // Starts reading the session's six list files through `files`, which must be safe to use
    // from another thread and outlive the preload, and installs the preload.
    explicit ListPreload(FileSystem& files);
    // Waits for the thread and uninstalls the preload.
    ~ListPreload();
    ListPreload(const ListPreload&) = delete;
    ListPreload& operator=(const ListPreload&) = delete;

    // What the installed preload parsed from `path` when its text was `text`, handed over once;
    // false (nothing moved) without a preload or a match. Waits for the thread.
    static bool Take(const std::string& path, std::string_view text, Parsed& parsed);
    // Waits for the installed preload's thread, if any: for an exit that skips the preload's
    // destructor, before the file system the thread reads through is destroyed.
    static void Wait();

private:
    struct File {
        std::string path;
        int error = 0;
        std::string text;
        Parsed parsed;
    };

    std::vector<File> m_files;
    std::thread m_thread;
};
