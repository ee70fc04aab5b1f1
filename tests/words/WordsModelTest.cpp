// SPDX-License-Identifier: GPL-2.0-or-later
// The Words window's table without a window: its changes and their undoing, the search and
// the refusals, which must read as import's.
#include "imports/Diagnostics.h"
#include "imports/FieldText.h"
#include "imports/RecordEncoder.h"
#include "tests/lists/ListTestFiles.h"
#include "ui/words/WordsFilter.h"
#include "ui/words/WordsModel.h"

#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {

Words RecordsOf(const WordsModel& model) {
    Words words;
    for (const WordRecord& record : model.Records())
        words.emplace_back(record.word, record.definition);
    return words;
}

class WordsModelTest : public testing::Test {
protected:
    void SetUp() override {
        WriteWords(m_dir.path() / "list" / "kelvo.lst", kStart);
        std::string error;
        ASSERT_TRUE(m_model.Load(DefaultFileSystem(), m_dir.path(), error)) << error;
    }

    const Words kStart = {{"aller", "to go"}, {"venir", "to come"}, {"\xEAtre", "to be"}};
    TempDir m_dir;
    WordsModel m_model;
};

TEST_F(WordsModelTest, EveryChangeIsTakenBackLastFirst) {
    QString error;
    ASSERT_TRUE(m_model.SetText(1, WordsModel::kDefinition, "to arrive", error))
        << error.toStdString();
    ASSERT_EQ(m_model.AddWord("  partir ", "to leave", error), 3) << error.toStdString();
    ASSERT_TRUE(m_model.RemoveWords({0, 2}, error));
    EXPECT_EQ(RecordsOf(m_model), (Words{{"venir", "to arrive"}, {"partir", "to leave"}}));
    EXPECT_TRUE(m_model.IsModified());

    const Words steps[] = {
        {{"aller", "to go"}, {"venir", "to arrive"}, {"\xEAtre", "to be"}, {"partir", "to leave"}},
        {{"aller", "to go"}, {"venir", "to arrive"}, {"\xEAtre", "to be"}},
        {{"aller", "to go"}, {"venir", "to come"}, {"\xEAtre", "to be"}},
    };
    for (const Words& expected : steps) {
        ASSERT_TRUE(m_model.Undo());
        EXPECT_EQ(RecordsOf(m_model), expected);
    }
    EXPECT_FALSE(m_model.Undo());
    EXPECT_FALSE(m_model.IsModified());
    // The words not touched keep the bytes they were stored in: Windows-1252 here.
    EXPECT_EQ(m_model.data(m_model.index(2, WordsModel::kWord)).toString(), QString("être"));
}

TEST_F(WordsModelTest, AnEditorGetsTheTextItselfNotItsEscapes) {
    WriteWords(m_dir.path() / "list" / "kelvo.lst", {{"aller", "to\tgo"}, {"venir", "to come"}});
    std::string loadError;
    ASSERT_TRUE(m_model.Load(DefaultFileSystem(), m_dir.path(), loadError)) << loadError;
    const QModelIndex cell = m_model.index(0, WordsModel::kDefinition);
    EXPECT_EQ(m_model.data(cell, Qt::DisplayRole).toString(), QString("to\\x09go"));
    EXPECT_EQ(m_model.data(cell, Qt::EditRole).toString(), QString("to\tgo"));
    // Left as it was, it is no change; mended, the escape is never stored as letters.
    QString error;
    EXPECT_TRUE(m_model.SetText(0, WordsModel::kDefinition, "to\tgo", error));
    EXPECT_FALSE(m_model.IsModified());
    EXPECT_FALSE(m_model.SetText(0, WordsModel::kDefinition, "to\tgo!", error));
    ASSERT_TRUE(m_model.SetText(0, WordsModel::kDefinition, "to go", error));
    EXPECT_EQ(RecordsOf(m_model).front().second, "to go");
}

