#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Runs the word-list tool in-process and keeps what it printed, and builds the record
// images the tests compare against, and reads a word file as the importers do.

#include "imports/WordFileReader.h"

#include <string>
#include <vector>

struct ToolResult {
    int code = -1;
    std::string out;
    std::string err;
};

ToolResult RunTool(const std::vector<std::string>& args);

// The 238-byte image of one record as the tool writes it.
std::string RecordImage(const std::string& word, const std::string& definition);
// The word list file `path` as (word, definition) pairs of field bytes, padding removed.
std::vector<std::pair<std::string, std::string>> ReadRecords(const std::string& path);

// What the importers make of the file at `path` with the default options, and what they said.
struct Read {
    WordFile file;
    std::string messages;
};
Read ReadWords(const std::string& path);
