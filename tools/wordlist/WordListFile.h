#pragma once
// Reads and writes word list files: a flat run of 238-byte records, each with a word field
// and a definition field that the program reads up to their first NUL.

#include "tools/wordlist/WordRecord.h"

#include <string>
#include <string_view>
#include <vector>

class WordListFile {
public:
    // The file image of `records`. Requires each word to fit its field and each definition its
    // own (at most 30 and 200 bytes). A shorter text is ended by NULs, because whatever fills
    // the rest of a field would be shown as part of it; one of full length fills its field.
    static std::string Serialize(const std::vector<WordRecord>& records);
    // Replaces `path` atomically.
    static bool Write(const std::string& path, const std::vector<WordRecord>& records);

    // The texts of one raw record, read as the program reads them (up to the first NUL or the
    // field's end) with trailing spaces and NULs, the padding, removed.
    static WordRecord Parse(std::string_view record);
    // Reads every whole record of `bytes`; `trailingBytes` gets the count of bytes after the
    // last whole record, which the program ignores.
    static std::vector<WordRecord> ParseAll(std::string_view bytes, size_t& trailingBytes);
    // The text of a field as the program shows it: up to the first NUL, padding included.
    static std::string_view ShownText(std::string_view field);
    static std::string StripPadding(std::string_view text);
};