// Words longer than UTF-8 holds in a field are stored compact, and shown and edited whole.
TEST_F(WordsModelTest, LongWordsOfEveryScript_StoredCompactAndShownWhole) {
    const QString greek = QStringLiteral("ηλεκτροκαρδιογράφημα");
    const QString chinese = QStringLiteral("一丁七万丈三上下不与丐丑专且");
    QString error;
    ASSERT_TRUE(m_model.SetText(0, WordsModel::kWord, greek, error)) << error.toStdString();
    ASSERT_EQ(m_model.AddWord(chinese, greek.repeated(9), error), 3) << error.toStdString();
    EXPECT_TRUE(FieldText::IsCompact(m_model.Records()[0].word));
    EXPECT_EQ(m_model.data(m_model.index(0, WordsModel::kWord)).toString(), greek);
    EXPECT_EQ(m_model.data(m_model.index(3, WordsModel::kWord)).toString(), chinese);
    EXPECT_EQ(m_model.data(m_model.index(3, WordsModel::kDefinition), Qt::EditRole).toString(),
              greek.repeated(9));
    // Set again as it stands, it is no change.
    ASSERT_TRUE(m_model.Undo());
    ASSERT_TRUE(m_model.SetText(0, WordsModel::kWord, greek, error));
    EXPECT_TRUE(m_model.SetText(0, WordsModel::kWord, greek, error));
    ASSERT_TRUE(m_model.Undo());
    EXPECT_EQ(RecordsOf(m_model), kStart);
}

TEST_F(WordsModelTest, TellsAListChangedElsewhere) {
    EXPECT_FALSE(m_model.IsChangedElsewhere(DefaultFileSystem(), m_dir.path()));
    WriteWords(m_dir.path() / "list" / "kelvo.lst", {{"aller", "to go"}});
    EXPECT_TRUE(m_model.IsChangedElsewhere(DefaultFileSystem(), m_dir.path()));
}

TEST_F(WordsModelTest, ALastWordCannotBeDeleted) {
    QString error;
    EXPECT_FALSE(m_model.RemoveWords({0, 1, 2}, error));
    EXPECT_EQ(m_model.rowCount(), 3);
    EXPECT_FALSE(error.isEmpty());
}

struct Search {
    const char* typed;
    int shown;
};

void PrintTo(const Search& search, std::ostream* os) { *os << '"' << search.typed << '"'; }

class WordsSearchTest : public testing::TestWithParam<Search> {};

TEST_P(WordsSearchTest, IgnoresCaseAndAccentsInAnyScript) {
    TempDir dir;
    WriteWords(dir.path() / "list" / "kelvo.lst", {{"élan", "spirit"},
                                                   {"Ωμέγα", "the last letter"},
                                                   {"ёлка", "a fir tree, Ёлочка small"},
                                                   {"naïve", "ÉLAN-free"}});
    WordsModel model;
    std::string error;
    ASSERT_TRUE(model.Load(DefaultFileSystem(), dir.path(), error)) << error;
    WordsFilter filter(model);
    filter.SetSearch(QString::fromUtf8(GetParam().typed));
    EXPECT_EQ(filter.rowCount(), GetParam().shown) << GetParam().typed;
}

INSTANTIATE_TEST_SUITE_P(Typed, WordsSearchTest,
                         testing::Values(Search{"ELAN", 2},    // a word and a definition
                                         Search{"Élan", 2},    //
                                         Search{"omega", 0},   // no transliteration
                                         Search{"ΩΜΕΓΑ", 1},   //
                                         Search{"ωμεγα", 1},   //
                                         Search{"ЕЛ", 1},      // Ё and е fold alike
                                         Search{"naive", 1},   //
                                         Search{"letter", 1},  //
                                         Search{"", 4},        //
                                         Search{"zzz", 0}));

