// SPDX-License-Identifier: GPL-2.0-or-later
// The configuration dialog, opened from the main window's "Fonts and Colors": the samples
// follow every choice, only OK reaches the main window, the file and the next break, and the
// usage clock is stopped while the dialog is open.

#include "lists/ListStore.h"
#include "platform/FontConversion.h"
#include "tests/support/FaultyFileSystem.h"
#include "tests/ui/PixelTools.h"
#include "tests/ui/WindowFixture.h"
#include "ui/QuibConfigDlg.h"

#include <QColorDialog>
#include <QDir>
#include <QEvent>
#include <QFontDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>
#include <optional>

namespace {

namespace fs = std::filesystem;

using Dlg = CQuibbixDlg;
using Cfg = CQuibConfigDlg;

constexpr COLORREF kChosen = RGB(0x12, 0x34, 0x56);
const QColor kDefaultGrey(0x80, 0x80, 0x80);

LogFont BigSerif() {
    LogFont lf;
    lf.lfHeight = -40;
    lf.lfWeight = 700;
    SetFaceName(lf, QStringLiteral("DejaVu Serif"));
    return lf;
}

// A spot of the main window's own surface, clear of every control.
QColor MainBackground(Dlg& dlg) { return PixelOf(dlg, QPoint(3, 3)); }

// Counts the paints of one widget, watching the whole application.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(const QWidget& widget) : m_widget(&widget) {
        qApp->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == m_widget && event->type() == QEvent::Paint) ++paints;
        return false;
    }

private:
    const QWidget* m_widget;
};

// Clicks "Fonts and Colors" and runs `inside` in the configuration dialog.
void InConfigDialog(Dlg& dlg, const std::function<void(Cfg&)>& inside) {
    QWidget* opened = WithModal([&] { Click(dlg, Dlg::kFontsId); },
                                [&](QWidget* w) {
                                    auto* dialog = dynamic_cast<Cfg*>(w);
                                    ASSERT_NE(dialog, nullptr);
                                    inside(*dialog);
                                });
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), "Configuration");
}

TEST(QuibConfigDlgTest, Cancel_LeavesTheMainBoxesTheFileAndTheNextOpeningUnchanged) {
    MainWindowHarness h;
    h.platform.dialogs.nextFont = BigSerif();
    h.platform.dialogs.nextTextColor = RGB(0xFF, 0, 0);
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        const QImage wordBox = Rendered(dlg.GetWordBox());
        const LogFont vocabulary = dlg.GetSettings().m_lfVocabulary;
        QImage sample;
        InConfigDialog(dlg, [&](Cfg& cfg) {
            sample = Rendered(cfg.GetSample(Cfg::kVocabularySampleId));
            Click(cfg, Cfg::kVocabularyFontId);
            EXPECT_NE(Rendered(cfg.GetSample(Cfg::kVocabularySampleId)), sample);
            EXPECT_EQ(cfg.GetConfigData().m_lfVocabulary, BigSerif());
            Click(cfg, IDCANCEL);
        });
        EXPECT_EQ(Rendered(dlg.GetWordBox()), wordBox);
        EXPECT_EQ(dlg.GetSettings().m_lfVocabulary, vocabulary);
        EXPECT_FALSE(FileExists(CQuibConfigData::kFileName));

        h.platform.dialogs.accept = false;
        InConfigDialog(dlg, [&](Cfg& cfg) {
            EXPECT_EQ(Rendered(cfg.GetSample(Cfg::kVocabularySampleId)), sample);
            Click(cfg, Cfg::kVocabularyFontId);
            Click(cfg, IDCANCEL);
        });
        // The font dialog opened from the record in force, not from the one discarded.
        ASSERT_EQ(h.platform.dialogs.fontOpenedWith.size(), 2u);
        EXPECT_EQ(h.platform.dialogs.fontOpenedWith[1], vocabulary);
        EXPECT_EQ(h.platform.dialogs.fontColorOpenedWith[1], dlg.GetSettings().m_crVocabularyText);
        EXPECT_EQ(Rendered(dlg.GetWordBox()), wordBox);
    });
}

