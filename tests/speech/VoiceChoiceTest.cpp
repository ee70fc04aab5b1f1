// SPDX-License-Identifier: GPL-2.0-or-later
// Which of the speech service's voices says a list's language.
#include "ui/speech/SpeechdEngine.h"

#include <gtest/gtest.h>

namespace {

struct VoiceCase {
    const char* language;
    QStringList available;
    const char* chosen;  // "" for none
};

class VoiceChoiceTest : public testing::TestWithParam<VoiceCase> {};

TEST_P(VoiceChoiceTest, SameTerritoryFirst_ElseSameLanguage_ElseNone) {
    QList<QLocale> available;
    for (const QString& name : GetParam().available) available << QLocale(name);
    const std::optional<QLocale> chosen =
        SpeechdEngine::LocaleFor(QString::fromLatin1(GetParam().language), available);
    EXPECT_EQ(chosen ? chosen->name().toStdString() : std::string(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Voices, VoiceChoiceTest,
                         testing::Values(VoiceCase{"pt-BR", {"pt_PT", "pt_BR"}, "pt_BR"},
                                         VoiceCase{"pt_BR", {"pt_PT", "pt_BR"}, "pt_BR"},
                                         VoiceCase{"pt", {"pt_PT", "pt_BR"}, "pt_PT"},
                                         VoiceCase{"pt-BR", {"pt_PT"}, "pt_PT"},
                                         VoiceCase{"ru", {"en_US", "ru_RU"}, "ru_RU"},
                                         VoiceCase{"ru", {"en_US", "uk_UA"}, ""},
                                         VoiceCase{"tlh", {"en_US"}, ""},  // no language Qt knows
                                         VoiceCase{"", {"en_US"}, ""}));

}  // namespace
