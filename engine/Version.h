#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The release every program names for --version: the build's project version, kept in one
// place so that no program states another.

#include <string>

// "PROGRAM 1.0.0\n", the whole answer to --version.
std::string VersionLine(const std::string& program);
