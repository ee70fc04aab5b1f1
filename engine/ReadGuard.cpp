// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/ReadGuard.h"

#include <algorithm>
#include <cerrno>

void ReadGuard::Note(const std::string& path, int error, bool damaged,
                     const std::string& original) {
    if (error == ENOENT || (error == 0 && !damaged)) return;
    m_problems.push_back({path, error, error == 0 ? original : std::string(), false});
}

std::string ReadGuard::Describe() const {
    std::string text;
    for (const Problem& p : m_problems) {
        if (p.error != 0) {
            text += p.path + " cannot be read (" + DescribeError(p.error) +
                    "). Studying goes on; the file is not overwritten until it can be read.\n";
        } else {
            text += p.path +
                    " is damaged; what could be read is used, and the file as it was "
                    "is kept as " +
                    p.path + ".bad.\n";
        }
    }
    return text;
}

bool ReadGuard::HasUnreadable() const {
    return std::any_of(m_problems.begin(), m_problems.end(),
                       [](const Problem& p) { return p.error != 0; });
}

const ReadGuard::Problem* ReadGuard::Find(const std::string& path) const {
    for (const Problem& p : m_problems)
        if (p.path == path) return &p;
    return nullptr;
}

void ReadGuard::Prepare(std::vector<FileImage>& images) const {
    std::vector<FileImage> copies;
    images.erase(std::remove_if(images.begin(), images.end(),
                                [this, &copies](const FileImage& image) {
                                    const Problem* p = Find(image.path);
                                    if (!p) return false;
                                    if (p->error != 0) return true;
                                    if (!p->isCopied)
                                        copies.push_back({image.path + ".bad", p->original});
                                    return false;
                                }),
                 images.end());
    // The copies first, so that no damaged file is replaced before its copy is in place.
    images.insert(images.begin(), copies.begin(), copies.end());
}

void ReadGuard::Saved() {
    for (Problem& p : m_problems) p.isCopied = true;
}
