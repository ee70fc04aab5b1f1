// SPDX-License-Identifier: GPL-2.0-or-later
// From a key press to the next word painted in the main window, on a 32767-word list: the
// second press for a word records the judgement, draws the next word and repaints both boxes
// before the key handler returns. Runs on the X server in DISPLAY, else offscreen.

#include "engine/WordListFile.h"
#include "platform/QtPlatform.h"
#include "ui/QuibbixDlg.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 32767;

void WriteWordList() {
    std::vector<WordRecord> records;
    for (int r = 0; r < kWords; ++r)
        records.push_back(
            {"word" + std::to_string(r), "the definition of word number " + std::to_string(r)});
    WordListFile::Write("list/kelvo.lst", records);
}

CQuibbixDlg* g_dialog = nullptr;

void BM_KeyToNextWord(benchmark::State& state) {
    QWidget* yes = g_dialog->GetDlgItem(CQuibbixDlg::kYesId);
    const int32_t viewedBefore = g_dialog->GetWordSelect().GetViewedCount();
    for (auto _ : state) {
        state.PauseTiming();
        QTest::keyClick(yes, Qt::Key_K);  // reveals the definition
        state.ResumeTiming();
        QTest::keyClick(yes, Qt::Key_D);  // records "Don't Know" and paints the next word
    }
    // Words actually drawn: a key that reached no button would make the figure meaningless.
    state.counters["words"] = g_dialog->GetWordSelect().GetViewedCount() - viewedBefore;
}
BENCHMARK(BM_KeyToNextWord)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(25)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    const fs::path dir = fs::temp_directory_path() /
                         ("quibbix-bench-window-" + std::to_string(std::random_device()()));
    fs::create_directories(dir / "list");
    fs::create_directories(dir / "session");
    const fs::path previous = fs::current_path();
    fs::current_path(dir);
    WriteWordList();
    {
        QtPlatform platform(app);
        CQuibbixDlg dialog(platform.Services(), platform.Engine());
        g_dialog = &dialog;
        QTimer::singleShot(0, &dialog, [&dialog] {
            // Keys reach the answer buttons only in the active window.
            dialog.activateWindow();
            if (!QTest::qWaitForWindowActive(&dialog))
                std::fprintf(stderr, "the window did not become active\n");
            QTest::keyClick(dialog.GetDlgItem(CQuibbixDlg::kYesId), Qt::Key_K);  // the start press
            // 125 judgements in all stay below the forced break at 150.
            dialog.SetMsSinceBreak(0);
            benchmark::RunSpecifiedBenchmarks();
            dialog.GetWordSelect().Save();
            dialog.done(0);
        });
        dialog.DoModal();
    }
    fs::current_path(previous);
    fs::remove_all(dir);
    return 0;
}
