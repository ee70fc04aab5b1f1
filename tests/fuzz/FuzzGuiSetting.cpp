// SPDX-License-Identifier: GPL-2.0-or-later
// The display settings record of any bytes: a record of at least 140 bytes decodes, and
// encoding it gives back its first 140 bytes exactly; its face names read as text.

#include "engine/Cp1252.h"
#include "engine/DisplaySettings.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < static_cast<size_t>(DisplaySettings::kFileSize)) return 0;
    const std::string input(reinterpret_cast<const char*>(data), size);
    DisplaySettings settings;
    settings.Decode(input);
    if (settings.Encode() != input.substr(0, DisplaySettings::kFileSize)) std::abort();
    for (const LogFont* font : {&settings.m_lfVocabulary, &settings.m_lfDefinition}) {
        if (font->FaceNameBytes().size() > LogFont::kFaceSize) std::abort();
        (void)Cp1252::ToUtf8(font->FaceNameBytes());
    }
    return 0;
}
