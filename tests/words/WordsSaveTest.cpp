// SPDX-License-Identifier: GPL-2.0-or-later
// Saving the Words window's changes through the list's update: an edited word keeps its
// progress, however it is now spelled, a new word comes first to be viewed, a deleted word's
// progress goes (to the backups), and the study goes on at the word it showed, or the next one.
#include "engine/SessionFiles.h"
#include "lists/MediaIndex.h"
#include "lists/MediaStore.h"
#include "tests/lists/ListTestFiles.h"
#include "ui/words/WordsWindow.h"

#include <QApplication>
#include <QImage>
#include <QTimer>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string CurrWordBytes(int32_t listId, int32_t counter, uint32_t wordIndex) {
    CurrWordRecord record;
    record.listId = listId;
    record.counter = counter;
    record.wordIndex = wordIndex;
    std::string bytes(CurrWordRecord::kSize, '\0');
    record.Encode(bytes.data());
    return bytes;
}

TEST(WordsSave, KeepsEditedProgressPutsNewWordsFirstAndDropsDeletedOnes) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    const fs::path folder = home.Home();
    // Index i names record i, index n record 0: aller is 3, venir 1, partir 2.
    WriteWords(folder / "list" / "kelvo.lst",
               {{"aller", "to go"}, {"venir", "to come"}, {"partir", "to leave"}});
    WriteSession(folder, {}, {{2, 0}});
    WriteFile((folder / SessionFiles::kUnsure.path).string(), ListText({{1, 2}}));
    WriteFile((folder / SessionFiles::kCurrWord).string(), CurrWordBytes(LIST_MISTAKEN, 1, 3));
    fs::create_directories(folder / "session-reverse");
    WriteFile((folder / "session-reverse" / "tobeviewed.txt").string(), ListText({{1, 0}, {2, 0}}));
    WriteFile((folder / "session-reverse" / "unsure.txt").string(), ListText({{3, 1}}));
    // Backwards partir was known and waits for review.
    WriteFile((folder / "session-reverse" / "review.txt").string(), ListText({{2, 0}}));

    WordsWindow::Options options;
    options.focusRecord = 2;  // partir, on screen
    options.settingsFile = QString::fromStdString((home.Root() / "words.ini").string());
    WordsWindow window(store, *store.Find("First list"), options);
    std::string error;
    ASSERT_TRUE(window.Load(error)) << error;
    WordsModel& model = window.Model();
    using State = WordProgress::State;
    EXPECT_EQ(model.ProgressOf(0, ListFolder::Direction::kForwards).state,
              State::kMistaken);  // on screen
    EXPECT_EQ(model.ProgressOf(0, ListFolder::Direction::kBackwards).state, State::kUnsure);
    EXPECT_EQ(model.ProgressOf(1, ListFolder::Direction::kForwards).state, State::kUnsure);
    EXPECT_EQ(model.ProgressOf(1, ListFolder::Direction::kForwards).counter, 2);
    EXPECT_EQ(model.ProgressOf(2, ListFolder::Direction::kForwards).state, State::kKnown);
    EXPECT_EQ(model.ProgressOf(2, ListFolder::Direction::kBackwards).state, State::kUnderReview);
    EXPECT_EQ(model.ProgressOf(1, ListFolder::Direction::kBackwards).state, State::kToBeViewed);
    EXPECT_EQ(model.CountWithProgress({0, 2}), 2);
    EXPECT_EQ(model.data(model.index(1, WordsModel::kState)).toString(), QString("unsure"));

    QString refused;
    // A typo fixed: the word on screen keeps its progress both ways under its new spelling.
    ASSERT_TRUE(model.SetText(0, WordsModel::kWord, "allez", refused));
    ASSERT_TRUE(model.SetText(1, WordsModel::kDefinition, "to arrive", refused));
    // Deleted and typed in again, the same text is a new word: the old one's progress goes.
    ASSERT_TRUE(model.RemoveWords({2}, refused));
    ASSERT_EQ(model.AddWord("partir", "to leave", refused), 2);
    ASSERT_TRUE(window.Save());

    // allez 3, venir 1, partir 2.
    EXPECT_EQ(ReadWords(folder / "list" / "kelvo.lst"),
              (Words{{"allez", "to go"}, {"venir", "to arrive"}, {"partir", "to leave"}}));
    EXPECT_EQ(ReadFile((folder / SessionFiles::kCurrWord).string()),
              CurrWordBytes(LIST_MISTAKEN, 1, 3));
    EXPECT_EQ(LoadEntries(folder / SessionFiles::kUnsure.path), (Entries{{1, 2}}));
    EXPECT_EQ(LoadEntries(folder / SessionFiles::kKnown.path), (Entries{}));
    EXPECT_EQ(LoadEntries(folder / SessionFiles::kToBeViewed.path), (Entries{{2, 0}}));
    EXPECT_EQ(LoadEntries(folder / "session" / "known.txt.bak"), (Entries{{2, 0}}));
    // Backwards too: allez stays unsure, partir's entry goes, the new partir comes first.
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "unsure.txt"), (Entries{{3, 1}}));
    EXPECT_EQ(LoadEntries(folder / "session-reverse" / "tobeviewed.txt"),
              (Entries{{2, 0}, {1, 0}}));
    EXPECT_FALSE(model.IsModified());
    EXPECT_EQ(model.ProgressOf(1, ListFolder::Direction::kForwards).state, State::kUnsure);
    EXPECT_EQ(model.ProgressOf(2, ListFolder::Direction::kForwards).state, State::kToBeViewed);

    const WordsWindow::Outcome& outcome = window.Result();
    EXPECT_TRUE(outcome.isChanged);
    EXPECT_NE(outcome.report.find("2 words keep their progress"), std::string::npos)
        << outcome.report;
    // partir was the last word: the study goes on at the first.
    EXPECT_EQ(outcome.focusRecord, 0);
    EXPECT_EQ(outcome.focusWord, "allez");
}

}  // namespace

