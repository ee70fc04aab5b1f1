// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/HtmlText.h"

#include "engine/Utf8.h"
#include "imports/TextTidy.h"

#include <cctype>
#include <cstdlib>

namespace {

struct NamedEntity {
    const char* name;
    char32_t ch;
};

// The references that turn up in vocabulary: markup, Latin-1 letters and typography.
constexpr NamedEntity kEntities[] = {
    {"amp", '&'},       {"lt", '<'},        {"gt", '>'},        {"quot", '"'},
    {"apos", '\''},     {"nbsp", 0xA0},     {"iexcl", 0xA1},    {"cent", 0xA2},
    {"pound", 0xA3},    {"curren", 0xA4},   {"yen", 0xA5},      {"brvbar", 0xA6},
    {"sect", 0xA7},     {"uml", 0xA8},      {"copy", 0xA9},     {"ordf", 0xAA},
    {"laquo", 0xAB},    {"not", 0xAC},      {"shy", 0xAD},      {"reg", 0xAE},
    {"macr", 0xAF},     {"deg", 0xB0},      {"plusmn", 0xB1},   {"sup2", 0xB2},
    {"sup3", 0xB3},     {"acute", 0xB4},    {"micro", 0xB5},    {"para", 0xB6},
    {"middot", 0xB7},   {"cedil", 0xB8},    {"sup1", 0xB9},     {"ordm", 0xBA},
    {"raquo", 0xBB},    {"frac14", 0xBC},   {"frac12", 0xBD},   {"frac34", 0xBE},
    {"iquest", 0xBF},   {"Agrave", 0xC0},   {"Aacute", 0xC1},   {"Acirc", 0xC2},
    {"Atilde", 0xC3},   {"Auml", 0xC4},     {"Aring", 0xC5},    {"AElig", 0xC6},
    {"Ccedil", 0xC7},   {"Egrave", 0xC8},   {"Eacute", 0xC9},   {"Ecirc", 0xCA},
    {"Euml", 0xCB},     {"Igrave", 0xCC},   {"Iacute", 0xCD},   {"Icirc", 0xCE},
    {"Iuml", 0xCF},     {"ETH", 0xD0},      {"Ntilde", 0xD1},   {"Ograve", 0xD2},
    {"Oacute", 0xD3},   {"Ocirc", 0xD4},    {"Otilde", 0xD5},   {"Ouml", 0xD6},
    {"times", 0xD7},    {"Oslash", 0xD8},   {"Ugrave", 0xD9},   {"Uacute", 0xDA},
    {"Ucirc", 0xDB},    {"Uuml", 0xDC},     {"Yacute", 0xDD},   {"THORN", 0xDE},
    {"szlig", 0xDF},    {"agrave", 0xE0},   {"aacute", 0xE1},   {"acirc", 0xE2},
    {"atilde", 0xE3},   {"auml", 0xE4},     {"aring", 0xE5},    {"aelig", 0xE6},
    {"ccedil", 0xE7},   {"egrave", 0xE8},   {"eacute", 0xE9},   {"ecirc", 0xEA},
    {"euml", 0xEB},     {"igrave", 0xEC},   {"iacute", 0xED},   {"icirc", 0xEE},
    {"iuml", 0xEF},     {"eth", 0xF0},      {"ntilde", 0xF1},   {"ograve", 0xF2},
    {"oacute", 0xF3},   {"ocirc", 0xF4},    {"otilde", 0xF5},   {"ouml", 0xF6},
    {"divide", 0xF7},   {"oslash", 0xF8},   {"ugrave", 0xF9},   {"uacute", 0xFA},
    {"ucirc", 0xFB},    {"uuml", 0xFC},     {"yacute", 0xFD},   {"thorn", 0xFE},
    {"yuml", 0xFF},     {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},
    {"scaron", 0x161},  {"Yuml", 0x178},    {"fnof", 0x192},    {"circ", 0x2C6},
    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},   {"thinsp", 0x2009},
    {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},
    {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},
    {"dagger", 0x2020}, {"Dagger", 0x2021}, {"bull", 0x2022},   {"hellip", 0x2026},
    {"permil", 0x2030}, {"lsaquo", 0x2039}, {"rsaquo", 0x203A}, {"euro", 0x20AC},
    {"trade", 0x2122},
};

