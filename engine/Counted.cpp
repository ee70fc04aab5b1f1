// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/Counted.h"

std::string Counted(uint64_t count, const std::string& one, const std::string& many) {
    const std::string& noun = count == 1 ? one : many.empty() ? one + "s" : many;
    return std::to_string(count) + ' ' + noun;
}
