// SPDX-License-Identifier: GPL-2.0-or-later
// The speech keys in the study window itself: what is on screen is what P says, and nothing
// before the start or before the reveal.
#include "tests/speech/FakeVoice.h"
#include "tests/ui/WindowFixture.h"

#include <memory>

namespace {

using Dlg = CQuibbixDlg;

TEST(StudyWindowSpeechTest, P_SaysTheWordShown_ShiftP_TheDefinitionOnceRevealed) {
    MainWindowHarness h;
    WriteFile("list/speech.cfg", "words de\ndefinitions fr\n");
    std::vector<Said> said;
    h.dialog->SetVoiceFactory([&said](const SpeechVoice::Events& events, QString&) {
        return std::make_unique<FakeVoice>(events, said, std::nullopt);
    });
    h.Run([&](Dlg& dlg) {
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
        const auto press = [&dlg](Qt::KeyboardModifiers modifiers) {
            QTest::keyClick(&dlg, Qt::Key_P, modifiers);
        };
        press(Qt::NoModifier);  // the start text is not a word
        Click(dlg, Dlg::kYesId);
        const std::string word = dlg.GetWordSelect().GetWord();
        press(Qt::NoModifier);
        press(Qt::ShiftModifier);  // nothing revealed yet
        Click(dlg, Dlg::kYesId);
        press(Qt::ShiftModifier);
        EXPECT_EQ(said,
                  (std::vector<Said>{{word, "de"}, {dlg.GetWordSelect().GetDefinition(), "fr"}}));

        // Each word said as it appears, once asked for.
        said.clear();
        QTest::keyClick(&dlg, Qt::Key_P, Qt::ControlModifier);
        Click(dlg, Dlg::kYesId);
        EXPECT_EQ(said, (std::vector<Said>{{word, "de"}, {dlg.GetWordSelect().GetWord(), "de"}}));
    });
}

}  // namespace
