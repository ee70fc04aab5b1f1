// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/KvtmlImporter.h"

#include "engine/LearnersWords.h"
#include "imports/FolderMedia.h"
#include "imports/ImportAdvice.h"
#include "imports/TextTidy.h"

#include <QBuffer>
#include <QByteArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <cctype>

namespace {

// Far deeper than any vocabulary document goes: a text holds a little markup at most.
constexpr int kMaxNesting = 256;

// Reads on to the end of the current element, gathering into `text`, when given, the text
// of the element and of every element inside it. Qt's own readElementText recurses once per
// level, so a document nested deeply enough would overflow the stack; this counts instead,
// and gives up with an XML error past kMaxNesting.
void ReadToEnd(QXmlStreamReader& xml, std::string* text) {
    for (int depth = 1; depth > 0;) {
        switch (xml.readNext()) {
            case QXmlStreamReader::StartElement:
                if (++depth > kMaxNesting) {
                    xml.raiseError(
                        QStringLiteral("elements nested deeper than %1").arg(kMaxNesting));
                    return;
                }
                break;
            case QXmlStreamReader::EndElement:
                --depth;
                break;
            case QXmlStreamReader::Characters:
            case QXmlStreamReader::EntityReference:
                // Gathered as UTF-8, a piece at a time: a text may be most of the file, and
                // twice its size as one wide string.
                if (text) {
                    const QByteArray utf8 = xml.text().toUtf8();
                    text->append(utf8.constData(), static_cast<size_t>(utf8.size()));
                }
                break;
            case QXmlStreamReader::Invalid:
                return;
            default:
                break;
        }
    }
}

std::string ElementText(QXmlStreamReader& xml) {
    std::string text;
    ReadToEnd(xml, &text);
    return TextTidy::CollapseSpace(text);
}

void Skip(QXmlStreamReader& xml) { ReadToEnd(xml, nullptr); }

}  // namespace

// KWordQuiz writes the blank rows a user leaves between groups of words as entries whose
// every column is empty: nothing was lost there, so they are passed over, not refused.
bool KvtmlImporter::IsEmpty(const std::vector<Translation>& translations) {
    for (const Translation& translation : translations) {
        if (!translation.text.empty() || !translation.comment.empty() ||
            !translation.paraphrase.empty())
            return false;
    }
    return true;
}

namespace {

constexpr int kMaxColumn = 1000;
constexpr size_t kMaxLocaleSize = 35;

bool IsNamed(const QXmlStreamReader& xml, const char* name) {
    return xml.name() == QLatin1String(name);
}

}  // namespace

KvtmlImporter::KvtmlImporter(const ImportOptions& options, Diagnostics& diagnostics,
                             std::string fileName)
    : m_options(options), m_diagnostics(diagnostics), m_fileName(std::move(fileName)) {}

bool KvtmlImporter::Read(const std::string& bytes, std::vector<ImportedEntry>& entries) {
    // Read through a device over the bytes, not copied: the reader then decodes a piece at a
    // time instead of the whole document to UTF-16 at once.
    QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer device(&data);
    device.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&device);
    if (!xml.readNextStartElement() || !IsNamed(xml, "kvtml")) {
        if (!xml.hasError()) {
            m_diagnostics.Error(
                m_fileName, static_cast<int>(xml.lineNumber()),
                LearnersWords::Said("Import", "not a KVTML document (no <kvtml> root element)"));
            return false;
        }
    } else {
        bool versionOk = false;
        const double version =
            xml.attributes().value(QLatin1String("version")).toDouble(&versionOk);
        if (versionOk && version >= 2.0) {
            while (!m_isFull && xml.readNextStartElement()) {
                if (IsNamed(xml, "entries"))
                    ReadEntries(xml, entries);
                else if (IsNamed(xml, "information"))
                    ReadInformation(xml);
                else if (IsNamed(xml, "identifiers"))
                    ReadIdentifiers(xml);
                else
                    Skip(xml);
            }
        } else {
            m_title = TextTidy::CollapseSpace(
                xml.attributes().value(QLatin1String("title")).toString().toStdString());
            ReadVersion1(xml, entries);
        }
    }
    if (m_isFull) {
        m_diagnostics.Error(m_fileName, m_fullLine, TooManyEntries());
        return false;
    }
    if (xml.hasError()) {
        m_diagnostics.Error(m_fileName, static_cast<int>(xml.lineNumber()),
                            LearnersWords::Filled(LearnersWords::Said("Import", "XML error: %1"),
                                                  {xml.errorString().toStdString()}));
        return false;
    }
    return true;
}

void KvtmlImporter::ReadInformation(QXmlStreamReader& xml) {
    while (xml.readNextStartElement()) {
        if (IsNamed(xml, "title"))
            m_title = ElementText(xml);
        else
            Skip(xml);
    }
}

void KvtmlImporter::ReadIdentifiers(QXmlStreamReader& xml) {
    while (xml.readNextStartElement()) {
        if (!IsNamed(xml, "identifier")) {
            Skip(xml);
            continue;
        }
        bool idOk = false;
        const int id = xml.attributes().value(QLatin1String("id")).toInt(&idOk);
        std::string locale;
        while (xml.readNextStartElement()) {
            if (IsNamed(xml, "locale"))
                locale = ElementText(xml);
            else
                Skip(xml);
        }
        if (idOk && id >= 0 && id <= kMaxColumn) m_locales[size_t(id)] = locale;
    }
}

size_t KvtmlImporter::WordColumn() const {
    return m_options.wordColumn > 0 ? m_options.wordColumn - 1 : 0;
}