namespace {

std::string PngFile(const fs::path& path, QColor color) {
    QImage image(12, 8, QImage::Format_RGB32);
    image.fill(color);
    image.save(QString::fromStdString(path.string()), "PNG");
    return path.string();
}

TEST(WordsSave, PicturesAndRecordingsAreGivenAndTakenAway_AndGoWithTheSave) {
    DataHome home;
    ListStore store(home.Home(), home.Defaults());
    const fs::path folder = home.Home();
    WriteWords(folder / "list" / "kelvo.lst", {{"chat", "cat"}, {"chien", "dog"}});
    MediaStore media(folder);
    std::string note;
    const std::string bark = *media.AddBytes("RIFF....WAVE", "wav", "bark", note);
    MediaIndex index;
    index.Set({"chien", "dog"}, {"", bark, "", ""});
    WriteFile((folder / MediaIndex::kFile).string(), index.Serialize());

    WordsWindow::Options options;
    options.settingsFile = QString::fromStdString((home.Root() / "words.ini").string());
    WordsWindow window(store, *store.Find("First list"), options);
    std::string error;
    ASSERT_TRUE(window.Load(error)) << error;
    WordsModel& model = window.Model();
    EXPECT_EQ(model.MediaOf(1).wordSound, bark);
    EXPECT_EQ(model.data(model.index(1, WordsModel::kMedia)).toString(), QString("Recording"));

    const std::string cat = PngFile(home.Root() / "cat.png", Qt::green);
    ASSERT_TRUE(window.SetMediaFile(0, true, QString::fromStdString(cat)));
    EXPECT_FALSE(model.data(model.index(0, WordsModel::kMedia), Qt::DecorationRole)
                     .value<QPixmap>()
                     .isNull());
    WriteFile((home.Root() / "fake.png").string(), "no picture");
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    EXPECT_FALSE(
        window.SetMediaFile(1, true, QString::fromStdString((home.Root() / "fake.png").string())));
    CardMedia silent = model.MediaOf(1);
    silent.wordSound.clear();
    model.SetMedia(1, silent);
    ASSERT_TRUE(window.Save());

    const MediaIndex saved = MediaIndex::Load(folder);
    ASSERT_TRUE(saved.Find({"chat", "cat"}));
    EXPECT_EQ(
        ReadFile(
            (folder / MediaStore::kDir / saved.Find({"chat", "cat"})->definitionPicture).string()),
        ReadFile(cat));
    EXPECT_FALSE(saved.Find({"chien", "dog"}));
    EXPECT_FALSE(MediaStore(folder).Has(bark)) << "no card names it any more";
}

}  // namespace
