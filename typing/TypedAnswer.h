#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// How near an answer the learner typed comes to the card's answer, and the verdict that
// suggests. Case, spaces around and between the words and punctuation count for nothing; the
// card's answer may be several, separated by ";" or ",", and matching any one of them is
// enough. An answer typed but for its accents, or within one letter's edit of it for each
// eight letters begun, suggests "Not Sure"; anything else, and an empty line, "Don't Know".
// Letters are Unicode code points after composition: a Chinese character is one letter, and
// right-to-left text compares in its logical order.

#include <QString>

#include <vector>

class TypedAnswer {
public:
    enum class Verdict { kKnow, kNotSure, kDontKnow };

    // One stretch of the typed text as shown beside the answer: as typed and right, typed but
    // wrong (a wrong letter, or one too many), or a letter of the answer that was not typed.
    struct Piece {
        enum class Kind { kRight, kWrong, kMissing };
        Kind kind;
        QString text;
    };

    struct Outcome {
        Verdict suggestion = Verdict::kDontKnow;
        // The answer (or the one of several) the typed text came nearest to.
        QString nearest;
        // Letters to change, add or take away to reach it, accents aside; 0 for a match.
        int edits = 0;
        // Whether the letters match and only accents differ.
        bool isAccentsOnly = false;
        // The typed text marked letter by letter against the nearest answer; for "Don't
        // Know" the whole of it is wrong, and nothing typed leaves no pieces.
        std::vector<Piece> pieces;
    };

    static Outcome Compare(const QString& typed, const QString& answer);
    // How many edits an answer of `letters` letters allows: one per eight letters begun.
    static int AllowedEdits(int letters) { return (letters + 7) / 8; }
};
