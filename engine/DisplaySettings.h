#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The stored part of the display settings: fonts and colours of the word box and the
// definition box and the background colour of the program's windows, and their 140-byte
// file, list/GUISetting.cfg.
//
// File layout, little-endian, no header (kFileSize = 60 + 4 + 4 + 60 + 4 + 4 + 4 = 140):
//   0 m_lfVocabulary, 60 m_crVocabularyText, 64 m_crVocabularyBack, 68 m_lfDefinition,
//   128 m_crDefinitionText, 132 m_crDefinitionBack, 136 m_crProgramBack.
// Colours are COLORREFs: red in the low byte, then green, then blue, then a flag (0x02 for
// the palette-relative defaults).

#include "engine/LogFont.h"

#include <cstdint>
#include <string>
#include <string_view>

struct DisplaySettings {
    static constexpr int kFileSize = LogFont::kSize + 4 + 4 + LogFont::kSize + 4 + 4 + 4;
    static constexpr const char* kFileName = "list/GUISetting.cfg";

    // The file image of the seven stored fields.
    std::string Encode() const;
    // requires: `bytes` holds at least kFileSize bytes; the rest are ignored.
    void Decode(std::string_view bytes);

    uint32_t m_crProgramBack = 0x02808080;  // grey
    // Zeroed until loaded or set.
    LogFont m_lfVocabulary;
    uint32_t m_crVocabularyText = 0x02000000;  // black
    uint32_t m_crVocabularyBack = 0x02FFFFFF;  // white
    LogFont m_lfDefinition;
    uint32_t m_crDefinitionText = 0x02000000;
    uint32_t m_crDefinitionBack = 0x02FFFFFF;
};