// Each opening builds the placeholders anew under boxes that already exist; the boxes must
// still cover them, as they do at the first opening.
TEST(QuibConfigDlgTest, SecondOpening_SamplesStillCoverTheirPlaceholders) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        std::vector<QImage> first;
        for (int opening = 0; opening < 2; ++opening) {
            InConfigDialog(dlg, [&](Cfg& cfg) {
                int i = 0;
                for (int id :
                     {Cfg::kVocabularySampleId, Cfg::kDefinitionSampleId, Cfg::kProgramSampleId}) {
                    const QImage image = Rendered(cfg.GetSample(id));
                    if (opening == 0) {
                        first.push_back(image);
                    } else {
                        EXPECT_EQ(image, first[i]) << "sample " << id;
                    }
                    ++i;
                }
                Click(cfg, IDCANCEL);
            });
        }
    });
}

// Alike buttons are told apart by a screen reader through the group each sits in.
TEST(QuibConfigDlgTest, AlikeButtons_AreDescribedByTheirGroups) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        InConfigDialog(dlg, [&](Cfg& cfg) {
            const QString word = cfg.GetDlgItem(Cfg::kVocabularyFontId)->accessibleDescription();
            const QString definition =
                cfg.GetDlgItem(Cfg::kDefinitionFontId)->accessibleDescription();
            EXPECT_FALSE(word.isEmpty());
            EXPECT_NE(word, definition);
            EXPECT_EQ(cfg.GetDlgItem(Cfg::kVocabularyBackId)->accessibleDescription(), word);
            Click(cfg, IDCANCEL);
        });
    });
}

TEST(QuibConfigDlgTest, OkWithoutAChange_StillSavesAndReapplies) {
    MainWindowHarness h;
    h.Run([&](Dlg& dlg) {
        PaintCounter wordPaints(dlg.GetWordBox()), definitionPaints(dlg.GetDefinitionBox());
        InConfigDialog(dlg, [&](Cfg& cfg) {
            wordPaints.paints = definitionPaints.paints = 0;
            Click(cfg, IDOK);
        });
        EXPECT_EQ(ReadFile(CQuibConfigData::kFileName).size(), 140u);
        EXPECT_GT(wordPaints.paints, 0);
        EXPECT_GT(definitionPaints.paints, 0);
        CQuibConfigData saved;
        ASSERT_EQ(saved.Load(), 1);
        EXPECT_EQ(saved.m_lfVocabulary, dlg.GetSettings().m_lfVocabulary);
        EXPECT_EQ(saved.m_crProgramBack, dlg.GetSettings().m_crProgramBack);
    });
}

TEST(QuibConfigDlgTest, ProgramBackground_ShowsInItsSampleOnly_UntilOk_ThenEverywhere) {
    MainWindowHarness h;
    h.platform.dialogs.nextColor = kChosen;
    h.Run([&](Dlg& dlg) {
        Click(dlg, Dlg::kYesId);
        ASSERT_EQ(MainBackground(dlg), kDefaultGrey);
        InConfigDialog(dlg, [&](Cfg& cfg) {
            Click(cfg, Cfg::kProgramBackId);
            EXPECT_EQ(PixelOf(cfg.GetSample(Cfg::kProgramSampleId)), ColorFromColorref(kChosen));
            EXPECT_EQ(PixelOf(cfg.GetSample(Cfg::kVocabularySampleId)), QColor(Qt::white));
            EXPECT_EQ(MainBackground(dlg), kDefaultGrey);
            EXPECT_NE(dlg.GetSettings().m_crProgramBack, kChosen);
            Click(cfg, IDOK);
        });
        EXPECT_EQ(dlg.GetSettings().m_crProgramBack, kChosen);  // plain RGB, high byte 0x00
        EXPECT_EQ(MainBackground(dlg), ColorFromColorref(kChosen));

        QWidget* opened =
            WithModal([&] { Click(dlg, Dlg::kBreakId); },
                      [&](QWidget* w) {
                          EXPECT_EQ(PixelOf(*w, QPoint(1, 1)), ColorFromColorref(kChosen));
                          Click(w, IDOK);
                      });
        EXPECT_EQ(opened, &dlg.GetBreakDlg());
    });
}

