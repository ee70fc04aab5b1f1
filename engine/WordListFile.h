#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The word list file, both ways: a flat run of fixed-size records with no header, each holding
// a word and its definition. The program reads it one record at a time (CGetWordRecord); the
// word-list tool and the tests write and read it whole through this class.
//
// Record layout (kRecordSize = 4 + 1 + 30 + 1 + 200 + 1 + 1 = 238 bytes):
//   0..3 unused text, 4 separator, 5..34 word, 35 separator, 36..235 definition, 236..237 CR LF.
// A text ends at its first NUL or at the end of its field; padding is part of the text.
// A field that begins with a control character other than tab, line feed, form feed and
// carriage return holds its text in the Unicode compression scheme (SCSU) instead, whose tag
// bytes are exactly those; that form writes NUL bytes of its own, so its text runs to the
// field's last byte that is not NUL (see FieldText, which reads and writes it).

#include "engine/WordRecord.h"

#include <string>
#include <string_view>
#include <vector>

class WordListFile {
public:
    static constexpr int kLeadSize = 4;
    static constexpr int kWordOffset = kLeadSize + 1;
    static constexpr int kWordSize = 30;
    static constexpr int kDefinitionOffset = kWordOffset + kWordSize + 1;
    static constexpr int kDefinitionSize = 200;
    static constexpr int kRecordSize = kDefinitionOffset + kDefinitionSize + 1 + 1;
    // The separators the reader forces to NUL after every read.
    static constexpr int kTerminatorOffsets[] = {kLeadSize, kWordOffset + kWordSize,
                                                 kRecordSize - 2};

    // The file image of `records`. Requires each word to fit its field and each definition its
    // own (at most 30 and 200 bytes). A shorter text is ended by NULs, because whatever fills
    // the rest of a field would be shown as part of it; one of full length fills its field.
    static std::string Serialize(const std::vector<WordRecord>& records);
    // Replaces `path` atomically.
    static bool Write(const std::string& path, const std::vector<WordRecord>& records);

    // The texts of one raw record, read as the program reads them (up to the first NUL or the
    // field's end) with trailing spaces and NULs, the padding, removed; a compact field's
    // bytes as StoredText, where a space may be part of a character.
    static WordRecord Parse(std::string_view record);
    // Reads every whole record of `bytes`; `trailingBytes` gets the count of bytes after the
    // last whole record, which the program ignores.
    static std::vector<WordRecord> ParseAll(std::string_view bytes, size_t& trailingBytes);
    // The text of a field as the program shows it: up to the first NUL, padding included.
    static std::string_view ShownText(std::string_view field);
    // Whether the field holds its text in the compact form.
    static bool IsCompact(std::string_view field) {
        if (field.empty()) return false;
        const unsigned char first = static_cast<unsigned char>(field[0]);
        return first >= 0x01 && first <= 0x1F && first != '\t' && first != '\n' && first != '\f' &&
               first != '\r';
    }
    // The bytes of the field's text: a compact one's up to its last byte that is not NUL,
    // any other's as ShownText.
    static std::string_view StoredText(std::string_view field);
    static std::string StripPadding(std::string_view text);
};
