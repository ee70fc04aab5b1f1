#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The program's texts in the learner's language: picks the language the system asks for
// (LANGUAGE, LC_ALL, LANG) and installs the program's translation and Qt's own. English, and
// the C locale, need no translator at all, so an English start-up loads nothing.

#include <QString>
#include <QStringList>

class QTranslator;

class Translations {
public:
    // The translation for the first of `uiLanguages` (as QLocale::uiLanguages() names them)
    // that the program has, or an empty string when English comes first or none is had.
    static QString Choose(const QStringList& uiLanguages);
    // True when the locale of messages (LC_ALL, LC_MESSAGES, LANG) is C or POSIX, or unset.
    static bool MessagesInC();
    // Call once the application object exists; returns the language installed ("de", "pt_BR")
    // or an empty string for English.
    static QString Install();
    // Installs `translator` as the program's (a test's stand-in does the same).
    static void Use(QTranslator* translator, const QString& language);
    // The language installed ("de", "pt_BR"), or an empty string for English.
    static QString Language();
    // True once a translation of the program's texts is installed. The state lives on the
    // application object, so the windows in loaded modules see it too.
    static bool Active();
    // A counted text: `source` is a numerus text marked with QT_TRANSLATE_N_NOOP ("%n word(s)")
    // in `context`; English keeps Counted()'s "1 word" / "2 words" with `one` and `many`.
    static QString Counted(const char* context, const char* source, qint64 count, const char* one,
                           const char* many = "");
    // The texts of the dialog templates, in the context lupdate knows them by.
    static QString DialogText(const QString& english);
};
