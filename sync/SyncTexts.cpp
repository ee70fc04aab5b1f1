// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/SyncTexts.h"

#include "engine/LearnersWords.h"

namespace SyncTexts {

std::string Said(const char* piece) { return LearnersWords::Said("Sync", piece); }

}  // namespace SyncTexts