TEST(QuibConfigDlgTest, ColourDialog_OpensWithNothingPreselected_AndCancelChangesNothing) {
    MainWindowHarness h;
    FakeCommonDialogs& dialogs = h.platform.dialogs;
    dialogs.nextColor = kChosen;
    h.Run([&](Dlg& dlg) {
        InConfigDialog(dlg, [&](Cfg& cfg) {
            Click(cfg, Cfg::kVocabularyBackId);
            ASSERT_EQ(cfg.GetConfigData().m_crVocabularyBack, kChosen);
            Click(cfg, Cfg::kVocabularyBackId);
            Click(cfg, Cfg::kDefinitionBackId);

            dialogs.accept = false;
            dialogs.nextColor = RGB(0xFF, 0, 0);
            Click(cfg, Cfg::kVocabularyBackId);
            EXPECT_EQ(cfg.GetConfigData().m_crVocabularyBack, kChosen);
            EXPECT_EQ(PixelOf(cfg.GetSample(Cfg::kVocabularySampleId)), ColorFromColorref(kChosen));
            Click(cfg, IDCANCEL);
        });
        // The same empty start every time, whatever colour was in force.
        ASSERT_EQ(dialogs.colorOpenedWith.size(), 4u);
        for (COLORREF offered : dialogs.colorOpenedWith) EXPECT_EQ(offered, 0u);
    });
}

TEST(QuibConfigDlgTest, PlatformColourDialog_GivesPlainRgb) {
    TempDir dir;
    QtCommonDialogs dialogs;
    Cfg cfg(dialogs);
    CQuibConfigData settings;
    settings.m_crProgramBack = PALETTERGB(0x12, 0x34, 0x56);
    cfg.SetConfigData(settings);
    RunModal(cfg, [&] {
        QWidget* opened =
            WithModal([&] { Click(cfg, Cfg::kProgramBackId); },
                      [&](QWidget* w) {
                          auto* colorDialog = qobject_cast<QColorDialog*>(w);
                          ASSERT_NE(colorDialog, nullptr);
                          EXPECT_NE(colorDialog->currentColor(), QColor(0x12, 0x34, 0x56));
                          colorDialog->setCurrentColor(QColor(0x65, 0x43, 0x21));
                          colorDialog->accept();
                      });
        EXPECT_NE(opened, nullptr);
        Click(cfg, IDOK);
    });
    EXPECT_EQ(cfg.GetConfigData().m_crProgramBack, 0x00214365u);
}

