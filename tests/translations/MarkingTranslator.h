#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in translation for tests: it knows every text a .ts file holds, each in its context,
// and "translates" each into the same text between marks, ⟦like this⟧. A window that shows a
// text without the marks shows one that does not reach the translation or that lupdate does
// not find.

#include <QSet>
#include <QString>
#include <QTranslator>

class MarkingTranslator : public QTranslator {
public:
    static constexpr char16_t kOpen = u'⟦';
    static constexpr char16_t kClose = u'⟧';

    // Installs one stand-in for the program, knowing the texts translations/quibbix_de.ts
    // holds, however many suites ask; false when that file cannot be read.
    static bool InstallForTheProgram();
    // Reads the texts of `tsFile`; false when it cannot be read.
    bool Read(const QString& tsFile);
    qsizetype Count() const { return m_known.size(); }

    bool isEmpty() const override { return m_known.isEmpty(); }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;

private:
    QSet<QString> m_known;  // context, a NUL, source text
};
