// SPDX-License-Identifier: GPL-2.0-or-later
// Every window on the screens people have, 1366x768 and 1920x1080 at scale 1, 1.5 and 2: it
// lies, frame and all, within the screen, and controls that cannot shrink so far scroll. The
// screens are Qt's offscreen ones, side by side, each with its own scale; a window goes to a
// screen with the window it is opened from. With QUIBBIX_FIT_SCREENSHOTS naming a folder, a
// picture of each window is kept there.

#include "lists/ListStore.h"
#include "tests/ui/WindowFixture.h"
#include "ui/BreakDlg.h"
#include "ui/ProgressLoader.h"
#include "ui/QuibConfigDlg.h"
#include "ui/QuibStatisticDlg.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/RefusedDialog.h"

#include <QAccessible>
#include <QFile>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>

#include "windowfit/WindowFit.h"

namespace {

struct ScreenCase {
    const char* name;
    int width;
    int height;
    double scale;
};

void PrintTo(const ScreenCase& screen, std::ostream* out) { *out << screen.name; }

// The first lies at (0, 0), where the study window's fake work area puts it.
constexpr ScreenCase kScreens[] = {
    {"1366x768@2", 1366, 768, 2},       {"1366x768@1", 1366, 768, 1},
    {"1366x768@1.5", 1366, 768, 1.5},   {"1920x1080@1", 1920, 1080, 1},
    {"1920x1080@1.5", 1920, 1080, 1.5}, {"1920x1080@2", 1920, 1080, 2},
};

// The offscreen platform's configuration: the screens side by side. A screen's size is given
// in the units windows are measured in, the pixels divided by the scale, as the platform
// reports a screen whose pixels it scales itself.
QByteArray ScreensConfig() {
    QByteArray screens;
    int x = 0;
    for (const ScreenCase& s : kScreens) {
        if (!screens.isEmpty()) screens += ',';
        screens += QStringLiteral(R"({"name": "%1", "x": %2, "y": 0, "width": %3, "height": %4,)"
                                  R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": %5})")
                       .arg(s.name)
                       .arg(x)
                       .arg(qRound(s.width / s.scale))
                       .arg(qRound(s.height / s.scale))
                       .arg(s.scale)
                       .toUtf8();
        x += qRound(s.width / s.scale);
    }
    return R"({"windowFrameMargins": true, "screens": [)" + screens + "]}";
}

std::string Describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

QScreen* ScreenNamed(const char* name) {
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == QLatin1String(name)) return screen;
    return nullptr;
}

// Saves what `window` shows as `name` in $QUIBBIX_FIT_SCREENSHOTS, when that names a folder.
void KeepPicture(QWidget& window, const std::string& name) {
    const QString folder = qEnvironmentVariable("QUIBBIX_FIT_SCREENSHOTS");
    if (!folder.isEmpty()) window.grab().save(folder + '/' + QString::fromStdString(name));
}

// A window on `screen` for the windows under test to open from.
void ShowHost(QWidget& host, QScreen* screen) {
    host.setScreen(screen);
    host.setGeometry(
        QRect(screen->availableGeometry().topLeft() + QPoint(40, 40), QSize(200, 100)));
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
}

std::string TestName(const ::testing::TestParamInfo<ScreenCase>& param) {
    std::string name = param.param.name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return name;
}

// Opens a window from `host` and runs `check` on it while it shows.
using Opener = std::function<void(QWidget& host, const std::function<void(QWidget&)>& check)>;

void RunTemplate(TemplateDialog& dialog, const std::function<void(QWidget&)>& check) {
    RunModal(dialog, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        // The scroll bars show or hide in a queued call, which the loop may not have run yet.
        QTest::qWait(20);
        check(dialog);
    });
}

void ShowAndCheck(QWidget& window, const std::function<void(QWidget&)>& check) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(20);
    check(window);
}

ProgressWindowInput AYearOfDays() {
    ProgressWindowInput input;
    input.today = "2026-03-14";
    for (int i = 0; i < 365; ++i) {
        HistoryDay day;
        day.date = QDate(2025, 3, 15).addDays(i).toString(Qt::ISODate).toStdString();
        day.seconds = 600;
        day.counts.lists = {100, 2, 1, 3, 4, i};
        input.days.push_back(day);
    }
    return input;
}

ImportPlan ManyRefused() {
    ImportPlan plan;
    plan.file = "words.tsv";
    plan.records.push_back({"word", "meaning"});
    for (int i = 1; i <= 40; ++i) plan.refused.push_back({i, "the word is longer than 30 bytes"});
    plan.notes.push_back("3 lines were empty.");
    return plan;
}

struct WindowCase {
    const char* name;
    Opener open;
};

const std::vector<WindowCase>& Windows() {
    static const std::vector<WindowCase> windows = {
        {"Configuration",
         [](QWidget& host, const auto& check) {
             FakeCommonDialogs dialogs;
             CQuibConfigDlg dialog(dialogs, &host);
             RunTemplate(dialog, check);
         }},
        {"Statistics",
         [](QWidget& host, const auto& check) {
             CQuibStatisticDlg dialog(&host);
             RunTemplate(dialog, check);
         }},
        {"Break",
         [](QWidget& host, const auto& check) {
             RecordingAudioOutput audio;
             Sound sound(audio);
             CBreakDlg dialog(sound, &host);
             RunTemplate(dialog, check);
         }},
        {"Progress",
         [](QWidget& host, const auto& check) {
             ProgressLoader loader;
             QString error;
             std::unique_ptr<QDialog> window(loader.Create(&host, AYearOfDays(), error));
             ASSERT_TRUE(window) << error.toStdString();
             ShowAndCheck(*window, check);
         }},
        {"Chooser",
         [](QWidget& host, const auto& check) {
             ListStore store(std::filesystem::current_path() / "data");
             ChooserWindow window(store, QStringLiteral("chooser.ini"), &host);
             ShowAndCheck(window, check);
         }},
        {"Refused entries",
         [](QWidget& host, const auto& check) {
             RefusedDialog dialog(ManyRefused(), &host);
             ShowAndCheck(dialog, check);
         }},
    };
    return windows;
}

