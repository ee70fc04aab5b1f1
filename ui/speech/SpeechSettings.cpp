// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechSettings.h"

#include "engine/WordListFile.h"
#include "imports/FieldText.h"
#include "lists/ListFolder.h"
#include "ui/speech/ScriptLanguage.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include <string_view>

namespace {

// Enough words to tell a script, read in a moment even from a slow disk.
constexpr int kGuessRecords = 200;
constexpr qint64 kMaxFileBytes = 4096;

QString Under(const QString& listFolder, const QString& name) {
    return listFolder.isEmpty() ? name : QDir(listFolder).filePath(name);
}

}  // namespace

QString SpeechSettings::FileIn(const QString& listFolder) {
    return Under(listFolder, QLatin1String(ListFolder::kSpeechFile));
}

QString SpeechSettings::SystemLanguage() {
    const QLocale system = QLocale::system();
    if (system.language() == QLocale::C) return QStringLiteral("en");
    return system.bcp47Name();
}

bool SpeechSettings::IsLanguageName(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("^[A-Za-z]{2,8}([-_][A-Za-z0-9]{1,8}){0,3}$"));
    return pattern.match(name).hasMatch();
}

bool SpeechSettings::Load(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromUtf8(in.read(kMaxFileBytes));
    for (const QString& line : text.split('\n')) {
        const QString key = line.section(' ', 0, 0).trimmed();
        const QString value = line.section(' ', 1).trimmed();
        if (key == QLatin1String("words") && IsLanguageName(value)) wordLanguage = value;
        if (key == QLatin1String("definitions") && IsLanguageName(value))
            definitionLanguage = value;
        if (key == QLatin1String("speak-each") && (value == "0" || value == "1"))
            isSpeakingEach = value == "1";
    }
    return true;
}

bool SpeechSettings::Save(const QString& file, QString& error) const {
    QByteArray text;
    if (!wordLanguage.isEmpty()) text += "words " + wordLanguage.toUtf8() + "\n";
    if (!definitionLanguage.isEmpty()) text += "definitions " + definitionLanguage.toUtf8() + "\n";
    text += QByteArray("speak-each ") + (isSpeakingEach ? "1" : "0") + "\n";
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        error = QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(file), out.errorString());
        return false;
    }
    return true;
}

void SpeechSettings::FillLanguages(const QString& listFolder) {
    if (!wordLanguage.isEmpty() && !definitionLanguage.isEmpty()) return;
    QStringList words, definitions;
    QFile list(Under(listFolder, QLatin1String(ListFolder::kWordListFile)));
    if (list.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = list.read(qint64(kGuessRecords) * WordListFile::kRecordSize);
        size_t trailingBytes = 0;
        const std::string_view image(bytes.constData(), size_t(bytes.size()));
        for (const WordRecord& record : WordListFile::ParseAll(image, trailingBytes)) {
            words << QString::fromStdString(FieldText::ToUtf8(record.word));
            definitions << QString::fromStdString(FieldText::ToUtf8(record.definition));
        }
    }
    const QString system = SystemLanguage();
    if (wordLanguage.isEmpty()) wordLanguage = ScriptLanguage::Guess(words);
    if (wordLanguage.isEmpty()) wordLanguage = system;
    if (definitionLanguage.isEmpty()) definitionLanguage = ScriptLanguage::Guess(definitions);
    if (definitionLanguage.isEmpty()) definitionLanguage = system;
}
