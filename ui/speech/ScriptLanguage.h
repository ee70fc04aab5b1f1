#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Guesses the language of a list's words from the script they are written in, for a list
// whose file never said: a script that one language mostly owns (Greek, Hebrew, Thai, ...)
// names it, and a few letters tell its neighbours apart (Ukrainian і, Persian پ, Japanese
// kana among Chinese characters). Latin letters say nothing, since so many languages share
// them.

#include <QString>
#include <QStringList>

class ScriptLanguage {
public:
    // The language most of the letters of `texts` point to, as a BCP 47 name ("ru", "el",
    // "zh"), or "" when they are Latin, too few or of no script this knows.
    static QString Guess(const QStringList& texts);
};
