// SPDX-License-Identifier: GPL-2.0-or-later
// New texts painted in the two boxes of the study window. The word box at a large size: a word
// that fits, and a word of 30 characters that must shrink to fit. The definition box with a
// definition of German length: in a box where it fits, and in a small one where it must shrink.
// Each text alternates with another of its length so that no paint can reuse the last one's
// fitting. Runs on the X server in DISPLAY, else offscreen.

#include "platform/DrawText.h"
#include "platform/FontConversion.h"
#include "ui/WinText.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>
#include <string>

namespace {

QWidget* g_parent = nullptr;

LogFont DejaVu(int height) {
    LogFont font;
    font.lfHeight = height;
    font.lfWeight = 400;
    SetFaceName(font, QStringLiteral("DejaVu Sans"));
    return font;
}

void BM_NewWordAt48Points(benchmark::State& state) {
    const size_t length = static_cast<size_t>(state.range(0));
    CWinText box;
    box.CreateBox(" ", {10, 10, 810, 130}, g_parent, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    box.SetFontAndColors(DejaVu(-48), 0, 0xFFFFFF);
    const std::string words[] = {std::string(length, 'W'), std::string(length, 'M')};
    int i = 0;
    for (auto _ : state) box.SetText(words[i++ % 2]);
}
BENCHMARK(BM_NewWordAt48Points)->Arg(8)->Arg(30)->Unit(benchmark::kMicrosecond);

// Argument: the box's height in pixels; 400 holds the text at 16 points, 90 does not.
void BM_NewDefinitionAt16Points(benchmark::State& state) {
    const int height = static_cast<int>(state.range(0));
    CWinText box;
    box.CreateBox(" ", {10, 10, 410, 10 + height}, g_parent, DT_WORDBREAK | DT_NOPREFIX);
    box.SetFontAndColors(DejaVu(-16), 0, 0xFFFFFF);
    const std::string definitions[] = {
        "Die F\xE4higkeit, sich nach einem R\xFC"
        "ckschlag schnell wieder zu erholen und mit neuer Kraft weiterzumachen, auch wenn "
        "die Umst\xE4nde widrig sind und Unterst\xFCtzung fehlt.",
        "Eine Verpflichtung, die jemand freiwillig eingeht, um einer Gemeinschaft zu helfen, "
        "ohne daf\xFCr eine Bezahlung oder Anerkennung zu erwarten, oft \xFC"
        "ber viele Jahre hinweg.",
    };
    int i = 0;
    for (auto _ : state) box.SetText(definitions[i++ % 2]);
}
BENCHMARK(BM_NewDefinitionAt16Points)->Arg(400)->Arg(90)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QWidget parent;
    parent.resize(820, 420);
    parent.show();
    // Until the window is exposed Qt skips paints.
    if (!QTest::qWaitForWindowExposed(&parent)) return 1;
    g_parent = &parent;
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
