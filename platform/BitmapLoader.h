#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Loads pictures for picture buttons, stretched to the size asked for, from a Windows bitmap
// file or from a bitmap built into the program. A null pixmap means nothing was loaded.

#include <QPixmap>

#include <string>

// Only a Windows bitmap counts: a file of any other format is treated as missing. A width
// or height of 0 or less keeps the picture's own.
QPixmap LoadBitmapFile(const std::string& path, int width, int height);
// `name` is a built-in resource name such as "BMP_YES".
QPixmap LoadBitmapResource(const std::string& name, int width, int height);
