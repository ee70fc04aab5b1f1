#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the decorative frame strips as enhanced metafiles: a dark band edged in gold with
// a row of gold diamonds, long across for the horizontal strips or long down for the others.

#include <string>

enum class StripDirection { Across, Down };

bool WriteFrameMetaFile(StripDirection direction, const std::string& path);
