#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// One entry as an importer read it: UTF-8 texts not yet checked against the record limits,
// and the input line it came from, for messages.

#include <string>

struct ImportedEntry {
    int line = 0;
    std::string word;
    std::string definition;
};
