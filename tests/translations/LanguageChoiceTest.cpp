// SPDX-License-Identifier: GPL-2.0-or-later
// Which of the program's translations a learner's system languages choose: English, or the C
// locale, before any other means no translation at all.

#include "platform/Translations.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase {
    QStringList wanted;
    const char* chosen;
};

class LanguageChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(LanguageChoiceTest, TheFirstLanguageTheProgramHas_UnlessEnglishComesFirst) {
    EXPECT_EQ(Translations::Choose(GetParam().wanted).toStdString(), GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageChoiceTest,
    ::testing::Values(ChoiceCase{{"C"}, ""}, ChoiceCase{{"en-US"}, ""},
                      ChoiceCase{{"en-GB", "de-DE"}, ""}, ChoiceCase{{"de-DE", "de"}, "de"},
                      ChoiceCase{{"de-AT"}, "de"}, ChoiceCase{{"fr-CA"}, "fr"},
                      ChoiceCase{{"es-MX"}, "es"}, ChoiceCase{{"pt-BR"}, "pt_BR"},
                      ChoiceCase{{"pt-PT"}, "pt_BR"}, ChoiceCase{{"ru-RU"}, "ru"},
                      ChoiceCase{{"zh-Hans-CN"}, "zh_CN"}, ChoiceCase{{"zh-SG"}, "zh_CN"},
                      ChoiceCase{{"zh-TW"}, ""}, ChoiceCase{{"it-IT", "fr-FR"}, "fr"},
                      ChoiceCase{{"it-IT"}, ""}));

}  // namespace
