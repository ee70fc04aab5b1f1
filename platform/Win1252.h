#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The word list and the settings file hold Windows-1252 text; Qt draws Unicode. These two
// convert between them for the window, through the code page table of the engine.

#include <QString>

#include <string>
#include <string_view>

QString Win1252ToUnicode(std::string_view bytes);

// The reverse; characters Windows-1252 cannot hold become '?'.
std::string UnicodeToWin1252(const QString& text);
