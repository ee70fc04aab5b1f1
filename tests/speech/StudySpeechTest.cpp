// SPDX-License-Identifier: GPL-2.0-or-later
// The study window's speech keys, a list's speech settings and the notes that stand in for
// missing speech, with a fake voice; and the note when no speech service answers, with the
// real module.
#include "engine/WordListFile.h"
#include "tests/speech/FakeVoice.h"
#include "tests/support/TempDir.h"
#include "ui/StudyLine.h"
#include "ui/speech/SpeechSettings.h"
#include "ui/speech/StudySpeech.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QWidget>

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

class StudySpeechTest : public testing::Test {
protected:
    std::unique_ptr<StudySpeech> MakeSpeech(bool isBackwards = false,
                                            std::optional<SpeechVoice::Problem> problem = {},
                                            std::function<bool()> canBeHeard = {}) {
        auto factory = [this, problem](const SpeechVoice::Events& events, QString&) {
            ++voicesMade;
            return std::make_unique<FakeVoice>(events, said, problem);
        };
        StudySpeech::Texts texts{
            [this] { return shown.c_str(); }, [this] { return revealed.c_str(); },
            [this] { return Play(shownRecording); }, [this] { return Play(revealedRecording); }};
        return std::make_unique<StudySpeech>(window, Notes(), texts, isBackwards, factory,
                                             std::move(canBeHeard));
    }
    StudySpeech::NoteShower Notes() {
        return [this](const QString& note) { line.ShowNotice(note.toStdString()); };
    }
    void Press(QKeySequence keys) {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
    }
    bool Play(const std::string& recording) {
        if (!recording.empty()) played.push_back(recording);
        return !recording.empty();
    }
    std::string Line() const { return line.text().toStdString(); }
    // The line's note as one line: the line wraps it to its width.
    std::string Note() const { return line.text().simplified().toStdString(); }

    TempDir dir;
    QWidget window;
    CStudyLine line{&window};
    std::vector<Said> said;
    int voicesMade = 0;
    std::string shown = "dog";
    std::string revealed;
    std::string shownRecording, revealedRecording;
    std::vector<std::string> played;
};

TEST_F(StudySpeechTest, Keys_SayTheWordAndTheRevealedDefinitionInTheirLanguages) {
    WriteFile("list/speech.cfg", "words ru\ndefinitions de\n");
    auto speech = MakeSpeech();
    speech->OnWordShown();
    EXPECT_EQ(voicesMade, 1);
    EXPECT_TRUE(said.empty()) << "nothing is said unless asked";
    Press(QKeySequence(Qt::Key_P));
    Press(QKeySequence(Qt::SHIFT | Qt::Key_P));  // before the reveal: nothing to say
    revealed = "Hund";
    Press(QKeySequence(Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(said, (std::vector<Said>{{"dog", "ru"}, {"Hund", "de"}}));
    EXPECT_EQ(voicesMade, 1);
}

TEST_F(StudySpeechTest, ACardsOwnRecordingPlaysInsteadOfTheVoice_AsEachWordAppearsToo) {
    WriteFile("list/speech.cfg", "words ru\ndefinitions de\nspeak-each 1\n");
    auto speech = MakeSpeech();
    shownRecording = "dog.ogg";
    speech->OnWordShown();
    revealed = "Hund";
    revealedRecording = "hund.wav";
    Press(QKeySequence(Qt::SHIFT | Qt::Key_P));
    revealedRecording.clear();
    Press(QKeySequence(Qt::SHIFT | Qt::Key_P));
    EXPECT_EQ(played, (std::vector<std::string>{"dog.ogg", "hund.wav"}));
    EXPECT_EQ(said, (std::vector<Said>{{"Hund", "de"}}));
}

TEST_F(StudySpeechTest, Backwards_TheWordBoxSpeaksTheDefinitionsLanguage) {
    WriteFile("list/speech.cfg", "words ru\ndefinitions de\n");
    auto speech = MakeSpeech(true);
    shown = "Hund";
    speech->SayShown();
    EXPECT_EQ(said, (std::vector<Said>{{"Hund", "de"}}));
}

TEST_F(StudySpeechTest, CtrlP_SpeaksEachWordAndKeepsTheListsOtherSettings) {
    WriteFile("list/speech.cfg", "words el\nfuture-key x\n");
    auto speech = MakeSpeech();
    Press(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Note(), "Each word is spoken");
    EXPECT_EQ(ReadFile("list/speech.cfg"), "words el\nspeak-each 1\n")
        << "a guessed language is not stored";
    shown = u8"σκύλος";
    speech->OnWordShown();
    EXPECT_EQ(said, (std::vector<Said>{{"dog", "el"}, {u8"σκύλος", "el"}}))
        << "the word on screen first";
    // The next run of the list speaks each word too.
    auto later = MakeSpeech();
    EXPECT_TRUE(later->IsSpeakingEach());
}

TEST_F(StudySpeechTest, NoStoredLanguage_GuessedFromTheListsScript) {
    ASSERT_TRUE(WordListFile::Write("list/kelvo.lst", {{u8"собака", "dog"}, {u8"кошка", "cat"}}));
    auto speech = MakeSpeech();
    shown = u8"собака";
    speech->OnWordShown();
    speech->SayShown();
    ASSERT_EQ(said.size(), 1u);
    EXPECT_EQ(said[0].language, "ru");
    EXPECT_FALSE(FileExists("list/speech.cfg")) << "guessing writes nothing";
}

TEST_F(StudySpeechTest, NoService_SaysWhatToInstallOnce) {
    auto speech = MakeSpeech(false, SpeechVoice::Problem::kNoService);
    speech->SayShown();
    const std::string note = Line();
    EXPECT_EQ(note, "No speech: install speech-dispatcher\nand speech-dispatcher-espeak-ng");
    line.setText("");
    speech->SayShown();
    EXPECT_EQ(Line(), "") << "the note comes once";
}

// Speech into no sound output is silence: the first word said tells why, once.
TEST_F(StudySpeechTest, NoSoundOutput_SaysSoOnce_AndCtrlPSaysWhatItTurned) {
    int checks = 0;
    auto speech = MakeSpeech(false, {}, [&checks] { return ++checks < 0; });
    speech->SayShown();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return Note() == "No sound output: the word cannot be spoken"; }, 5000))
        << Line();
    speech->SayShown();
    EXPECT_EQ(checks, 1);
    Press(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Note(), "Each word is spoken");
    Press(QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(Note(), "Words are not spoken");
}

