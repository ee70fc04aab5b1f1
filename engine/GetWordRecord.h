#pragma once
// Reads the word list file one record at a time. The file stays open for the whole run; each
// read is one seek and one read of a record at an offset computed from its index, so only
// the last record read is held in memory.
//
// Record layout (kRecordSize = 4 + 1 + 30 + 1 + 200 + 1 + 1 = 238 bytes):
//   0..3 unused text, 4 separator, 5..34 word, 35 separator, 36..235 definition, 236..237 CR LF.
// A text ends at its first NUL or at the end of its field; padding is part of the text.

#include <cstdint>
#include <cstdio>

class EngineEnv;

class CGetWordRecord {
public:
    static constexpr int kWordOffset = 5;
    static constexpr int kWordSize = 30;
    static constexpr int kDefinitionOffset = kWordOffset + kWordSize + 1;
    static constexpr int kDefinitionSize = 200;
    static constexpr int kRecordSize = 4 + 1 + kWordSize + 1 + kDefinitionSize + 1 + 1;

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
    const char* GetWord() const { return m_record + kWordOffset; }
    const char* GetDefinition() const { return m_record + kDefinitionOffset; }

private:
    void Close();

    EngineEnv& m_env;
    int32_t m_recordCount = 0;
    int32_t m_fileSize = 0;
    std::FILE* m_file = nullptr;
    char m_record[kRecordSize];
};
