// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/ScriptLanguage.h"

#include <QChar>

#include <map>

namespace {

// The language a script stands for when nothing narrows it down.
const char* LanguageOfScript(QChar::Script script) {
    switch (script) {
        case QChar::Script_Cyrillic:
            return "ru";
        case QChar::Script_Greek:
            return "el";
        case QChar::Script_Hebrew:
            return "he";
        case QChar::Script_Arabic:
            return "ar";
        case QChar::Script_Han:
            return "zh";
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
            return "ja";
        case QChar::Script_Hangul:
            return "ko";
        case QChar::Script_Thai:
            return "th";
        case QChar::Script_Devanagari:
            return "hi";
        case QChar::Script_Bengali:
            return "bn";
        case QChar::Script_Tamil:
            return "ta";
        case QChar::Script_Georgian:
            return "ka";
        case QChar::Script_Armenian:
            return "hy";
        case QChar::Script_Ethiopic:
            return "am";
        case QChar::Script_Khmer:
            return "km";
        case QChar::Script_Lao:
            return "lo";
        case QChar::Script_Myanmar:
            return "my";
        case QChar::Script_Sinhala:
            return "si";
        default:
            return nullptr;
    }
}

// Letters that only one language of a shared script uses, and that language.
struct TellingLetters {
    const char* language;
    const char16_t* letters;
};
constexpr TellingLetters kTellingLetters[] = {
    {"uk", u"ЄєІіЇїҐґ"},         {"sr", u"ЂђЋћЏџЉљЊњЈј"}, {"be", u"Ўў"},
    {"kk", u"ӘәҒғҚқҢңӨөҰұҮүҺһ"}, {"fa", u"پچژگکی"},       {"ur", u"ٹڈڑںےھ"},
};

const char* TellingLanguage(QChar ch) {
    for (const TellingLetters& telling : kTellingLetters) {
        if (QStringView(telling.letters).contains(ch)) return telling.language;
    }
    return nullptr;
}

}  // namespace

QString ScriptLanguage::Guess(const QStringList& texts) {
    std::map<QString, int> letters;  // by language
    int latin = 0;
    for (const QString& text : texts) {
        for (const uint ch : text.toUcs4()) {
            const QChar::Script script = QChar::script(ch);
            if (script == QChar::Script_Latin) ++latin;
            if (const char* language = LanguageOfScript(script)) ++letters[language];
            // A telling letter weighs as much as a short word of its script: a Ukrainian
            // list has them in every few words, a Russian one only in a stray name.
            if (ch <= 0xFFFF) {
                if (const char* language = TellingLanguage(QChar(char16_t(ch))))
                    letters[language] += 8;
            }
        }
    }
    // Kana name Japanese even among more Chinese characters, which Japanese uses as well.
    if (letters.count("ja") && letters.count("zh")) letters["ja"] += letters["zh"];
    QString best;
    int bestCount = 0;
    for (const auto& [language, count] : letters) {
        if (count > bestCount) {
            best = language;
            bestCount = count;
        }
    }
    // A Latin list with a foreign name or two in it stays Latin.
    return bestCount > latin ? best : QString();
}