// The farthest a character reference's ';' may lie after its '&': "&#x10FFFF;" needs 9.
constexpr size_t kMaxReferenceSize = 10;

// Tags after which the text continues on a new line when rendered.
constexpr const char* kBreakTags[] = {
    "br", "div", "p",  "li", "ul",    "ol",         "hr",  "h1", "h2", "h3", "h4",      "h5",
    "h6", "tr",  "td", "th", "table", "blockquote", "pre", "dd", "dt", "dl", "section",
};

// Removes every stretch from `open` to `close` (case-insensitive; both given in lower case),
// closers included. The text is lowered once, not once a stretch: a field of many short
// comments would otherwise take time in the square of its length.
std::string RemoveBlocks(std::string_view text, std::string_view open, std::string_view close) {
    const std::string lower = TextTidy::Lower(text);
    if (lower.find(open) == std::string::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size()) {
        if (lower.compare(pos, open.size(), open) == 0) {
            const size_t end = lower.find(close, pos + open.size());
            pos = end == std::string::npos ? text.size() : end + close.size();
            out.push_back(' ');
            continue;
        }
        out.push_back(text[pos++]);
    }
    return out;
}

// {{c1::answer::hint}} shows "answer" once revealed, which is what a learner reads.
std::string UnwrapCloze(std::string_view text) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        const size_t open = text.find("{{c", pos);
        const size_t marker = open == std::string_view::npos ? open : text.find("::", open);
        const size_t close = marker == std::string_view::npos ? marker : text.find("}}", marker);
        if (close == std::string_view::npos) break;
        out.append(text.substr(pos, open - pos));
        std::string_view inner = text.substr(marker + 2, close - marker - 2);
        const size_t hint = inner.find("::");
        if (hint != std::string_view::npos) inner = inner.substr(0, hint);
        out.append(inner);
        pos = close + 2;
    }
    out.append(text.substr(pos));
    return out;
}

std::string TagName(std::string_view tag) {
    size_t i = tag.front() == '/' ? 1 : 0;
    size_t end = i;
    while (end < tag.size() && (std::isalnum(static_cast<unsigned char>(tag[end])))) ++end;
    return TextTidy::Lower(tag.substr(i, end - i));
}

bool IsBreakTag(const std::string& name) {
    for (const char* breakTag : kBreakTags) {
        if (name == breakTag) return true;
    }
    return false;
}

// The '>' that ends a tag is looked for once for every '<' before it, not once each: many
// tags left open would otherwise take time in the square of their number.
std::string StripTags(std::string_view text) {
    std::string out;
    size_t pos = 0;
    size_t nextClose = text.find('>');  // the first '>' at or after the last search
    while (pos < text.size()) {
        if (text[pos] == '<' && nextClose != std::string_view::npos && nextClose < pos)
            nextClose = text.find('>', pos);
        const size_t close = text[pos] == '<' ? nextClose : std::string_view::npos;
        const bool isTag =
            close != std::string_view::npos && close > pos + 1 &&
            (std::isalpha(static_cast<unsigned char>(text[pos + 1])) || text[pos + 1] == '/');
        if (!isTag) {
            out.push_back(text[pos++]);
            continue;
        }
        if (IsBreakTag(TagName(text.substr(pos + 1, close - pos - 1)))) out.push_back(' ');
        pos = close + 1;
    }
    return out;
}

