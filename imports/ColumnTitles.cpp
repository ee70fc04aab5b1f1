// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/ColumnTitles.h"

#include <QString>

#include <unordered_set>

namespace {

using Titles = std::unordered_set<std::string>;

// Lower case, as QString::toLower gives it.
const Titles& WordTitles() {
    static const Titles titles = {
        // English
        "word", "words", "term", "front", "question", "vocabulary", "expression", "headword",
        "lemma", "phrase",
        // German
        "wort", "wörter", "begriff", "vokabel", "vokabeln", "frage", "vorderseite", "ausdruck",
        // French
        "mot", "mots", "terme", "recto", "vocabulaire",
        // Spanish
        "palabra", "palabras", "término", "termino", "pregunta", "anverso", "expresión",
        "vocabulario",
        // Portuguese
        "palavra", "palavras", "termo", "pergunta", "frente", "expressão", "vocabulário",
        // Russian
        "слово", "слова", "термин", "вопрос", "выражение", "лицевая сторона",
        // Chinese
        "单词", "词", "词语", "生词", "词汇", "术语", "问题", "正面",
        // Japanese
        "単語", "語", "言葉", "ことば", "用語", "質問", "問題", "表", "表面",
        // Korean
        "단어", "낱말", "어휘", "용어", "질문", "앞면"};
    return titles;
}

const Titles& DefinitionTitles() {
    static const Titles titles = {
        // English
        "definition", "definitions", "meaning", "back", "answer", "translation", "description",
        "gloss",
        // German
        "bedeutung", "übersetzung", "antwort", "rückseite", "erklärung", "beschreibung",
        // French
        "définition", "sens", "signification", "traduction", "réponse", "verso",
        // Spanish
        "definición", "significado", "traducción", "respuesta", "reverso", "descripción",
        // Portuguese
        "definição", "tradução", "resposta", "descrição",
        // Russian
        "перевод", "значение", "определение", "ответ", "описание", "оборотная сторона",
        // Chinese
        "释义", "意思", "含义", "翻译", "定义", "答案", "解释", "背面",
        // Japanese
        "意味", "訳", "翻訳", "定義", "答え", "解答", "説明", "裏", "裏面",
        // Korean
        "뜻", "의미", "번역", "정의", "답", "정답", "설명", "뒷면"};
    return titles;
}

// The names of the languages learners pair most, each in the nine languages above.
const Titles& LanguageNames() {
    static const Titles names = {
        "english",    "german",         "french",      "spanish",     "portuguese",
        "russian",    "chinese",        "japanese",    "korean",      "italian",
        "greek",      "arabic",         "hebrew",      "polish",      "dutch",
        "turkish",    "ukrainian",      "englisch",    "deutsch",     "französisch",
        "spanisch",   "portugiesisch",  "russisch",    "chinesisch",  "japanisch",
        "koreanisch", "italienisch",    "griechisch",  "arabisch",    "hebräisch",
        "polnisch",   "niederländisch", "türkisch",    "ukrainisch",  "anglais",
        "allemand",   "français",       "espagnol",    "portugais",   "russe",
        "chinois",    "japonais",       "coréen",      "italien",     "grec",
        "arabe",      "hébreu",         "polonais",    "néerlandais", "turc",
        "ukrainien",  "inglés",         "alemán",      "francés",     "español",
        "portugués",  "ruso",           "chino",       "japonés",     "coreano",
        "italiano",   "griego",         "árabe",       "hebreo",      "polaco",
        "neerlandés", "turco",          "ucraniano",   "inglês",      "alemão",
        "francês",    "espanhol",       "português",   "russo",       "chinês",
        "japonês",    "grego",          "hebraico",    "polonês",     "holandês",
        "английский", "немецкий",       "французский", "испанский",   "португальский",
        "русский",    "китайский",      "японский",    "корейский",   "итальянский",
        "греческий",  "арабский",       "иврит",       "польский",    "голландский",
        "турецкий",   "украинский",     "英语",        "德语",        "法语",
        "西班牙语",   "葡萄牙语",       "俄语",        "中文",        "汉语",
        "日语",       "韩语",           "意大利语",    "希腊语",      "阿拉伯语",
        "英語",       "ドイツ語",       "フランス語",  "スペイン語",  "ポルトガル語",
        "ロシア語",   "中国語",         "日本語",      "韓国語",      "イタリア語",
        "ギリシャ語", "アラビア語",     "영어",        "독일어",      "프랑스어",
        "스페인어",   "포르투갈어",     "러시아어",    "중국어",      "일본어",
        "한국어",     "이탈리아어",     "그리스어",    "아랍어"};
    return names;
}

std::string Folded(const std::string& text) {
    return QString::fromStdString(text).trimmed().toLower().toStdString();
}

bool IsIn(const std::string& folded, const Titles& titles) { return titles.count(folded) > 0; }

}  // namespace

bool ColumnTitles::AreTitles(const std::string& word, const std::string& definition) {
    // A title is short; an entry may be megabytes, not worth folding.
    constexpr size_t kLongestTitle = 64;
    if (word.size() > kLongestTitle || definition.size() > kLongestTitle) return false;
    const std::string first = Folded(word);
    const std::string second = Folded(definition);
    const Titles& languages = LanguageNames();
    return (IsIn(first, WordTitles()) || IsIn(first, languages)) &&
           (IsIn(second, DefinitionTitles()) || IsIn(second, languages));
}
