#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the word list file (its layout is in WordListFile.h) one record at a time. The file
// stays open for the whole run; each read is one seek and one read of a record at an offset
// computed from its index, so only the last record read is held in memory.

#include "engine/WordListFile.h"

#include <cstdint>
#include <cstdio>
#include <string_view>

class EngineEnv;

class CGetWordRecord {
public:
    // `env` shows the two error messages and must outlive the reader.
    explicit CGetWordRecord(EngineEnv& env);
    virtual ~CGetWordRecord();
    CGetWordRecord(const CGetWordRecord&) = delete;
    CGetWordRecord& operator=(const CGetWordRecord&) = delete;

    // Opens "list/<name>.lst" (the path cut at 31 characters), closing any open file first.
    // Shows "Error: Opening <name>" and returns false when it cannot be opened.
    bool Open(const char* name);
    // Reads record `index` (negative counts from the end once; an offset past the file reads
    // record 0) and returns the index of the following record, wrapping to 0.
    int32_t GetRecord(int32_t index);
    int32_t GetCount() const { return m_recordCount; }
    // The texts of the last record read; they live in the reader and change with every read.
    const char* GetWord() const { return m_record + WordListFile::kWordOffset; }
    const char* GetDefinition() const { return m_record + WordListFile::kDefinitionOffset; }
    // The same two fields whole, for a text in the compact form, which holds NUL bytes.
    std::string_view WordField() const {
        return {m_record + WordListFile::kWordOffset, WordListFile::kWordSize};
    }
    std::string_view DefinitionField() const {
        return {m_record + WordListFile::kDefinitionOffset, WordListFile::kDefinitionSize};
    }

private:
    void Close();

    EngineEnv& m_env;
    int32_t m_recordCount = 0;
    int32_t m_fileSize = 0;
    std::FILE* m_file = nullptr;
    char m_record[WordListFile::kRecordSize];
};
