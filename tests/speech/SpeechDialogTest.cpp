// SPDX-License-Identifier: GPL-2.0-or-later
// The chooser's speech dialog: each language in its own name, sorted as a reader expects,
// and the codes the list's file keeps coming back unchanged.
#include "ui/speech/SpeechDialog.h"

#include <QComboBox>
#include <QFontDatabase>

#include <gtest/gtest.h>

namespace {

QStringList Texts(const QComboBox& box) {
    QStringList texts;
    for (int i = 0; i < box.count(); ++i) texts << box.itemText(i);
    return texts;
}

TEST(SpeechDialogTest, LanguagesInTheirOwnNames_TerritoryOnlyWhereTwoShareALanguage) {
    SpeechSettings settings;
    settings.wordLanguage = QStringLiteral("en-GB");
    settings.definitionLanguage = QStringLiteral("x\x01y");
    SpeechDialog dialog(settings);
    const QList<QComboBox*> boxes = dialog.findChildren<QComboBox*>();
    ASSERT_EQ(2, boxes.size());
    const QStringList words = Texts(*boxes[0]);
    for (const char* expected :
         {"Deutsch — de", "English — en", "English (United Kingdom) — en-GB", "português — pt",
          "português (Brasil) — pt-BR", "русский — ru", "日本語 — ja"})
        EXPECT_TRUE(words.contains(QString::fromUtf8(expected)))
            << expected << " in " << words.join(" | ").toStdString();
    EXPECT_EQ("English (United Kingdom) — en-GB", boxes[0]->currentText().toStdString());
    EXPECT_EQ("x\\x01y", boxes[1]->currentText().toStdString());

    // Accents and capitals aside, Latin names in alphabetical order, other scripts after.
    auto before = [&](const char* a, const char* b) {
        return words.indexOf(QString::fromUtf8(a)) < words.indexOf(QString::fromUtf8(b));
    };
    EXPECT_TRUE(before("Deutsch — de", "English — en"));
    EXPECT_TRUE(before("English — en", "español — es"));
    EXPECT_TRUE(before("español — es", "français — fr"));
    EXPECT_TRUE(before("čeština — cs", "Cymraeg — cy"));
    EXPECT_TRUE(before("Türkçe — tr", "русский — ru"));
    // A name no installed font writes is given in English rather than as boxes.
    const bool writesHindi = !QFontDatabase::families(QFontDatabase::Devanagari).isEmpty();
    EXPECT_TRUE(words.contains(QString::fromUtf8(writesHindi ? "हिन्दी — hi" : "Hindi — hi")))
        << words.join(" | ").toStdString();

    const SpeechSettings chosen = dialog.Chosen();
    EXPECT_EQ("en-GB", chosen.wordLanguage.toStdString());
    EXPECT_EQ("x\x01y", chosen.definitionLanguage.toStdString());
}

}  // namespace
