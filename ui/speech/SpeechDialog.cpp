// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The languages offered: those speech-dispatcher's espeak-ng voices speak well, and learners
// learn most; a list's own language joins them when it is another.
constexpr const char* kOffered[] = {"ar", "bg", "bn", "cs", "cy", "da",    "de", "el", "en", "eo",
                                    "es", "et", "fa", "fi", "fr", "ga",    "he", "hi", "hr", "hu",
                                    "hy", "id", "is", "it", "ja", "ka",    "ko", "la", "lt", "lv",
                                    "ms", "nb", "nl", "pl", "pt", "pt-BR", "ro", "ru", "sk", "sl",
                                    "sr", "sv", "sw", "ta", "th", "tr",    "uk", "vi", "zh"};

QString Label(const QString& language) {
    const QLocale locale(language);
    if (locale.language() == QLocale::C) return language;
    QString name = QLocale::languageToString(locale.language());
    if (language.contains('-') || language.contains('_'))
        name += QStringLiteral(" (%1)").arg(QLocale::territoryToString(locale.territory()));
    return QStringLiteral("%1 — %2").arg(name, language);
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
    std::sort(languages.begin(), languages.end(), [](const QString& a, const QString& b) {
        return Label(a).localeAwareCompare(Label(b)) < 0;
    });
    for (const QString& each : languages) box->addItem(Label(each), each);
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