bool DecodeReference(std::string_view name, char32_t& ch) {
    if (!name.empty() && name.front() == '#') {
        const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
        const std::string digits(name.substr(hex ? 2 : 1));
        if (digits.empty() || digits.size() > 8) return false;
        char* end = nullptr;
        const unsigned long value = std::strtoul(digits.c_str(), &end, hex ? 16 : 10);
        if (*end != '\0' || value == 0 || value > 0x10FFFF) return false;
        ch = static_cast<char32_t>(value);
        return true;
    }
    for (const NamedEntity& entity : kEntities) {
        if (name == entity.name) {
            ch = entity.ch;
            return true;
        }
    }
    return false;
}

}  // namespace

std::string HtmlText::DecodeEntities(std::string_view text) {
    std::string out;
    size_t pos = 0;
    while (pos < text.size()) {
        // The ';' is looked for no farther than a reference can reach: a field of many '&'
        // and no ';' would otherwise take time in the square of its length.
        const size_t semicolon = text[pos] == '&'
                                     ? text.substr(pos, kMaxReferenceSize + 1).find(';')
                                     : std::string_view::npos;
        char32_t ch = 0;
        if (semicolon != std::string_view::npos &&
            DecodeReference(text.substr(pos + 1, semicolon - 1), ch)) {
            Utf8::Append(out, ch);
            pos += semicolon + 1;
            continue;
        }
        out.push_back(text[pos++]);
    }
    return out;
}

std::string HtmlText::Flatten(std::string_view html) {
    std::string text = RemoveBlocks(html, "<!--", "-->");
    text = RemoveBlocks(text, "<style", "</style>");
    text = RemoveBlocks(text, "<script", "</script>");
    text = RemoveBlocks(text, "[sound:", "]");
    text = RemoveBlocks(text, "[[type:", "]]");
    text = UnwrapCloze(text);
    text = StripTags(text);
    return TextTidy::CollapseSpace(DecodeEntities(text));
}

std::string HtmlText::FirstPicture(std::string_view html) {
    const std::string lower = TextTidy::Lower(html);
    for (size_t tag = lower.find("<img"); tag != std::string::npos;
         tag = lower.find("<img", tag + 4)) {
        const size_t end = lower.find('>', tag);
        const std::string_view inside =
            std::string_view(lower).substr(tag, end == std::string::npos ? end : end - tag);
        size_t src = inside.find("src");
        while (src != std::string_view::npos) {
            const size_t before = src;
            src += 3;
            while (src < inside.size() && inside[src] == ' ') ++src;
            const bool isAttribute = std::isspace(static_cast<unsigned char>(inside[before - 1]));
            if (isAttribute && src < inside.size() && inside[src] == '=') break;
            src = inside.find("src", src);
        }
        if (src == std::string_view::npos) continue;
        size_t begin = src + 1;
        while (begin < inside.size() && inside[begin] == ' ') ++begin;
        if (begin >= inside.size()) continue;
        const char quote = inside[begin] == '"' || inside[begin] == '\'' ? inside[begin] : 0;
        if (quote) ++begin;
        size_t stop = begin;
        while (stop < inside.size() &&
               (quote ? inside[stop] != quote
                      : !std::isspace(static_cast<unsigned char>(inside[stop]))))
            ++stop;
        // The name as written, not lowered: the offsets are the same in both.
        const std::string name = DecodeEntities(html.substr(tag + begin, stop - begin));
        if (!name.empty()) return name;
    }
    return {};
}

std::string HtmlText::FirstSound(std::string_view html) {
    const size_t open = html.find("[sound:");
    if (open == std::string_view::npos) return {};
    const size_t close = html.find(']', open);
    if (close == std::string_view::npos) return {};
    return std::string(html.substr(open + 7, close - open - 7));
}

bool HtmlText::LooksLikeHtml(std::string_view text) {
    size_t close = text.find('>');
    for (size_t pos = text.find('<'); pos != std::string_view::npos;
         pos = text.find('<', pos + 1)) {
        if (close < pos) close = text.find('>', pos);
        if (close == std::string_view::npos) return false;
        if (close > pos + 1 &&
            (std::isalpha(static_cast<unsigned char>(text[pos + 1])) || text[pos + 1] == '/'))
            return true;
    }
    return text.find("&nbsp;") != std::string_view::npos;
}
