// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/MediaIndex.h"

#include "engine/FileSystem.h"
#include "lists/MediaStore.h"

#include <vector>

namespace {

constexpr std::string_view kHeader = "quibbix-media 1";
constexpr size_t kFields = 6;

std::string Escaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Unescaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[++i];
        out += next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos || fields.size() > kFields) return fields;
        start = tab + 1;
    }
}

// A name the store could have given, else nothing: never a path out of the store.
std::string StoredName(std::string_view field) {
    return MediaStore::IsStoredName(field) ? std::string(field) : std::string();
}

}  // namespace

MediaIndex MediaIndex::Parse(std::string_view bytes) {
    MediaIndex index;
    size_t start = 0;
    for (bool isFirst = true; start < bytes.size(); isFirst = false) {
        size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isFirst) {
            if (line != kHeader) return index;
            continue;
        }
        const std::vector<std::string_view> fields = Split(line);
        if (fields.size() != kFields) continue;
        CardMedia media{StoredName(fields[2]), StoredName(fields[3]), StoredName(fields[4]),
                        StoredName(fields[5])};
        index.Set({Unescaped(fields[0]), Unescaped(fields[1])}, media);
    }
    return index;
}

MediaIndex MediaIndex::Load(const std::filesystem::path& folder) {
    std::string bytes;
    if (DefaultFileSystem().ReadFile((folder / kFile).string(), bytes) != 0) return {};
    return Parse(bytes);
}

std::string MediaIndex::Serialize() const {
    std::string out(kHeader);
    out += '\n';
    for (const auto& [card, media] : m_cards) {
        out += Escaped(card.first) + '\t' + Escaped(card.second) + '\t' + media.wordPicture + '\t' +
               media.wordSound + '\t' + media.definitionPicture + '\t' + media.definitionSound +
               '\n';
    }
    return out;
}

const CardMedia* MediaIndex::Find(const WordRecord& card) const {
    const auto found = m_cards.find({card.word, card.definition});
    return found == m_cards.end() ? nullptr : &found->second;
}

void MediaIndex::Set(const WordRecord& card, const CardMedia& media) {
    if (media.IsEmpty())
        m_cards.erase({card.word, card.definition});
    else
        m_cards[{card.word, card.definition}] = media;
}

std::vector<std::pair<WordRecord, CardMedia>> MediaIndex::Cards() const {
    std::vector<std::pair<WordRecord, CardMedia>> cards;
    cards.reserve(m_cards.size());
    for (const auto& [card, media] : m_cards) cards.push_back({{card.first, card.second}, media});
    return cards;
}

std::set<std::string> MediaIndex::Names() const {
    std::set<std::string> names;
    for (const auto& [card, media] : m_cards) {
        for (const std::string* name : {&media.wordPicture, &media.wordSound,
                                        &media.definitionPicture, &media.definitionSound})
            if (!name->empty()) names.insert(*name);
    }
    return names;
}