// The platform's font dialog, accepted as it opened, hands back the very record it opened on;
// it must open on the font in force, whatever its regular style is called.
TEST(QuibConfigDlgTest, PlatformFontDialog_OkWithoutAChange_SavesTheSameBytes) {
    LogFont serif;
    serif.lfHeight = -14;  // 10.5 points at 96 dpi, which the dialog can only round
    serif.lfWeight = 400;
    serif.lfItalic = 1;
    SetFaceName(serif, QStringLiteral("DejaVu Serif"));
    LogFont mono;
    mono.lfHeight = -27;
    mono.lfWeight = 700;
    mono.lfCharSet = 1;
    SetFaceName(mono, QStringLiteral("DejaVu Sans Mono"));
    const std::optional<LogFont> cases[] = {std::nullopt, serif, mono};
    for (const std::optional<LogFont>& stored : cases) {
        SCOPED_TRACE(stored ? FaceName(*stored).toStdString() : "the default font");
        MainWindowHarness h;
        QtCommonDialogs fontDialogs;
        FakePlatform& p = h.platform;
        PlatformServices services{p.messageBoxes, p.screen, p.keys, p.sound, fontDialogs};
        if (stored) {
            CQuibConfigData settings;
            settings.m_lfVocabulary = settings.m_lfDefinition = *stored;
            ASSERT_EQ(settings.Save(), 1);
        }
        h.dialog = std::make_unique<Dlg>(services, h.env);
        h.Run([&](Dlg& dlg) {
            const std::string before = dlg.GetSettings().Encode();
            const LogFont& current = dlg.GetSettings().m_lfVocabulary;
            const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
            InConfigDialog(dlg, [&](Cfg& cfg) {
                for (int button : {Cfg::kVocabularyFontId, Cfg::kDefinitionFontId}) {
                    QWidget* opened = WithModal(
                        [&] { Click(cfg, button); },
                        [&](QWidget* w) {
                            auto* fontDialog = qobject_cast<QFontDialog*>(w);
                            ASSERT_NE(fontDialog, nullptr);
                            const QFont shown = fontDialog->currentFont();
                            EXPECT_EQ(shown.family(), FaceName(current));
                            EXPECT_EQ(shown.italic(), current.lfItalic != 0);
                            EXPECT_EQ(shown.weight(), current.lfWeight);
                            EXPECT_EQ(shown.pointSize(), qRound(-current.lfHeight * 72 / dpi));
                            fontDialog->accept();
                        });
                    EXPECT_NE(opened, nullptr);
                }
                Click(cfg, IDOK);
            });
            EXPECT_EQ(ReadFile(CQuibConfigData::kFileName), before);
        });
    }
}

// "Use for Every List" asks, then writes the settings to every list and to the data home's
// own defaults, which a list added later starts with; declined, they are this list's only.
TEST(QuibConfigDlgTest, UseForEveryList_AfterAsking_EveryListAndTheNextOne) {
    for (const int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "yes" : "no");
        MainWindowHarness h;
        const fs::path home = fs::current_path();
        ListStore store(home, {});
        std::string error;
        const std::optional<fs::path> second = store.Create("Second", error);
        ASSERT_TRUE(second) << error;
        h.platform.dialogs.nextColor = kChosen;
        h.platform.messageBoxes.Answer(answer);
        h.Run([&](Dlg& dlg) {
            InConfigDialog(dlg, [&](Cfg& cfg) {
                Click(cfg, Cfg::kProgramBackId);
                auto* everyList =
                    cfg.findChild<QPushButton*>(QStringLiteral("useForEveryListButton"));
                ASSERT_TRUE(everyList && everyList->isVisible());
                const QString shots = qEnvironmentVariable("QUIBBIX_UI_SCREENSHOTS");
                if (!shots.isEmpty())
                    cfg.grab().save(QDir(shots).filePath(QStringLiteral("every-list.png")));
                everyList->click();
            });
            EXPECT_EQ(MainBackground(dlg), ColorFromColorref(kChosen));
        });
        const std::string chosen = ReadFile(CQuibConfigData::kFileName);
        const std::string other = (*second / CQuibConfigData::kFileName).string();
        EXPECT_EQ(answer == IDYES, FileExists((home / "defaults/GUISetting.cfg").string()));
        EXPECT_EQ(answer == IDYES, FileExists(other) && ReadFile(other) == chosen);
        const std::optional<fs::path> third = store.Create("Third", error);
        ASSERT_TRUE(third) << error;
        const std::string later = (*third / CQuibConfigData::kFileName).string();
        EXPECT_EQ(answer == IDYES, FileExists(later) && ReadFile(later) == chosen);
    }
}

