// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/ScriptLanguage.h"

#include <gtest/gtest.h>

namespace {

struct GuessCase {
    const char* name;
    QStringList texts;
    const char* language;
};

class ScriptLanguageGuess : public testing::TestWithParam<GuessCase> {};

TEST_P(ScriptLanguageGuess, NamesTheLanguageOfTheScript) {
    EXPECT_EQ(ScriptLanguage::Guess(GetParam().texts).toStdString(), GetParam().language);
}

const GuessCase kCases[] = {
    {"Russian", {u8"собака", u8"кошка", u8"дом"}, "ru"},
    {"UkrainianByItsLetters", {u8"їжак", u8"собака", u8"дім"}, "uk"},
    {"RussianWithOneUkrainianName",
     {u8"собака", u8"кошка", u8"дом", u8"Київ", u8"работа", u8"машина", u8"молоко"},
     "ru"},
    {"SerbianCyrillic", {u8"ђак", u8"кућа", u8"љубав"}, "sr"},
    {"Greek", {u8"σκύλος", u8"γάτα"}, "el"},
    {"Hebrew", {u8"כלב", u8"חתול"}, "he"},
    {"Arabic", {u8"كلب", u8"قطة"}, "ar"},
    {"PersianByItsLetters", {u8"پدر", u8"گربه"}, "fa"},
    {"ChineseHanOnly", {u8"狗", u8"猫", u8"房子"}, "zh"},
    {"JapaneseKanaAmongKanji", {u8"犬", u8"猫", u8"ねこ", u8"食べる"}, "ja"},
    {"Korean", {u8"개", u8"고양이"}, "ko"},
    {"Thai", {u8"สุนัข", u8"แมว"}, "th"},
    {"Georgian", {u8"ძაღლი"}, "ka"},
    {"LatinSaysNothing", {"dog", "cat", u8"Straße"}, ""},
    {"LatinWithAForeignWord", {"dog", "cat", "house", u8"дом"}, ""},
    {"DigitsAndPunctuationOnly", {"123", "?!"}, ""},
    {"Nothing", {}, ""},
};

std::string CaseName(const testing::TestParamInfo<GuessCase>& param) { return param.param.name; }

INSTANTIATE_TEST_SUITE_P(Scripts, ScriptLanguageGuess, testing::ValuesIn(kCases), CaseName);

}  // namespace
