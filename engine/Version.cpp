// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Version.h"

// The build defines it for this file alone, so that a new version recompiles only this file.
#ifndef QUIBBIX_VERSION
#error "QUIBBIX_VERSION comes from the project version in CMakeLists.txt"
#endif

std::string VersionLine(const std::string& program) {
    return program + ' ' + QUIBBIX_VERSION + '\n';
}
