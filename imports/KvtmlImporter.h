#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Reads the vocabulary documents of KDE's trainers (KVTML 2.0, and the word and first
// translation of KVTML 1). Only the entries under kvtml/entries are words: lessons, word
// types and synonym pairs refer to them with empty elements of the same names.

#include "imports/Diagnostics.h"
#include "imports/ImportOptions.h"
#include "imports/ImportedEntry.h"

#include <map>
#include <string>
#include <vector>

class QXmlStreamReader;

class KvtmlImporter {
public:
    // `diagnostics` must outlive the importer.
    KvtmlImporter(const ImportOptions& options, Diagnostics& diagnostics, std::string fileName);

    // Returns false, with the error reported, when the document is not well-formed KVTML
    // or holds more than kMaxImportedEntries entries; `bytes` must outlive the call only.
    bool Read(const std::string& bytes, std::vector<ImportedEntry>& entries);
    // The document's title, once read; empty when it has none.
    const std::string& Title() const { return m_title; }
    // The locales the document's identifiers give the word's column and the definition's
    // ("de", "pt_BR"), once read; empty where it names none or one that is no locale name.
    std::string WordLocale() const { return LocaleOf(WordColumn()); }
    std::string DefinitionLocale() const { return LocaleOf(DefinitionColumn()); }

private:
    struct Translation {
        std::string text, comment, paraphrase;
        std::string image, sound;  // as written: a path or a file: URL
    };

    void ReadInformation(QXmlStreamReader& xml);
    void ReadIdentifiers(QXmlStreamReader& xml);
    size_t WordColumn() const;
    size_t DefinitionColumn() const;
    std::string LocaleOf(size_t column) const;
    void ReadEntries(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries);
    void ReadEntry(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries);
    void ReadTranslation(QXmlStreamReader& xml, int position,
                         std::vector<Translation>& translations);
    void ReadVersion1(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries);
    static bool IsEmpty(const std::vector<Translation>& translations);
    ImportedEntry MakeEntry(int line, const std::vector<Translation>& translations);
    // The path the document means by the media reference `written`; empty, noted, for none.
    std::string MediaPath(int line, const std::string& written);
    // Stops the reading at the entry past kMaxImportedEntries.
    void Add(ImportedEntry entry, std::vector<ImportedEntry>& entries);

    ImportOptions m_options;
    Diagnostics& m_diagnostics;
    std::string m_fileName;
    std::string m_title;
    std::map<size_t, std::string> m_locales;  // by identifier id, the translation's column
    bool m_isFull = false;
    int m_fullLine = 0;
};
