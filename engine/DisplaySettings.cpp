// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/DisplaySettings.h"

#include "engine/LittleEndian.h"

namespace {

constexpr int kVocabularyFont = 0;
constexpr int kVocabularyText = kVocabularyFont + LogFont::kSize;
constexpr int kVocabularyBack = kVocabularyText + 4;
constexpr int kDefinitionFont = kVocabularyBack + 4;
constexpr int kDefinitionText = kDefinitionFont + LogFont::kSize;
constexpr int kDefinitionBack = kDefinitionText + 4;
constexpr int kProgramBack = kDefinitionBack + 4;
static_assert(kProgramBack + 4 == DisplaySettings::kFileSize);

}  // namespace

std::string DisplaySettings::Encode() const {
    uint8_t bytes[kFileSize];
    m_lfVocabulary.Write(bytes + kVocabularyFont);
    PutLE32(bytes + kVocabularyText, m_crVocabularyText);
    PutLE32(bytes + kVocabularyBack, m_crVocabularyBack);
    m_lfDefinition.Write(bytes + kDefinitionFont);
    PutLE32(bytes + kDefinitionText, m_crDefinitionText);
    PutLE32(bytes + kDefinitionBack, m_crDefinitionBack);
    PutLE32(bytes + kProgramBack, m_crProgramBack);
    return std::string(reinterpret_cast<const char*>(bytes), kFileSize);
}

void DisplaySettings::Decode(std::string_view bytes) {
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    m_lfVocabulary.Read(p + kVocabularyFont);
    m_crVocabularyText = GetLE32(p + kVocabularyText);
    m_crVocabularyBack = GetLE32(p + kVocabularyBack);
    m_lfDefinition.Read(p + kDefinitionFont);
    m_crDefinitionText = GetLE32(p + kDefinitionText);
    m_crDefinitionBack = GetLE32(p + kDefinitionBack);
    m_crProgramBack = GetLE32(p + kProgramBack);
}
