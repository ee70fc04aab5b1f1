#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Writes pictures in the 16-colour formats of Windows: a 4-bit bitmap file and a 4-bit icon.
// Each pixel takes the nearest colour of the standard 16-colour palette.

#include <QImage>

#include <string>

bool WriteBitmap16(const QImage& image, const std::string& path);
// Pixels with alpha below half are transparent.
bool WriteIcon16(const QImage& image, const std::string& path);
