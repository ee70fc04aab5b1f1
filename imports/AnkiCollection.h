#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the notes of an Anki collection, the SQLite database inside a package, straight from
// memory. Both schemas are read: the older one keeps its decks as JSON in the col table, the
// current one in a decks table. The database may be hostile: its schema can compute values
// (generated columns) and make a query sort or loop, so it is opened read-only with SQLite's
// defensive settings, no views, triggers or virtual tables, and limits on the size of any
// value, the work, the time and SQLite's heap; only its own tables are read.

#include <string>
#include <utility>
#include <vector>

class AnkiCollection {
public:
    struct Note {
        std::string front;  // the first field, as stored (HTML)
        std::string back;   // the second field, as stored (HTML)
    };

    // Reads `image`, the bytes of the database file, which it may change in place. False,
    // with the reason in `error`, when it is no readable collection or holds more notes than
    // a list can (kMaxStudyWords).
    bool Read(std::string& image, std::string& error);

    // In the order the notes were added.
    const std::vector<Note>& Notes() const { return m_notes; }
    // The notes, moved out, so that the caller can let each go once used.
    std::vector<Note> TakeNotes() { return std::move(m_notes); }
    // The name of the deck that holds every card, levels joined by "::"; empty when the
    // cards lie in several decks or the deck cannot be named.
    const std::string& DeckName() const { return m_deckName; }

private:
    std::vector<Note> m_notes;
    std::string m_deckName;
};
