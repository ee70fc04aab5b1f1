// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/GetWordRecord.h"

#include "engine/EngineEnv.h"
#include "engine/EngineTexts.h"
#include "engine/LearnersWords.h"

#include <climits>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

constexpr int kRecordSize = WordListFile::kRecordSize;

}  // namespace

CGetWordRecord::CGetWordRecord(EngineEnv& env) : m_env(env) {
    std::memset(m_record, ' ', sizeof m_record);
    for (int at : WordListFile::kTerminatorOffsets) m_record[at] = '\0';
}

CGetWordRecord::~CGetWordRecord() { Close(); }

void CGetWordRecord::Close() {
    if (m_file) std::fclose(m_file);
    m_file = nullptr;
}

bool CGetWordRecord::Open(const char* name) {
    Close();
    if (!name) name = "";
    char path[32];
    std::snprintf(path, sizeof path, "list/%s.lst", name);
    // Only a regular file is a word list: a directory would read as millions of blank words
    // and a pipe would hang the start.
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) m_file = std::fopen(path, "rb");
    if (!m_file) {
        m_env.ShowMessage(LearnersWords::Said("Engine", EngineTexts::kOpening) + name,
                          LearnersWords::Said("Engine", EngineTexts::kErrorCaption),
                          EngineEnv::Icon::Error);
        return false;
    }
    // Unbuffered: each record read is exactly one read of 238 bytes.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    long size = 0;
    if (std::fseek(m_file, 0, SEEK_END) == 0) size = std::ftell(m_file);
    if (size < 0) size = 0;
    m_fileSize = size > INT32_MAX ? INT32_MAX : static_cast<int32_t>(size);
    m_recordCount = m_fileSize / kRecordSize;
    return true;
}

int32_t CGetWordRecord::GetRecord(int32_t index) {
    if (!m_file) {
        m_env.ShowMessage(LearnersWords::Said("Engine", EngineTexts::kNoRecordFile),
                          LearnersWords::Said("Engine", EngineTexts::kErrorCaption),
                          EngineEnv::Icon::Error);
        return index;
    }
    int64_t at = index;
    if (at < 0) at += m_recordCount;
    int64_t offset = at * kRecordSize;
    // The bound compares the byte offset with the file size, so a trailing partial record
    // can still be read.
    if (offset >= m_fileSize || at < 0) {
        at = 0;
        offset = 0;
    }
    if (std::fseek(m_file, static_cast<long>(offset), SEEK_SET) == 0) {
        // A short read keeps the tail of the previous record, as the format always has.
        (void)std::fread(m_record, 1, sizeof m_record, m_file);
    }
    for (int pos : WordListFile::kTerminatorOffsets) m_record[pos] = '\0';
    ++at;
    if (at >= m_recordCount) at = 0;
    return static_cast<int32_t>(at);
}
