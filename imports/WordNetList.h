#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Builds the default word list from WordNet's data files: about 5,000 single words worth
// learning for an advanced English learner, each with the gloss of its first sense. The
// selection depends on the data files alone, so every build makes the same list.

#include "engine/WordRecord.h"

#include <string>
#include <vector>

class WordNetList {
public:
    static constexpr size_t kTargetSize = 5000;

    // Reads index.*, data.* and cntlist.rev under `wordnetDir`. Returns false with `error`
    // set when a file is missing or unreadable.
    bool Build(const std::string& wordnetDir, std::vector<WordRecord>& records, std::string& error);
    // The files Build reads: index and data file of each part of speech in turn, then the counts.
    static std::vector<std::string> InputFiles(const std::string& wordnetDir);
    // WordNet's licence as its data files carry it; valid after a successful Build.
    const std::string& Licence() const { return m_licence; }

private:
    std::string m_licence;
};
