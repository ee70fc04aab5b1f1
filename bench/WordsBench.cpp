// SPDX-License-Identifier: GPL-2.0-or-later
// The Words window on a 32767-word list (--words N for another size) with progress in both
// directions: opening the list (its words and both sessions read, every text folded for the
// search), the window shown and painted, and a search answering one keystroke, in the table
// alone and in the window. Runs on the X server in DISPLAY, else offscreen.

#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "lists/ListStore.h"
#include "ui/words/WordsFilter.h"
#include "ui/words/WordsModel.h"
#include "ui/words/WordsWindow.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace {

int g_words = 32767;

fs::path g_home;

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// Words in Latin letters with accents, Greek and Cyrillic, and every word in one of the six
// lists of each direction.
void WriteList(const fs::path& folder) {
    std::vector<WordRecord> records;
    const char* const stems[] = {"élan", "word", "Ωμέγα", "ёлка", "naïve", "Straße"};
    for (int r = 0; r < g_words; ++r) {
        const std::string stem = stems[r % 6];
        records.push_back({stem + std::to_string(r),
                           "the définition of " + stem + " number " + std::to_string(r)});
    }
    fs::create_directories(folder / "list");
    WordListFile::Write((folder / "list" / "kelvo.lst").string(), records);
    for (const char* session : {"session", "session-reverse"}) {
        fs::create_directories(folder / session);
        std::vector<std::string> lists(SessionFiles::kListCount);
        std::vector<int> counts(SessionFiles::kListCount, 0);
        for (int index = 1; index <= g_words; ++index) {
            const size_t list = static_cast<size_t>(index * 7 + session[7]) % lists.size();
            lists[list] += std::to_string(index) + "\t" + std::to_string(index % 3) + "\n";
            ++counts[list];
        }
        for (size_t i = 0; i < lists.size(); ++i) {
            WriteText(folder / session / SessionFiles::kLists[i].FileName(),
                      std::to_string(counts[i]) + "\n" + lists[i]);
        }
    }
}

// The list's words and both directions' progress read, and every text folded.
void BM_OpenList(benchmark::State& state) {
    for (auto _ : state) {
        WordsModel model;
        std::string error;
        if (!model.Load(DefaultFileSystem(), g_home, error)) state.SkipWithError(error.c_str());
        WordsFilter filter(model);
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(BM_OpenList)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same, then the window built, shown and painted once.
void BM_OpenWindow(benchmark::State& state) {
    ListStore store(g_home.parent_path() / "data");
    const ListSummary list{"Bench", g_home};
    WordsWindow::Options options;
    options.settingsFile = QString::fromStdString((g_home / "words.ini").string());
    for (auto _ : state) {
        WordsWindow window(store, list, options);
        std::string error;
        if (!window.Load(error)) state.SkipWithError(error.c_str());
        window.show();
        window.repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_OpenWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

// What one keystroke types, in turn: a longer and longer search, then back to none.
const char* const kTyped[] = {"d",       "de",    "déf",    "défi",    "ω",   "ωμ", "ёл",
                              "strasse", "elan1", "elan12", "elan123", "zzz", ""};

void BM_SearchTable(benchmark::State& state) {
    WordsModel model;
    std::string error;
    model.Load(DefaultFileSystem(), g_home, error);
    WordsFilter filter(model);
    size_t next = 0;
    for (auto _ : state) {
        filter.SetSearch(QString::fromUtf8(kTyped[next++ % std::size(kTyped)]));
        benchmark::DoNotOptimize(filter.rowCount());
    }
}
BENCHMARK(BM_SearchTable)->Unit(benchmark::kMillisecond)->Iterations(130);

// A keystroke in the window's search field, to the table repainted.
void BM_SearchWindow(benchmark::State& state) {
    ListStore store(g_home.parent_path() / "data");
    WordsWindow::Options options;
    options.settingsFile = QString::fromStdString((g_home / "words.ini").string());
    WordsWindow window(store, {"Bench", g_home}, options);
    std::string error;
    window.Load(error);
    window.show();
    QApplication::processEvents();
    auto* search = window.findChild<QLineEdit*>(QStringLiteral("searchEdit"));
    size_t next = 0;
    for (auto _ : state) {
        search->setText(QString::fromUtf8(kTyped[next++ % std::size(kTyped)]));
        window.repaint();
    }
}
BENCHMARK(BM_SearchWindow)->Unit(benchmark::kMillisecond)->Iterations(130);

// Sorting by the word, the state and back to file order: not a target, but worth knowing.
void BM_SortByColumn(benchmark::State& state) {
    WordsModel model;
    std::string error;
    model.Load(DefaultFileSystem(), g_home, error);
    WordsFilter filter(model);
    int column = 0;
    for (auto _ : state) {
        filter.sort(column, Qt::AscendingOrder);
        column = (column + 2) % WordsModel::kColumns;
    }
}
BENCHMARK(BM_SortByColumn)->Unit(benchmark::kMillisecond)->Iterations(6);

// Takes "--words N" out of the arguments, which Google Benchmark would refuse.
void TakeWordsArgument(int& argc, char** argv) {
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--words" && i + 1 < argc) {
            g_words = std::clamp(std::atoi(argv[++i]), 1, 65534);
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TakeWordsArgument(argc, argv);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const fs::path dir = fs::temp_directory_path() /
                         ("quibbix-bench-words-" + std::to_string(std::random_device()()));
    g_home = dir / "list";
    WriteList(g_home);
    benchmark::RunSpecifiedBenchmarks();
    std::error_code ec;
    fs::remove_all(dir, ec);
    return 0;
}