class WindowFitTest : public ::testing::TestWithParam<ScreenCase> {};

TEST_P(WindowFitTest, EveryWindow_LiesWithinTheScreen_AndScrollsOnlyWhenItMust) {
    TempDir dir;
    QScreen* screen = ScreenNamed(GetParam().name);
    ASSERT_NE(nullptr, screen);
    const QRect area = screen->availableGeometry();
    QWidget host;
    ShowHost(host, screen);

    for (const WindowCase& window : Windows()) {
        SCOPED_TRACE(window.name);
        bool scrolls = false;
        window.open(host, [&](QWidget& w) {
            EXPECT_EQ(screen, w.screen());
            KeepPicture(w, std::string(GetParam().name) + "-" + window.name + ".png");
            EXPECT_TRUE(area.contains(w.frameGeometry()))
                << Describe(w.frameGeometry()) << " on " << Describe(area);
            auto* scroll = w.findChild<QScrollArea*>(QStringLiteral("fitScrollArea"));
            scrolls = scroll != nullptr;
            if (scroll) {
                // The controls keep their room; the scroll bars reach all of it.
                const QWidget* content = scroll->widget();
                const QSize room = content->minimumSize().expandedTo(content->minimumSizeHint());
                EXPECT_GE(content->width(), room.width());
                EXPECT_GE(content->height(), room.height());
                EXPECT_TRUE(scroll->verticalScrollBar()->maximum() > 0 ||
                            scroll->horizontalScrollBar()->maximum() > 0);
            }
        });
        if (GetParam().scale == 1) {
            EXPECT_FALSE(scrolls) << "scrolls at scale 1";
        }
    }
}

TEST(WindowFitScrollTest, Configuration_ScrollsOn1366x768AtTwice_EachTimeItOpens) {
    TempDir dir;
    QWidget host;
    ShowHost(host, ScreenNamed("1366x768@2"));
    FakeCommonDialogs dialogs;
    CQuibConfigDlg dialog(dialogs, &host);
    // Opened twice: the text boxes the first showing moved into the scroll area come back
    // out before its controls are built anew.
    for (int showing = 0; showing < 2; ++showing) {
        SCOPED_TRACE(showing);
        RunTemplate(dialog, [&](QWidget& w) {
            auto* scroll = w.findChild<QScrollArea*>(QStringLiteral("fitScrollArea"));
            ASSERT_NE(nullptr, scroll);
            const QWidget& sample = dialog.GetSample(CQuibConfigDlg::kVocabularySampleId);
            EXPECT_TRUE(scroll->widget()->isAncestorOf(&sample));
            // OK, at the bottom, scrolls into view when it takes the keyboard.
            QWidget* ok = dialog.GetDlgItem(IDOK);
            ASSERT_TRUE(scroll->widget()->isAncestorOf(ok));
            ok->setFocus();
            QTest::qWait(50);
            const QRect shown(ok->mapTo(scroll->viewport(), QPoint(0, 0)), ok->size());
            EXPECT_TRUE(scroll->viewport()->rect().contains(shown)) << Describe(shown);
        });
    }
}

// The study window lays itself out for the size it is given, but not below a least size
// that at twice the scale is larger than a small screen: there its controls scroll, laid out
// for that least size.
TEST(WindowFitScrollTest, StudyWindow_ScrollsOn1366x768AtTwice_EveryControlInItsPlace) {
    MainWindowHarness harness(60, 683, 384);
    harness.Run([](CQuibbixDlg& dialog) {
        ASSERT_EQ(QStringLiteral("1366x768@2"), dialog.screen()->name());
        QWidget* contents = ScrolledContents(dialog);
        ASSERT_NE(nullptr, contents);
        EXPECT_LE(dialog.height(), 384);
        ASSERT_TRUE(contents->isAncestorOf(dialog.GetDlgItem(CQuibbixDlg::kExitId)));
        for (const QWidget* control :
             contents->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!control->isVisible()) continue;
            EXPECT_TRUE(contents->rect().contains(control->geometry()))
                << control->objectName().toStdString() << " " << Describe(control->geometry())
                << " in " << Describe(contents->rect());
        }
        // Scrolled, the controls still show a screen reader no placeholder or frame picture.
        QAccessibleInterface* scrolled = QAccessible::queryAccessibleInterface(contents);
        ASSERT_NE(nullptr, scrolled);
        int read = 0;
        for (int i = 0; i < scrolled->childCount(); ++i) {
            const QString name = scrolled->child(i)->text(QAccessible::Name);
            EXPECT_FALSE(name.isEmpty() || name.startsWith(QStringLiteral("Static")))
                << name.toStdString();
            ++read;
        }
        EXPECT_GE(read, 7) << "the seven buttons' worth of controls";
    });
}

INSTANTIATE_TEST_SUITE_P(Screens, WindowFitTest, ::testing::ValuesIn(kScreens), TestName);

}  // namespace

// The screens must be configured before the application exists.
int main(int argc, char** argv) {
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("screens.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(ScreensConfig()) < 0) return 2;
    file.close();
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", folder.path().toLocal8Bit());
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
