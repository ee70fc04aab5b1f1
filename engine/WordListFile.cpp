// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/WordListFile.h"

#include "engine/AtomicFile.h"

namespace {

void PutField(std::string& record, size_t offset, size_t size, const std::string& text) {
    record.replace(offset, text.size() < size ? text.size() : size, text, 0, size);
}

}  // namespace

std::string WordListFile::Serialize(const std::vector<WordRecord>& records) {
    std::string bytes;
    bytes.reserve(records.size() * kRecordSize);
    for (const WordRecord& record : records) {
        // The unused leading field holds spaces so that the file reads as text in a viewer;
        // the separators are NUL, which is what the reader forces there anyway.
        std::string image(kRecordSize, '\0');
        image.replace(0, kLeadSize, kLeadSize, ' ');
        PutField(image, kWordOffset, kWordSize, record.word);
        PutField(image, kDefinitionOffset, kDefinitionSize, record.definition);
        image[kRecordSize - 2] = '\r';
        image[kRecordSize - 1] = '\n';
        bytes += image;
    }
    return bytes;
}

bool WordListFile::Write(const std::string& path, const std::vector<WordRecord>& records) {
    return WriteFileAtomically(path, Serialize(records));
}

std::string_view WordListFile::ShownText(std::string_view field) {
    const size_t end = field.find('\0');
    return end == std::string_view::npos ? field : field.substr(0, end);
}

std::string_view WordListFile::StoredText(std::string_view field) {
    if (!IsCompact(field)) return ShownText(field);
    const size_t last = field.find_last_not_of('\0');
    return field.substr(0, last + 1);
}

std::string WordListFile::StripPadding(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\0')) --end;
    return std::string(text.substr(0, end));
}

namespace {

std::string FieldOf(std::string_view field) {
    return WordListFile::IsCompact(field)
               ? std::string(WordListFile::StoredText(field))
               : WordListFile::StripPadding(WordListFile::ShownText(field));
}

}  // namespace

WordRecord WordListFile::Parse(std::string_view record) {
    WordRecord parsed;
    parsed.word = FieldOf(record.substr(kWordOffset, kWordSize));
    parsed.definition = FieldOf(record.substr(kDefinitionOffset, kDefinitionSize));
    return parsed;
}

std::vector<WordRecord> WordListFile::ParseAll(std::string_view bytes, size_t& trailingBytes) {
    std::vector<WordRecord> records;
    const size_t count = bytes.size() / kRecordSize;
    records.reserve(count);
    for (size_t i = 0; i < count; ++i)
        records.push_back(Parse(bytes.substr(i * kRecordSize, kRecordSize)));
    trailingBytes = bytes.size() % kRecordSize;
    return records;
}
