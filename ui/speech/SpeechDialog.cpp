// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechDialog.h"

#include "engine/Escaped.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLocale>
#include <QMap>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

// The languages offered: those speech-dispatcher's espeak-ng voices speak well, and learners
// learn most; a list's own language joins them when it is another.
constexpr const char* kOffered[] = {"ar", "bg", "bn", "cs", "cy", "da",    "de", "el", "en", "eo",
                                    "es", "et", "fa", "fi", "fr", "ga",    "he", "hi", "hr", "hu",
                                    "hy", "id", "is", "it", "ja", "ka",    "ko", "la", "lt", "lv",
                                    "ms", "nb", "nl", "pl", "pt", "pt-BR", "ro", "ru", "sk", "sl",
                                    "sr", "sv", "sw", "ta", "th", "tr",    "uk", "vi", "zh"};

// The language as its own speakers name it, as a whole: the name most of its locales in
// its usual script give it. Its first locale alone may name a variety: the American one
// says "American English", Spain's "español de España".
QString NativeName(QLocale::Language language) {
    const QLocale first(language);
    QMap<QString, int> votes;
    for (const QLocale& each :
         QLocale::matchingLocales(language, first.script(), QLocale::AnyTerritory))
        ++votes[each.nativeLanguageName()];
    QString name = first.nativeLanguageName();
    for (auto it = votes.cbegin(); it != votes.cend(); ++it)
        if (!it.key().isEmpty() && it.value() > votes.value(name)) name = it.key();
    // Qt's locale data has no native name for a few languages, Latin among them.
    return name.isEmpty() ? QLocale::languageToString(language) : name;
}

// The writing system a font needs for the letters of `script`; Any where every font
// writes them (Latin) or Qt knows no writing system for them.
QFontDatabase::WritingSystem WritingSystemOf(QChar::Script script) {
    using W = QFontDatabase;
    switch (script) {
        case QChar::Script_Greek:
            return W::Greek;
        case QChar::Script_Cyrillic:
            return W::Cyrillic;
        case QChar::Script_Armenian:
            return W::Armenian;
        case QChar::Script_Hebrew:
            return W::Hebrew;
        case QChar::Script_Arabic:
            return W::Arabic;
        case QChar::Script_Devanagari:
            return W::Devanagari;
        case QChar::Script_Bengali:
            return W::Bengali;
        case QChar::Script_Gurmukhi:
            return W::Gurmukhi;
        case QChar::Script_Gujarati:
            return W::Gujarati;
        case QChar::Script_Oriya:
            return W::Oriya;
        case QChar::Script_Tamil:
            return W::Tamil;
        case QChar::Script_Telugu:
            return W::Telugu;
        case QChar::Script_Kannada:
            return W::Kannada;
        case QChar::Script_Malayalam:
            return W::Malayalam;
        case QChar::Script_Sinhala:
            return W::Sinhala;
        case QChar::Script_Thai:
            return W::Thai;
        case QChar::Script_Lao:
            return W::Lao;
        case QChar::Script_Tibetan:
            return W::Tibetan;
        case QChar::Script_Myanmar:
            return W::Myanmar;
        case QChar::Script_Georgian:
            return W::Georgian;
        case QChar::Script_Khmer:
            return W::Khmer;
        case QChar::Script_Han:
            return W::SimplifiedChinese;
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
            return W::Japanese;
        case QChar::Script_Hangul:
            return W::Korean;
        default:
            return W::Any;
    }
}

// Whether some installed font writes `name`: a name no font writes shows as empty boxes.
bool IsWritable(const QString& name) {
    for (const QChar c : name) {
        const QFontDatabase::WritingSystem system = WritingSystemOf(c.script());
        if (system != QFontDatabase::Any && QFontDatabase::families(system).isEmpty()) return false;
    }
    return true;
}

// What a language's name sorts by: without accents and capitals, so that "čeština" stands
// among the c's even where the collation knows no better.
QString SortKey(const QString& name) {
    QString key;
    for (const QChar c : name.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing) key += c;
    return key.toCaseFolded();
}

