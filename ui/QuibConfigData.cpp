#include "ui/QuibConfigData.h"

#include "engine/AtomicFile.h"

#include <string>

namespace {

uint32_t ReadUInt32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void WriteUInt32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

}  // namespace

int32_t CQuibConfigData::Load() {
    std::string bytes;
    // A short file would leave fields half read; it counts as no file at all.
    if (!ReadWholeFile(kFileName, bytes) || bytes.size() < kFileSize) return 0;
    const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
    m_lfVocabulary.Read(p + 0);
    m_crVocabularyText = ReadUInt32(p + 60);
    m_crVocabularyBack = ReadUInt32(p + 64);
    m_lfDefinition.Read(p + 68);
    m_crDefinitionText = ReadUInt32(p + 128);
    m_crDefinitionBack = ReadUInt32(p + 132);
    m_crProgramBack = ReadUInt32(p + 136);
    m_bLoaded = 1;
    return 1;
}

int32_t CQuibConfigData::Save() const {
    uint8_t bytes[kFileSize];
    m_lfVocabulary.Write(bytes + 0);
    WriteUInt32(bytes + 60, m_crVocabularyText);
    WriteUInt32(bytes + 64, m_crVocabularyBack);
    m_lfDefinition.Write(bytes + 68);
    WriteUInt32(bytes + 128, m_crDefinitionText);
    WriteUInt32(bytes + 132, m_crDefinitionBack);
    WriteUInt32(bytes + 136, m_crProgramBack);
    const std::string_view view(reinterpret_cast<const char*>(bytes), kFileSize);
    return WriteFileAtomically(kFileName, view) ? 1 : 0;
}
