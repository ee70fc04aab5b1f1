#pragma once
// The display settings: fonts and colours of the word box and the definition box and the
// background colour of the program's windows, kept in "list/GUISetting.cfg".
//
// File layout, little-endian, no header (kFileSize = 60 + 4 + 4 + 60 + 4 + 4 + 4 = 140):
//   0 m_lfVocabulary, 60 m_crVocabularyText, 64 m_crVocabularyBack, 68 m_lfDefinition,
//   128 m_crDefinitionText, 132 m_crDefinitionBack, 136 m_crProgramBack.

#include "platform/Colorref.h"
#include "platform/LogFont.h"

#include <cstdint>

class CQuibConfigData {
public:
    static constexpr int kFileSize = LogFont::kSize + 4 + 4 + LogFont::kSize + 4 + 4 + 4;
    static constexpr const char* kFileName = "list/GUISetting.cfg";

    CQuibConfigData() = default;
    CQuibConfigData(const CQuibConfigData&) = default;
    CQuibConfigData& operator=(const CQuibConfigData&) = default;
    virtual ~CQuibConfigData() = default;

    // Reads the file into the record: 1 on success; 0, with the record unchanged, when the
    // file cannot be read or is shorter than kFileSize. Bytes past kFileSize are ignored.
    int32_t Load();
    // Replaces the file whole: 1 on success, 0 when it cannot be written (the old file stays).
    int32_t Save() const;

    COLORREF m_crProgramBack = PALETTERGB(0x80, 0x80, 0x80);
    // Zeroed until loaded or set; the main dialog puts its own font here when nothing loads.
    LogFont m_lfVocabulary;
    COLORREF m_crVocabularyText = PALETTERGB(0, 0, 0);
    COLORREF m_crVocabularyBack = PALETTERGB(0xFF, 0xFF, 0xFF);
    LogFont m_lfDefinition;
    COLORREF m_crDefinitionText = PALETTERGB(0, 0, 0);
    COLORREF m_crDefinitionBack = PALETTERGB(0xFF, 0xFF, 0xFF);
    int32_t m_bLoaded = 0;
};
