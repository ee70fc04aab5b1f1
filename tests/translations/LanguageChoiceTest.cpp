// SPDX-License-Identifier: GPL-2.0-or-later
// Which of the program's translations a learner's system languages choose: English, or the C
// locale, before any other means no translation at all.

#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>

#include "translations/Translations.h"

namespace {

struct ChoiceCase {
    QStringList wanted;
    const char* chosen;
};

void PrintTo(const ChoiceCase& choice, std::ostream* out) {
    *out << choice.wanted.join(QLatin1Char(',')).toStdString() << " -> \"" << choice.chosen << '"';
}

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

// LANGUAGE=de with LC_ALL=C is English, as gettext has it; unset, the locale is C too.
TEST(MessagesInC, FollowsTheFirstOfLcAllLcMessagesAndLang) {
    const struct {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        bool isC;
    } cases[] = {{"C", "", "de_DE.UTF-8", true},
                 {"", "", "C.UTF-8", true},
                 {"", "", "", true},
                 {"", "POSIX", "de_DE.UTF-8", true},
                 {"", "", "de_DE.UTF-8", false},
                 {"fr_FR.UTF-8", "", "C", false}};
    for (const auto& c : cases) {
        ::setenv("LC_ALL", c.lcAll, 1);
        ::setenv("LC_MESSAGES", c.lcMessages, 1);
        ::setenv("LANG", c.lang, 1);
        EXPECT_EQ(Translations::MessagesInC(), c.isC)
            << c.lcAll << "|" << c.lcMessages << "|" << c.lang;
    }
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    ::unsetenv("LANG");
}

}  // namespace
