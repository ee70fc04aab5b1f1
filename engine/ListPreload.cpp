// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ListPreload.h"

#include "engine/SessionFiles.h"
#include "engine/WordList.h"

namespace {

ListPreload* g_installed = nullptr;

}  // namespace

ListPreload::ListPreload(FileSystem& files) {
    for (const SessionList& list : SessionFiles::kLists)
        m_files.push_back(File{list.path, 0, {}, {}});
    g_installed = this;
    m_thread = std::thread([this, &files] {
        for (File& file : m_files) {
            file.error = files.ReadFile(file.path, file.text);
            if (file.error == 0)
                file.parsed.count =
                    CWordList::Parse(file.text, file.parsed.entries, file.parsed.damaged);
        }
    });
}

ListPreload::~ListPreload() {
    if (m_thread.joinable()) m_thread.join();
    if (g_installed == this) g_installed = nullptr;
}

void ListPreload::Wait() {
    if (g_installed && g_installed->m_thread.joinable()) g_installed->m_thread.join();
}

bool ListPreload::Take(const std::string& path, std::string_view text, Parsed& parsed) {
    if (!g_installed) return false;
    Wait();
    for (File& file : g_installed->m_files) {
        if (file.path != path || file.error != 0) continue;
        const bool same = file.text == text;
        if (same) parsed = std::move(file.parsed);
        // Handed over or stale either way: a later read parses the file itself.
        file.error = -1;
        file.text.clear();
        file.parsed = Parsed();
        return same;
    }
    return false;
}
