#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Which card of a list has which pictures and recordings: list/media.txt, a line per card
// that has any, the card named by its word and definition as the list stores them, so that
// the index follows a card through every change that keeps its text and is carried by hand
// through those that change it (an update pairs the old card with the new). Read as hostile:
// a line that does not parse, or a name the media store would not give, is passed over.
//
//   quibbix-media 1
//   WORD<TAB>DEFINITION<TAB>WORD PICTURE<TAB>WORD SOUND<TAB>DEFINITION PICTURE<TAB>DEFINITION SOUND
//
// Tabs, line ends and backslashes in a word or definition are written \t, \n, \r and \\.

#include "engine/WordRecord.h"
#include "imports/CardMedia.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class MediaIndex {
public:
    // Relative to the list folder.
    static constexpr const char* kFile = "list/media.txt";

    static MediaIndex Parse(std::string_view bytes);
    // The index of the list in `folder`; empty when it has none or it cannot be read.
    static MediaIndex Load(const std::filesystem::path& folder);
    std::string Serialize() const;

    // Nothing when the card has no media.
    const CardMedia* Find(const WordRecord& card) const;
    // Empty media take the card out.
    void Set(const WordRecord& card, const CardMedia& media);
    bool IsEmpty() const { return m_cards.empty(); }
    size_t Size() const { return m_cards.size(); }
    // Every card with its media, in the index's order.
    std::vector<std::pair<WordRecord, CardMedia>> Cards() const;
    // Every file a card names.
    std::set<std::string> Names() const;

private:
    std::map<std::pair<std::string, std::string>, CardMedia> m_cards;
};
