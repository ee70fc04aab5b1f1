// SPDX-License-Identifier: GPL-2.0-or-later
// Every window under a stand-in translation that marks each text translations/quibbix_de.ts
// holds: a title, label, button, group, placeholder, column title, tooltip or accessible name
// that shows without the marks is a text the learner would read in English whatever their
// language. Texts from the learner's files (words, definitions, list names) and bare numbers
// and dates are theirs, not the program's.

#include "imports/FieldText.h"
#include "lists/ListImporter.h"
#include "lists/ListStore.h"
#include "tests/lists/ListTestFiles.h"
#include "tests/translations/MarkingTranslator.h"
#include "tests/ui/WindowFixture.h"
#include "ui/BreakDlg.h"
#include "ui/ProgressLoader.h"
#include "ui/QuibConfigDlg.h"
#include "ui/QuibStatisticDlg.h"
#include "ui/chooser/ChooserWindow.h"
#include "ui/chooser/RefusedDialog.h"
#include "ui/help/HelpWindow.h"
#include "ui/words/WordsWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QChart>
#include <QChartView>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

#include "translations/Translations.h"

namespace {

struct ShownText {
    std::string where;
    QString text;
};

std::string NameOf(const QWidget* widget) {
    return std::string(widget->metaObject()->className()) + " \"" +
           widget->objectName().toStdString() + "\"";
}

// The learner's own texts in these windows, and what is only numbers, dates and marks. The
// templates' "Static" stands where the program puts a picture or a value, which these tests,
// without the pictures and the values, leave out.
bool IsTheLearners(const QString& text) {
    static const QRegularExpression data(QStringLiteral(
        R"(^(word\d+|definition \d+|default|second|First list|a word every list starts with|)"
        R"(another one|words\.tsv|Static|[\d\s\p{P}\p{S}]*)$)"));
    return data.match(text).hasMatch();
}

// A button Qt makes and names itself, which Qt's own translation puts into the language.
bool IsQtsOwn(const QAbstractButton* button) {
    const auto* box = qobject_cast<const QDialogButtonBox*>(button->parentWidget());
    return box &&
           box->standardButton(const_cast<QAbstractButton*>(button)) != QDialogButtonBox::NoButton;
}

void Note(std::vector<ShownText>& texts, const QWidget* widget, const char* what,
          const QString& text) {
    if (!text.trimmed().isEmpty()) texts.push_back({NameOf(widget) + " " + what, text});
}

void NoteWidget(std::vector<ShownText>& texts, QWidget* w) {
    Note(texts, w, "accessible name", w->accessibleName());
    if (auto* box = dynamic_cast<CWinText*>(w)) {
        // Its tooltip repeats its text when the text does not fit.
        Note(texts, w, "text", QString::fromStdString(FieldText::ToUtf8(box->GetText())));
        return;
    }
    Note(texts, w, "tooltip", w->toolTip());
    if (auto* label = qobject_cast<QLabel*>(w)) Note(texts, w, "text", label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && !IsQtsOwn(button))
        Note(texts, w, "text", button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) Note(texts, w, "title", group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        Note(texts, w, "placeholder", edit->placeholderText());
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int row = 0; row < tree->topLevelItemCount(); ++row)
            for (int column = 0; column < tree->columnCount(); ++column)
                Note(texts, w, "entry", tree->topLevelItem(row)->text(column));
    }
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole)})
                Note(texts, w, "column title",
                     view->model()->headerData(column, Qt::Horizontal, role).toString());
        }
    }
    if (auto* chart = qobject_cast<QChartView*>(w)) {
        Note(texts, w, "chart title", chart->chart()->title());
        for (const QAbstractSeries* series : chart->chart()->series())
            Note(texts, w, "series", series->name());
    }
}

// Every text `window` shows now, with where it stands.
std::vector<ShownText> TextsOf(QWidget& window) {
    std::vector<ShownText> texts;
    Note(texts, &window, "window title", window.windowTitle());
    NoteWidget(texts, &window);
    for (QWidget* w : window.findChildren<QWidget*>())
        if (w->isVisibleTo(&window)) NoteWidget(texts, w);
    for (const QAction* action : window.findChildren<QAction*>())
        Note(texts, &window, "action", action->text());
    return texts;
}

