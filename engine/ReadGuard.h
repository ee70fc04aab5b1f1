#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Remembers which of the session files could not be read whole, so that saving never makes
// things worse: a file that exists but cannot be read is never overwritten (what it holds
// may be months of progress), and a file read only in part is copied once to NAME.bad
// before it is first replaced.

#include "engine/AtomicFile.h"

#include <string>
#include <vector>

class ReadGuard {
public:
    // Records how reading `path` went: `error` 0 or the errno value (ENOENT, a missing file,
    // is no problem); `damaged` when only part of it could be used; `original` its bytes.
    void Note(const std::string& path, int error, bool damaged, const std::string& original);

    // What the user should be told, one line per file; empty when every file read well.
    std::string Describe() const;
    bool HasUnreadable() const;

    // Before a save: drops the files that must not be overwritten from `images` and adds the
    // copies of the damaged ones that are not yet written.
    void Prepare(std::vector<FileImage>& images) const;
    // After a save of the prepared images: the copies are written.
    void Saved();

private:
    struct Problem {
        std::string path;
        int error = 0;
        std::string original;
        bool isCopied = false;
    };
    const Problem* Find(const std::string& path) const;

    std::vector<Problem> m_problems;
};
