#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The learner's break clock on this computer, kept in the data folder beside the lists, so
// that neither a restart nor studying another list or direction skips a break: the study time
// and judgements toward the next break, and a break under way with its start on the wall
// clock, whose time runs on while the program is closed. A file of the program's own, read as
// hostile: a line that does not read is passed over.
//
//   quibbix-break 1
//   study-ms<TAB>N            milliseconds of study since the last break
//   words<TAB>N               judgements since the last break
//   break-started<TAB>S       a break under way: its start, in wall-clock seconds
//   break-left-ms<TAB>N       what was left of it at the last save

#include "engine/FileSystem.h"

#include <cstdint>
#include <string>
#include <string_view>

struct BreakRecord {
    static constexpr const char* kFileName = "break.txt";
    static constexpr int32_t kBreakMs = 120000;

    int32_t msSinceBreak = 0;
    int32_t wordsSinceBreak = 0;
    int64_t breakStartedS = -1;  // -1: no break under way
    int32_t breakLeftMs = 0;

    static BreakRecord Parse(std::string_view text);
    std::string Serialize() const;
    // An absent or unreadable file is a record with nothing counted.
    static BreakRecord Load(FileSystem& files, const std::string& path);
    bool Save(FileSystem& files, const std::string& path) const;

    // What is left at wall-clock second `nowS` of the break under way: its two minutes from
    // its start, never more than was left when it was saved (a clock set back never
    // lengthens it); 0 when none is under way or its time ran out.
    int32_t LeftAt(int64_t nowS) const;
};