void ExpectAllMarked(QWidget& window) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    for (const ShownText& shown : TextsOf(window)) {
        if (IsTheLearners(shown.text)) continue;
        EXPECT_TRUE(shown.text.contains(QChar(MarkingTranslator::kOpen)))
            << shown.where << " shows \"" << shown.text.toStdString()
            << "\", which no translation reaches";
    }
}

void ShowAndCheck(QWidget& window) {
    window.show();
    ExpectAllMarked(window);
}

void RunAndCheck(TemplateDialog& dialog) {
    RunModal(dialog, [&] { ExpectAllMarked(dialog); });
}

struct WindowCase {
    const char* name;
    std::function<void(QWidget& host)> open;
};

void PrintTo(const WindowCase& window, std::ostream* out) { *out << window.name; }

ProgressWindowInput SomeDays() {
    ProgressWindowInput input;
    input.today = "2026-03-14";
    for (int i = 0; i < 20; ++i) {
        HistoryDay day;
        day.date = QDate(2026, 2, 20).addDays(i).toString(Qt::ISODate).toStdString();
        day.seconds = 600;
        day.counts.lists = {100, 2, 1, 3, 4, i};
        input.days.push_back(day);
    }
    return input;
}

const std::vector<WindowCase>& Windows() {
    static const std::vector<WindowCase> windows = {
        {"Study",
         [](QWidget&) {
             MainWindowHarness harness;
             harness.Run([&](CQuibbixDlg& dialog) {
                 ExpectAllMarked(dialog);
                 Click(dialog, CQuibbixDlg::kYesId);  // the start press shows the first word
                 ExpectAllMarked(dialog);
             });
         }},
        {"Statistics",
         [](QWidget& host) {
             CQuibStatisticDlg dialog(&host);
             RunAndCheck(dialog);
         }},
        {"Configuration",
         [](QWidget& host) {
             FakeCommonDialogs dialogs;
             CQuibConfigDlg dialog(dialogs, &host);
             RunAndCheck(dialog);
         }},
        {"Break",
         [](QWidget& host) {
             RecordingAudioOutput audio;
             Sound sound(audio);
             CBreakDlg dialog(sound, &host);
             RunAndCheck(dialog);
         }},
        {"Help",
         [](QWidget& host) {
             HelpWindow help(&host);
             ShowAndCheck(help);
         }},
        {"Progress",
         [](QWidget& host) {
             ProgressLoader loader;
             QString error;
             std::unique_ptr<QDialog> window(loader.Create(&host, SomeDays(), error));
             ASSERT_TRUE(window) << error.toStdString();
             ShowAndCheck(*window);
         }},
        {"Chooser",
         [](QWidget& host) {
             DataHome home;
             ListStore store(home.Home(), home.Defaults());
             ChooserWindow window(store, QStringLiteral("chooser.ini"), &host);
             ShowAndCheck(window);
         }},
        {"Words",
         [](QWidget& host) {
             DataHome home;
             ListStore store(home.Home(), home.Defaults());
             WriteWords(home.Home() / "list" / "kelvo.lst",
                        {{"word1", "definition 1"}, {"word2", "definition 2"}});
             WordsWindow::Options options;
             options.settingsFile = QStringLiteral("words.ini");
             WordsWindow window(store, *store.Find("First list"), options, &host);
             std::string error;
             ASSERT_TRUE(window.Load(error)) << error;
             ShowAndCheck(window);
         }},
        {"Refused",
         [](QWidget& host) {
             // The reasons and notes are the importers' own, as the learner's file draws them.
             WriteFile("words.tsv", "word\tmeaning\n" + std::string(40, 'w') + "\tdefinition\n");
             const ImportPlan plan = ListImporter::Read("words.tsv");
             ASSERT_FALSE(plan.refused.empty());
             RefusedDialog dialog(plan, &host);
             ShowAndCheck(dialog);
         }},
    };
    return windows;
}

class MarkedTextsTest : public ::testing::TestWithParam<WindowCase> {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(MarkingTranslator::InstallForTheProgram()); }
};

TEST_P(MarkedTextsTest, EveryTextTheWindowShows_GoesThroughTheTranslation) {
    TempDir dir;
    QWidget host;
    host.show();
    GetParam().open(host);
}

std::string CaseName(const ::testing::TestParamInfo<WindowCase>& window) {
    return window.param.name;
}

INSTANTIATE_TEST_SUITE_P(Windows, MarkedTextsTest, ::testing::ValuesIn(Windows()), CaseName);

}  // namespace
