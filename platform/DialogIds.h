#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The results a dialog or a message box ends with, with the values Windows gives them.

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
