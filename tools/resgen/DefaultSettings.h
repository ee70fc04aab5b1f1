#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The display settings a new user starts with: a large word and a definition that reads
// comfortably from a little way off, in the desktop's usual sans-serif face, on the program's
// own default colours.

#include "engine/DisplaySettings.h"

#include <string>

DisplaySettings DefaultDisplaySettings();
// Writes them as the settings file, list/GUISetting.cfg, would hold them.
bool WriteDefaultSettings(const std::string& path);