size_t KvtmlImporter::DefinitionColumn() const {
    return m_options.definitionColumn > 0 ? m_options.definitionColumn - 1 : 1;
}

std::string KvtmlImporter::LocaleOf(size_t column) const {
    const auto found = m_locales.find(column);
    if (found == m_locales.end()) return {};
    // Stored in the list's settings and handed to the speech service: a name of letters,
    // digits, '-' and '_' only, as locales are, or none.
    const std::string& locale = found->second;
    const bool isName = !locale.empty() && locale.size() <= kMaxLocaleSize &&
                        std::all_of(locale.begin(), locale.end(), [](unsigned char ch) {
                            return std::isalnum(ch) || ch == '-' || ch == '_';
                        });
    return isName ? locale : std::string();
}

void KvtmlImporter::ReadEntries(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries) {
    while (!m_isFull && xml.readNextStartElement()) {
        if (IsNamed(xml, "entry"))
            ReadEntry(xml, entries);
        else
            Skip(xml);
    }
}

void KvtmlImporter::ReadEntry(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries) {
    const int line = static_cast<int>(xml.lineNumber());
    bool deactivated = false;
    int position = 0;
    std::vector<Translation> translations;
    while (xml.readNextStartElement()) {
        if (IsNamed(xml, "deactivated")) {
            deactivated = TextTidy::Lower(ElementText(xml)) == "true";
        } else if (IsNamed(xml, "translation")) {
            ReadTranslation(xml, position++, translations);
        } else {
            Skip(xml);
        }
    }
    if (deactivated && !m_options.includeDeactivated) {
        m_diagnostics.Note(m_fileName, line,
                           LearnersWords::Said("Import", "deactivated entry skipped") +
                               ImportAdvice::Text(ImportAdvice::kIncludeDeactivated));
        return;
    }
    if (IsEmpty(translations)) {
        m_diagnostics.Note(m_fileName, line, LearnersWords::Said("Import", "empty entry skipped"));
        return;
    }
    Add(MakeEntry(line, translations), entries);
}

void KvtmlImporter::Add(ImportedEntry entry, std::vector<ImportedEntry>& entries) {
    if (entries.size() == kMaxImportedEntries) {
        m_isFull = true;
        m_fullLine = entry.line;
        return;
    }
    entries.push_back(std::move(entry));
}

// KDE's own reader places translations by their order; its writer always writes the column
// as the id. So the id decides when it is a number, and the position otherwise.
void KvtmlImporter::ReadTranslation(QXmlStreamReader& xml, int position,
                                    std::vector<Translation>& translations) {
    bool idOk = false;
    int column = xml.attributes().value(QLatin1String("id")).toInt(&idOk);
    if (!idOk || column < 0 || column > kMaxColumn) column = position;
    if (translations.size() <= static_cast<size_t>(column)) translations.resize(column + 1);
    Translation& translation = translations[column];
    while (xml.readNextStartElement()) {
        if (IsNamed(xml, "text"))
            translation.text = ElementText(xml);
        else if (IsNamed(xml, "comment"))
            translation.comment = ElementText(xml);
        else if (IsNamed(xml, "paraphrase"))
            translation.paraphrase = ElementText(xml);
        else if (IsNamed(xml, "image"))
            translation.image = ElementText(xml);
        else if (IsNamed(xml, "sound"))
            translation.sound = ElementText(xml);
        else
            Skip(xml);
    }
}

ImportedEntry KvtmlImporter::MakeEntry(int line, const std::vector<Translation>& translations) {
    ImportedEntry entry;
    const size_t wordColumn = WordColumn();
    const size_t definitionColumn = DefinitionColumn();
    const Translation none;
    const Translation& word = wordColumn < translations.size() ? translations[wordColumn] : none;
    const Translation& meaning =
        definitionColumn < translations.size() ? translations[definitionColumn] : none;
    entry.line = line;
    entry.word = word.text;
    // Single-column lists (hangman and anagram games) keep a hint in the comment.
    entry.definition = !meaning.text.empty()   ? meaning.text
                       : !word.comment.empty() ? word.comment
                                               : word.paraphrase;
    entry.media.wordPicture = MediaPath(line, word.image);
    entry.media.wordSound = MediaPath(line, word.sound);
    entry.media.definitionPicture = MediaPath(line, meaning.image);
    entry.media.definitionSound = MediaPath(line, meaning.sound);
    return entry;
}

std::string KvtmlImporter::MediaPath(int line, const std::string& written) {
    if (written.empty()) return {};
    std::string note;
    std::string path = FolderMedia::Resolve(m_fileName, written, note);
    if (!note.empty()) m_diagnostics.Note(m_fileName, line, note);
    return path;
}

void KvtmlImporter::ReadVersion1(QXmlStreamReader& xml, std::vector<ImportedEntry>& entries) {
    while (!m_isFull && xml.readNextStartElement()) {
        if (!IsNamed(xml, "e")) {
            Skip(xml);
            continue;
        }
        ImportedEntry entry;
        entry.line = static_cast<int>(xml.lineNumber());
        while (xml.readNextStartElement()) {
            if (IsNamed(xml, "o"))
                entry.word = ElementText(xml);
            else if (IsNamed(xml, "t") && entry.definition.empty())
                entry.definition = ElementText(xml);
            else
                Skip(xml);
        }
        if (entry.word.empty() && entry.definition.empty()) {
            m_diagnostics.Note(m_fileName, entry.line,
                               LearnersWords::Said("Import", "empty entry skipped"));
            continue;
        }
        Add(std::move(entry), entries);
    }
}