// The new look stays on screen for the session; the file keeps what was saved before.
TEST(QuibConfigDlgTest, FailedSave_NamesTheFileAndTheReason_AndKeepsTheOldFile) {
    const struct {
        bool diskFull;
        const char* reason;
    } cases[] = {{true, "No space left on device"}, {false, "Permission denied"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        FaultyFileSystem files;
        MainWindowHarness h;
        h.env.files = &files;
        h.platform.dialogs.nextColor = kChosen;
        ASSERT_EQ(CQuibConfigData().Save(), 1);
        const std::string saved = ReadFile(CQuibConfigData::kFileName);
        h.Run([&](Dlg& dlg) {
            if (c.diskFull) files.spaceLeft = 0;
            if (!c.diskFull) files.readOnly.insert(CQuibConfigData::kFileName);
            InConfigDialog(dlg, [&](Cfg& cfg) {
                Click(cfg, Cfg::kProgramBackId);
                Click(cfg, IDOK);
            });
            const auto& boxes = h.platform.messageBoxes.ShownBoxes();
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].caption, "Quibbix");
            EXPECT_EQ(boxes[0].icon, MessageBoxes::Icon::Error);
            EXPECT_NE(boxes[0].text.find(std::string("list/GUISetting.cfg: ") + c.reason),
                      std::string::npos)
                << boxes[0].text;
            EXPECT_EQ(MainBackground(dlg), ColorFromColorref(kChosen));
        });
        EXPECT_EQ(ReadFile(CQuibConfigData::kFileName), saved);
    }
}

TEST(QuibConfigDlgTest, UsageClock_StopsForTheDialog_AndRunsAfterOnlyWhileStudying) {
    const struct {
        bool studying;
        int button;
    } cases[] = {{false, IDOK}, {false, IDCANCEL}, {true, IDOK}, {true, IDCANCEL}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.studying ? "studying, " : "before the start, ")
                                        << (c.button == IDOK ? "OK" : "Cancel"));
        MainWindowHarness h;
        h.Run([&](Dlg& dlg) {
            if (c.studying) Click(dlg, Dlg::kYesId);
            InConfigDialog(dlg, [&](Cfg& cfg) {
                EXPECT_FALSE(dlg.GetTimeRecord().IsRunning());
                h.env.now += 100;
                Click(cfg, c.button);
            });
            EXPECT_EQ(dlg.GetTimeRecord().IsRunning(), c.studying);
            EXPECT_EQ(dlg.GetTimeRecord().GetRunTime(), 0);
        });
    }
}

// The samples show the whole of "Sample" in the fonts the launcher starts with, and the word's
// sample in a font far larger than its box; cut to "Samp", they would hide what the font looks
// like.
TEST(QuibConfigDlgTest, LargeFonts_SamplesShowTheirWholeText) {
    LogFont huge = BigSerif();
    huge.lfHeight = -72;
    for (bool chosen : {false, true}) {
        SCOPED_TRACE(chosen ? "a huge font chosen" : "the launcher's settings");
        MainWindowHarness h;
        WriteFile(CQuibConfigData::kFileName,
                  ReadFile(std::string(QUIBBIX_BUILT_LIST_DIR) + "/GUISetting.cfg"));
        h.platform.dialogs.nextFont = huge;
        h.Run([&](Dlg& dlg) {
            InConfigDialog(dlg, [&](Cfg& cfg) {
                if (chosen) Click(cfg, Cfg::kVocabularyFontId);
                for (int id : {Cfg::kVocabularySampleId, Cfg::kDefinitionSampleId}) {
                    const CWinText& sample = cfg.GetSample(id);
                    const QImage image = Rendered(sample);
                    const QRect client = sample.ClientRect().ToQRect();
                    const QRect ink = InkBounds(image, image.pixelColor(client.topLeft()), client);
                    // Cut text runs into the edge of the area it is drawn in.
                    EXPECT_FALSE(ink.isEmpty()) << id;
                    EXPECT_TRUE(client.adjusted(1, 1, -1, -1).contains(ink))
                        << id << ": ink " << ink.left() << ".." << ink.right() << " in "
                        << client.width();
                }
                Click(cfg, IDCANCEL);
            });
        });
    }
}

}  // namespace
