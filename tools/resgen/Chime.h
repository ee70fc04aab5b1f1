#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the end-of-break sound: a soft rising three-note bell chime, about two seconds.

#include <string>

bool WriteChime(const std::string& path);
