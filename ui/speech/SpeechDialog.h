#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The chooser's question about a list's speech: the language of its words and of its
// definitions, which the voice follows, and "Speak each word as it appears".

#include "ui/speech/SpeechSettings.h"

#include <QCoreApplication>
#include <QDialog>

class QCheckBox;
class QComboBox;

class SpeechDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(SpeechDialog)

public:
    // Shows the settings of the list in `listFolder` and saves them when accepted; false
    // with `error` when they could not be saved, false with no error when cancelled.
    static bool Edit(QWidget* parent, const QString& listFolder, QString& error);

    SpeechDialog(const SpeechSettings& settings, QWidget* parent = nullptr);
    SpeechSettings Chosen() const;

private:
    QComboBox* NewLanguageBox(const QString& language, const QString& accessibleName);

    SpeechSettings m_settings;
    QComboBox* m_wordLanguageBox = nullptr;
    QComboBox* m_definitionLanguageBox = nullptr;
    QCheckBox* m_speakEachBox = nullptr;
};
