#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Finds what would make the program show a record wrongly or read the file out of step:
// bytes that end the input or merge lines when the file is read as text on Windows, and
// words or definitions that would show as blank.

#include <string>
#include <string_view>
#include <vector>

class RecordChecker {
public:
    // The problems of one 238-byte record, each a short phrase; empty when it is sound.
    static std::vector<std::string> Problems(std::string_view record);
};
