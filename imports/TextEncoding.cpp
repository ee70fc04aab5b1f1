// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/TextEncoding.h"

#include "engine/LearnersWords.h"

#include <iconv.h>

#include <cerrno>

namespace {

// The spelling names are compared in: lower case, without '-', '_' or spaces, so that
// "UTF8", "utf-8" and "Shift_JIS" / "shift-jis" each name one encoding.
std::string Folded(std::string_view name) {
    std::string folded;
    for (char c : name) {
        if (c == '-' || c == '_' || c == ' ') continue;
        folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    return folded;
}

struct Entry {
    const char* name;
    const char* converter;
    const char* region;
    std::vector<std::string> aliases;
};

std::vector<Entry> Entries() {
    std::vector<Entry> entries = {
        {"utf-8", "UTF-8", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        // Without a byte order mark, UTF-16 and UTF-32 are taken as big-endian, as the
        // Unicode standard says.
        {"utf-16", "UTF-16", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        {"utf-16le", "UTF-16LE", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        {"utf-16be", "UTF-16BE", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        {"utf-32", "UTF-32", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        {"utf-32le", "UTF-32LE", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
        {"utf-32be", "UTF-32BE", QT_TRANSLATE_NOOP("Import", "Unicode"), {}},
    };
    const std::pair<int, const char*> windows[] = {
        {1252, QT_TRANSLATE_NOOP("Import", "Western European")},
        {1250, QT_TRANSLATE_NOOP("Import", "Central European")},
        {1251, QT_TRANSLATE_NOOP("Import", "Cyrillic")},
        {1253, QT_TRANSLATE_NOOP("Import", "Greek")},
        {1254, QT_TRANSLATE_NOOP("Import", "Turkish")},
        {1255, QT_TRANSLATE_NOOP("Import", "Hebrew")},
        {1256, QT_TRANSLATE_NOOP("Import", "Arabic")},
        {1257, QT_TRANSLATE_NOOP("Import", "Baltic")},
        {1258, QT_TRANSLATE_NOOP("Import", "Vietnamese")},
        {874, QT_TRANSLATE_NOOP("Import", "Thai")}};
    for (const auto& [page, region] : windows) {
        const std::string number = std::to_string(page);
        entries.push_back({nullptr,
                           nullptr,
                           region,
                           {"windows-" + number, "CP" + number, "cp" + number, number}});
    }
    const std::pair<int, const char*> iso[] = {
        {1, QT_TRANSLATE_NOOP("Import", "Western European")},
        {2, QT_TRANSLATE_NOOP("Import", "Central European")},
        {3, QT_TRANSLATE_NOOP("Import", "South European")},
        {4, QT_TRANSLATE_NOOP("Import", "Baltic")},
        {5, QT_TRANSLATE_NOOP("Import", "Cyrillic")},
        {6, QT_TRANSLATE_NOOP("Import", "Arabic")},
        {7, QT_TRANSLATE_NOOP("Import", "Greek")},
        {8, QT_TRANSLATE_NOOP("Import", "Hebrew")},
        {9, QT_TRANSLATE_NOOP("Import", "Turkish")},
        {10, QT_TRANSLATE_NOOP("Import", "Nordic")},
        {11, QT_TRANSLATE_NOOP("Import", "Thai")},
        {13, QT_TRANSLATE_NOOP("Import", "Baltic")},
        {14, QT_TRANSLATE_NOOP("Import", "Celtic")},
        {15, QT_TRANSLATE_NOOP("Import", "Western European")},
        {16, QT_TRANSLATE_NOOP("Import", "South-Eastern European")}};
    for (const auto& [part, region] : iso) {
        const std::string name = "iso-8859-" + std::to_string(part);
        entries.push_back({nullptr, nullptr, region, {name, "ISO-8859-" + std::to_string(part)}});
    }
    std::vector<Entry> others = {
        {"koi8-r", "KOI8-R", QT_TRANSLATE_NOOP("Import", "Cyrillic"), {}},
        {"koi8-u", "KOI8-U", QT_TRANSLATE_NOOP("Import", "Ukrainian"), {}},
        {"macintosh",
         "MACINTOSH",
         QT_TRANSLATE_NOOP("Import", "Western European, Mac"),
         {"mac-roman", "x-mac-roman"}},
        {"mac-centraleurope",
         "MAC-CENTRALEUROPE",
         QT_TRANSLATE_NOOP("Import", "Central European, Mac"),
         {"x-mac-ce", "mac-ce", "x-mac-centraleurroman"}},
        {"mac-cyrillic",
         "MAC-CYRILLIC",
         QT_TRANSLATE_NOOP("Import", "Cyrillic, Mac"),
         {"x-mac-cyrillic"}},
        // Japanese Windows saves its own superset of Shift_JIS, which also keeps 0x5C a
        // backslash rather than a yen sign.
        {"shift_jis",
         "CP932",
         QT_TRANSLATE_NOOP("Import", "Japanese"),
         {"sjis", "cp932", "windows-31j"}},
        {"euc-jp", "EUC-JP", QT_TRANSLATE_NOOP("Import", "Japanese"), {}},
        {"gb18030",
         "GB18030",
         QT_TRANSLATE_NOOP("Import", "Chinese, Simplified"),
         {"gbk", "gb2312", "cp936"}},
        {"big5", "BIG5", QT_TRANSLATE_NOOP("Import", "Chinese, Traditional"), {}},
        // Korean Windows saves code page 949, a superset of EUC-KR.
        {"euc-kr", "CP949", QT_TRANSLATE_NOOP("Import", "Korean"), {"cp949", "uhc"}},
    };
    entries.insert(entries.end(), others.begin(), others.end());
    return entries;
}

}  // namespace

TextEncoding::TextEncoding(std::string name, std::string converter, std::string region,
                           std::vector<std::string> aliases)
    : m_name(std::move(name)),
      m_converter(std::move(converter)),
      m_region(std::move(region)),
      m_aliases(std::move(aliases)) {}

const std::vector<TextEncoding>& TextEncoding::All() {
    static const std::vector<TextEncoding> all = [] {
        std::vector<TextEncoding> encodings;
        for (Entry& entry : Entries()) {
            // Code pages are built from their spellings: the first is the name.
            const std::string name = entry.name ? entry.name : entry.aliases[0];
            const std::string converter = entry.converter ? entry.converter : entry.aliases[1];
            std::vector<std::string> aliases = {name};
            aliases.insert(aliases.end(), entry.aliases.begin(), entry.aliases.end());
            for (std::string& alias : aliases) alias = Folded(alias);
            encodings.push_back(TextEncoding(name, converter, entry.region, std::move(aliases)));
        }
        return encodings;
    }();
    return all;
}

std::string TextEncoding::Label() const {
    return LearnersWords::Said("Import", m_region.c_str()) + " (" + m_name + ")";
}

bool TextEncoding::Matches(std::string_view name) const {
    const std::string folded = Folded(name);
    for (const std::string& alias : m_aliases)
        if (alias == folded) return true;
    return false;
}

std::optional<TextEncoding> TextEncoding::Find(std::string_view name) {
    for (const TextEncoding& encoding : All())
        if (encoding.Matches(name)) return encoding;
    return std::nullopt;
}

std::string TextEncoding::Names(size_t indent, size_t width) {
    std::string text(indent, ' ');
    size_t column = indent;
    for (const TextEncoding& encoding : All()) {
        const std::string& name = encoding.Name();
        const bool isFirst = column == indent;
        if (!isFirst && column + 2 + name.size() > width) {
            text += ",\n" + std::string(indent, ' ');
            column = indent;
        } else if (!isFirst) {
            text += ", ";
            column += 2;
        }
        text += name;
        column += name.size();
    }
    return text + '\n';
}

namespace {

// Converts as much of `bytes` as the converter takes, into `text`; returns the errno that
// stopped it (EILSEQ at a byte with no character, EINVAL at one cut short), 0 at the end.
int Convert(iconv_t cd, std::string_view bytes, size_t& consumed, std::string& text) {
    // iconv's input is not const, but it only reads it.
    char* const start = const_cast<char*>(bytes.data());
    char* inPtr = start;
    size_t inLeft = bytes.size();
    char buffer[16384];
    // Once the input is through, a null input flushes a character held back in case a
    // combining mark would follow (code pages 1255 and 1258).
    bool isFlushing = false;
    int error = 0;
    while (true) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t done = isFlushing ? iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                       : iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        error = done == static_cast<size_t>(-1) ? errno : 0;
        text.append(buffer, static_cast<size_t>(outPtr - buffer));
        if (error == E2BIG) continue;
        if (error != 0 || isFlushing) break;
        isFlushing = true;
    }
    consumed = static_cast<size_t>(inPtr - start);
    return error;
}

}  // namespace

bool TextEncoding::ToUtf8(std::string_view bytes, std::string& text, size_t& badOffset) const {
    text.clear();
    iconv_t cd = iconv_open("UTF-8", m_converter.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        badOffset = std::string_view::npos;
        return false;
    }
    text.reserve(bytes.size() + bytes.size() / 2);
    size_t consumed = 0;
    const int error = Convert(cd, bytes, consumed, text);
    iconv_close(cd);
    badOffset = consumed;
    return error == 0;
}

std::string TextEncoding::ToUtf8Shown(std::string_view bytes) const {
    std::string text;
    iconv_t cd = iconv_open("UTF-8", m_converter.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t consumed = 0;
        const int error = Convert(cd, bytes.substr(at), consumed, text);
        at += consumed;
        if (error != EILSEQ) break;
        text += "\xEF\xBF\xBD";
        ++at;
    }
    iconv_close(cd);
    return text;
}