// Typing on looks only at the rows shown, deleting looks at them all again, and a word
// mended meanwhile is found by the longer search too.
TEST(WordsSearchNarrowing, ShowsWhatAFreshSearchShows_AcrossEditsAndDeletions) {
    TempDir dir;
    WriteWords(dir.path() / "list" / "kelvo.lst",
               {{"abc", "first"}, {"abd", "second"}, {"xyz", "third"}, {"ab", "fourth"}});
    WordsModel model;
    std::string error;
    ASSERT_TRUE(model.Load(DefaultFileSystem(), dir.path(), error)) << error;
    WordsFilter filter(model);
    const auto shown = [&](const char* typed) {
        filter.SetSearch(QString::fromUtf8(typed));
        return filter.rowCount();
    };
    EXPECT_EQ(shown("a"), 3);
    EXPECT_EQ(shown("ab"), 3);
    EXPECT_EQ(shown("abc"), 1);
    EXPECT_EQ(shown("ab"), 3) << "a deletion widens the search again";
    QString refused;
    ASSERT_TRUE(model.SetText(2, WordsModel::kWord, QStringLiteral("abcz"), refused))
        << refused.toStdString();
    EXPECT_EQ(shown("abc"), 2) << "the mended word is looked at too";
    EXPECT_EQ(shown("abcz"), 1);
    EXPECT_EQ(shown(""), 4);
}

// What import says of an entry, without its hint on an option the window lacks.
std::string ImportSays(const std::string& word, const std::string& definition,
                       FieldEncoder::Encoding encoding) {
    std::ostringstream printed;
    Diagnostics diagnostics(printed);
    RecordEncoder::Options options;
    options.encoding = encoding;
    RecordEncoder(options, diagnostics, "f").Encode({{1, word, definition, {}}});
    std::string text = diagnostics.Messages().at(0).text;
    const size_t hint = text.find(" (--truncate");
    return hint == std::string::npos ? text : text.substr(0, hint);
}

struct Refusal {
    int column;
    std::string text;
    FieldEncoder::Encoding encoding;
};

// The test's name says which text: gtest would print the bytes of the whole struct.
void PrintTo(const Refusal& refusal, std::ostream* os) { *os << '"' << refusal.text << '"'; }

class WordsRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(WordsRefusalTest, IsRefusedWithImportsMessage) {
    TempDir dir;
    WriteWords(dir.path() / "list" / "kelvo.lst", {{"aller", "to go"}});
    WordsModel model;
    model.SetEncoding(GetParam().encoding);
    std::string error;
    ASSERT_TRUE(model.Load(DefaultFileSystem(), dir.path(), error)) << error;
    const bool isWord = GetParam().column == WordsModel::kWord;
    const std::string said = isWord ? ImportSays(GetParam().text, "to go", GetParam().encoding)
                                    : ImportSays("aller", GetParam().text, GetParam().encoding);

    QString refused;
    EXPECT_FALSE(
        model.SetText(0, GetParam().column, QString::fromStdString(GetParam().text), refused));
    EXPECT_EQ(refused.toStdString(), said);
    const std::string word = isWord ? GetParam().text : "new";
    const std::string definition = isWord ? "new" : GetParam().text;
    EXPECT_EQ(
        model.AddWord(QString::fromStdString(word), QString::fromStdString(definition), refused),
        -1);
    EXPECT_EQ(refused.toStdString(), ImportSays(word, definition, GetParam().encoding));
    EXPECT_EQ(RecordsOf(model), (Words{{"aller", "to go"}}));
    EXPECT_FALSE(model.IsModified());
}

using Encoding = FieldEncoder::Encoding;
INSTANTIATE_TEST_SUITE_P(
    Entries, WordsRefusalTest,
    testing::Values(Refusal{WordsModel::kWord, std::string(31, 'w'), Encoding::Auto},
                    Refusal{WordsModel::kWord, "ωωωωωωωωωωωωωωωωωωωωωωωωωωωωω",
                            Encoding::Auto},  // 29 letters
                    Refusal{WordsModel::kWord, "  ", Encoding::Auto},
                    Refusal{WordsModel::kWord, "a\tb", Encoding::Auto},
                    Refusal{WordsModel::kWord, "ωμέγα", Encoding::Cp1252},
                    Refusal{WordsModel::kDefinition, std::string(201, 'd'), Encoding::Auto},
                    Refusal{WordsModel::kDefinition, "line\nbreak", Encoding::Auto},
                    Refusal{WordsModel::kDefinition, "", Encoding::Auto}));

}  // namespace
