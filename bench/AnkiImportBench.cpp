// SPDX-License-Identifier: GPL-2.0-or-later
// Import of an Anki package of 10,000 notes in each schema: WordFileReader::Read on a
// package built once, from opening the zip to the encoded records.
#include "imports/WordFileReader.h"
#include "tests/wordlist/AnkiPackageBuilder.h"

#include <unistd.h>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>

namespace {

constexpr int kNotes = 10000;

std::string BuildPackage(AnkiPackageContents::Schema schema) {
    AnkiPackageContents contents = AnkiPackageBuilder::SampleDeck(kNotes);
    contents.schema = schema;
    const std::string path =
        (std::filesystem::temp_directory_path() /
         ("quibbix-bench-" + std::to_string(getpid()) +
          (schema == AnkiPackageContents::Schema::kLegacy ? "-legacy" : "-current") + ".apkg"))
            .string();
    AnkiPackageBuilder::WritePackage(path, contents);
    return path;
}

void BM_ReadAnkiPackage(benchmark::State& state) {
    const auto schema = static_cast<AnkiPackageContents::Schema>(state.range(0));
    const std::string path = BuildPackage(schema);
    for (auto _ : state) {
        std::ostringstream sink;
        Diagnostics diagnostics(sink);
        const WordFile file =
            WordFileReader::Read(path, ImportOptions(), RecordEncoder::Options(), diagnostics);
        if (file.records.size() != static_cast<size_t>(kNotes)) state.SkipWithError("notes lost");
        benchmark::DoNotOptimize(file);
    }
    state.SetLabel(schema == AnkiPackageContents::Schema::kLegacy ? "older schema"
                                                                  : "current schema");
    std::filesystem::remove(path);
}
BENCHMARK(BM_ReadAnkiPackage)
    ->Arg(static_cast<int>(AnkiPackageContents::Schema::kLegacy))
    ->Arg(static_cast<int>(AnkiPackageContents::Schema::kCurrent))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