// Each language in its own name, the territory only where another of `all` shares the
// language. The code the file keeps is shown beside it; it comes from the list's files, so
// it is shown escaped, and alone where the locale data does not know it.
QString Name(const QString& language, const QMap<QLocale::Language, int>& sharing) {
    const QLocale locale(language);
    if (locale.language() == QLocale::C) return {};
    const bool hasTerritory = language.contains('-') || language.contains('_');
    const bool isShared = sharing.value(locale.language()) > 1;
    QString name =
        hasTerritory && !isShared ? locale.nativeLanguageName() : NativeName(locale.language());
    if (hasTerritory && isShared) name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
    // Without a font for its letters, the name in English reads better than boxes.
    if (IsWritable(name)) return name;
    name = QLocale::languageToString(locale.language());
    if (hasTerritory && isShared)
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return name;
}

struct Choice {
    QString language;
    QString name;
    QString label;
};

// The choices sorted as the learner's language sorts their names; names in other scripts
// follow the Latin ones.
std::vector<Choice> Choices(const QStringList& languages) {
    QMap<QLocale::Language, int> sharing;
    for (const QString& language : languages) ++sharing[QLocale(language).language()];
    std::vector<Choice> choices;
    for (const QString& language : languages) {
        const QString code = QString::fromStdString(Escaped(language.toStdString()));
        const QString name = Name(language, sharing);
        choices.push_back({language, name.isEmpty() ? code : name,
                           name.isEmpty() ? code : QStringLiteral("%1 — %2").arg(name, code)});
    }
    const QCollator collator;
    std::sort(choices.begin(), choices.end(), [&](const Choice& a, const Choice& b) {
        const int order = collator.compare(SortKey(a.name), SortKey(b.name));
        return order != 0 ? order < 0 : a.language < b.language;
    });
    return choices;
}

}  // namespace

bool SpeechDialog::Edit(QWidget* parent, const QString& listFolder, QString& error) {
    const QString file = SpeechSettings::FileIn(listFolder);
    SpeechSettings settings;
    settings.Load(file);
    settings.FillLanguages(listFolder);
    SpeechDialog dialog(settings, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    // The languages are stored once the learner has seen them, guessed or not: a later
    // change of the words or the system should not change the voice under them.
    return dialog.Chosen().Save(file, error);
}

SpeechDialog::SpeechDialog(const SpeechSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setWindowTitle(tr("Speech"));
    auto* form = new QFormLayout;
    m_wordLanguageBox = NewLanguageBox(settings.wordLanguage, tr("Language of the words"));
    m_definitionLanguageBox =
        NewLanguageBox(settings.definitionLanguage, tr("Language of the definitions"));
    form->addRow(tr("&Words:"), m_wordLanguageBox);
    form->addRow(tr("&Definitions:"), m_definitionLanguageBox);
    m_speakEachBox = new QCheckBox(tr("Speak each word as it appears"));
    m_speakEachBox->setChecked(settings.isSpeakingEach);
    m_speakEachBox->setObjectName(QStringLiteral("speakEachBox"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_speakEachBox);
    layout->addWidget(buttons);
}

QComboBox* SpeechDialog::NewLanguageBox(const QString& language, const QString& accessibleName) {
    auto* box = new QComboBox;
    box->setAccessibleName(accessibleName);
    QStringList languages;
    for (const char* offered : kOffered) languages << QLatin1String(offered);
    if (!language.isEmpty() && !languages.contains(language)) languages << language;
    for (const Choice& choice : Choices(languages)) box->addItem(choice.label, choice.language);
    box->setCurrentIndex(std::max(0, box->findData(language)));
    return box;
}

SpeechSettings SpeechDialog::Chosen() const {
    SpeechSettings chosen = m_settings;
    chosen.wordLanguage = m_wordLanguageBox->currentData().toString();
    chosen.definitionLanguage = m_definitionLanguageBox->currentData().toString();
    chosen.isSpeakingEach = m_speakEachBox->isChecked();
    return chosen;
}
