// SPDX-License-Identifier: GPL-2.0-or-later
// One new word painted in the word box at a large size: a word that fits, and a word of 30
// characters that must shrink to fit, each alternating with another of its length so that no
// paint can reuse the last one's fitting. Runs on the X server in DISPLAY, else offscreen.

#include "platform/DrawText.h"
#include "platform/FontConversion.h"
#include "ui/WinText.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>
#include <string>

namespace {

QWidget* g_parent = nullptr;

void BM_NewWordAt48Points(benchmark::State& state) {
    const size_t length = static_cast<size_t>(state.range(0));
    CWinText box;
    box.CreateBox(" ", {10, 10, 810, 130}, g_parent, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    LogFont font;
    font.lfHeight = -48;
    font.lfWeight = 400;
    SetFaceName(font, QStringLiteral("DejaVu Sans"));
    box.SetFontAndColors(font, 0, 0xFFFFFF);
    const std::string words[] = {std::string(length, 'W'), std::string(length, 'M')};
    int i = 0;
    for (auto _ : state) box.SetText(words[i++ % 2]);
}
BENCHMARK(BM_NewWordAt48Points)->Arg(8)->Arg(30)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QWidget parent;
    parent.resize(820, 140);
    parent.show();
    // Until the window is exposed Qt skips paints.
    if (!QTest::qWaitForWindowExposed(&parent)) return 1;
    g_parent = &parent;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