// A note that comes while the second-press hint holds the line, or that the hint cuts
// short, still shows for its whole time once the hint gives way.
TEST_F(StudySpeechTest, NoteAndHint_TheNoteShowsWholeOnceTheHintGivesWay) {
    constexpr int kMs = 100;
    const std::string raw = "No speech: install speech-dispatcher";
    const std::string note = CStudyLine::NoticeText(raw);
    const std::string hint = CStudyLine::HintText(1);
    for (bool isNoteFirst : {false, true}) {
        SCOPED_TRACE(isNoteFirst ? "note, then hint" : "hint, then note");
        line.ShowProgress({});
        if (isNoteFirst) line.ShowNotice(raw, kMs);
        line.ShowHint(1);
        if (!isNoteFirst) line.ShowNotice(raw, kMs);
        EXPECT_EQ(hint, Line());
        QTest::qWait(3 * kMs);
        line.ShowProgress({});
        EXPECT_EQ(note, Line());
        EXPECT_TRUE(QTest::qWaitFor([this] { return Line().rfind("This session", 0) == 0; }))
            << Line();
    }
}

// Quick answers, each with its hint, never keep a notice up: it shows for its time in all.
TEST_F(StudySpeechTest, NoteAndQuickAnswers_TheNoteGoesAfterItsTimeInAll) {
    constexpr int kMs = 400;
    line.ShowProgress({});
    line.ShowNotice("Speak each word as it appears: on", kMs);
    QElapsedTimer clock;
    clock.start();
    while (Line().rfind("This session", 0) != 0 && clock.elapsed() < 10 * kMs) {
        QTest::qWait(kMs / 4);
        line.ShowHint(1);
        QTest::qWait(kMs / 8);
        line.ShowProgress({});
    }
    EXPECT_LT(clock.elapsed(), 4 * kMs) << Line();
}

TEST_F(StudySpeechTest, NoVoice_NamesEachLanguageOnce) {
    WriteFile("list/speech.cfg", "words ka\ndefinitions hy\n");
    auto speech = MakeSpeech(false, SpeechVoice::Problem::kNoVoice);
    revealed = "x";
    std::vector<std::string> notes;
    for (int press = 0; press < 2; ++press) {
        for (bool isWord : {true, false}) {
            line.setText("");
            isWord ? speech->SayShown() : speech->SayRevealed();
            notes.push_back(Line());
        }
    }
    EXPECT_NE(notes[0].find("Georgian"), std::string::npos) << notes[0];
    EXPECT_NE(notes[1].find("Armenian"), std::string::npos) << notes[1];
    EXPECT_EQ(notes[2], "");
    EXPECT_EQ(notes[3], "");
}

// The real module, with speech-dispatcher's address pointing nowhere: the voice's engine
// fails on its own thread and the line says so, while the window never waits.
TEST_F(StudySpeechTest, RealModule_NoServiceAnswers_NoteInTheStudyLine) {
    const QString module = ModuleLoader::PathOf(SpeechModule::kFileName);
    if (!QFile::exists(module)) GTEST_SKIP() << "built without Qt's speech library";
    qputenv("SPEECHD_ADDRESS", ("unix_socket:" + dir.path().string() + "/none.sock").c_str());
    StudySpeech::Texts texts{[this] { return shown.c_str(); }, [] { return ""; }, {}, {}};
    StudySpeech speech(window, Notes(), texts, false);
    QElapsedTimer pressed;
    pressed.start();
    speech.OnWordShown();
    speech.SayShown();
    EXPECT_LT(pressed.elapsed(), 1000) << "the window waited for the engine";
    EXPECT_TRUE(QTest::qWaitFor([this] { return Line().rfind("No speech", 0) == 0; }, 20000))
        << Line();
    qunsetenv("SPEECHD_ADDRESS");
}

TEST(SpeechSettingsTest, Load_BadValuesPassedOver) {
    TempDir dir;
    WriteFile("list/speech.cfg",
              "words ru;rm -rf\ndefinitions pt-BR\nspeak-each yes\nwords\n\xff\xfe\n");
    SpeechSettings settings;
    ASSERT_TRUE(settings.Load(SpeechSettings::FileIn({})));
    EXPECT_EQ(settings.wordLanguage, "");
    EXPECT_EQ(settings.definitionLanguage, "pt-BR");
    EXPECT_FALSE(settings.isSpeakingEach);
}

}  // namespace
