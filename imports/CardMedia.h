#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The pictures and recordings of one card, on the word's side and on the definition's. An
// importer fills in what its file names (a path, or a name in a package); a list holds the
// names of its media store. Empty where the card has none.

#include <string>
#include <string_view>

struct CardMedia {
    std::string wordPicture, wordSound;
    std::string definitionPicture, definitionSound;

    bool IsEmpty() const {
        return wordPicture.empty() && wordSound.empty() && definitionPicture.empty() &&
               definitionSound.empty();
    }
    bool operator==(const CardMedia& other) const {
        return wordPicture == other.wordPicture && wordSound == other.wordSound &&
               definitionPicture == other.definitionPicture &&
               definitionSound == other.definitionSound;
    }
};

namespace MediaKind {

// The extension a list keeps a file under, from its name ("Photo.JPEG" gives "jpg"): lower
// case, one spelling per kind; empty when the name has none.
std::string ExtensionOf(std::string_view fileName);
// The kinds a list keeps: pictures Qt's image readers read, recordings libsndfile reads.
bool IsPicture(std::string_view extension);
bool IsSound(std::string_view extension);

}  // namespace MediaKind
