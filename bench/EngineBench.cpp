// SPDX-License-Identifier: GPL-2.0-or-later
// Figures for the engine's hot paths on a 32767-word list, each run in a scratch working
// directory of its own.

#include "engine/ClassicRandom.h"
#include "engine/ConsoleEnv.h"
#include "engine/GetWordRecord.h"
#include "engine/WordList.h"
#include "engine/WordListFile.h"
#include "engine/WordSelect.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "posix/PosixFileSystem.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWords = 32767;

// A quiet environment with a fixed tick, so that every run draws the same order, on the
// program's own file system, which syncs.
class BenchEnv : public ConsoleEnv {
public:
    void ShowMessage(const std::string&, const std::string&, Icon) override {}
    uint32_t GetTickCount() override { return 4242; }
    FileSystem& Files() override { return PosixFileSystem::Instance(); }
};

void WriteWordList(int count) {
    std::vector<WordRecord> records;
    for (int r = 0; r < count; ++r)
        records.push_back(
            {"word" + std::to_string(r), "the definition of word number " + std::to_string(r)});
    WordListFile::Write("list/kelvo.lst", records);
}

// Enters a fresh working directory with list/ and session/; leaves and removes it at the end.
class Workspace {
public:
    Workspace() : m_previous(fs::current_path()) {
        m_path =
            fs::temp_directory_path() / ("quibbix-bench-" + std::to_string(std::random_device()()));
        fs::create_directories(m_path / "list");
        fs::create_directories(m_path / "session");
        fs::current_path(m_path);
    }
    ~Workspace() {
        fs::current_path(m_previous);
        fs::remove_all(m_path);
    }
    void ClearSession() {
        fs::remove_all("session");
        fs::create_directory("session");
    }

private:
    fs::path m_previous;
    fs::path m_path;
};

// One random record read: a seek and a 238-byte read.
void BM_GetRecord(benchmark::State& state) {
    Workspace workspace;
    WriteWordList(kWords);
    BenchEnv env;
    CGetWordRecord reader(env);
    reader.Open("kelvo");
    std::mt19937 random(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(reader.GetRecord(static_cast<int32_t>(random() % kWords)));
}
BENCHMARK(BM_GetRecord);

CWordList MakeList(int count) {
    CWordList list;
    for (int i = 1; i <= count; ++i) {
        CListRec entry(static_cast<uint32_t>(i));
        entry.m_counter = i % 5;
        list.Add(entry, true);
    }
    return list;
}

// Writing a list file of 32767 entries, atomically replaced.
void BM_SaveFile(benchmark::State& state) {
    Workspace workspace;
    CWordList list = MakeList(kWords);
    for (auto _ : state) benchmark::DoNotOptimize(list.SaveFile("session/list.txt"));
}
BENCHMARK(BM_SaveFile)->Unit(benchmark::kMillisecond);

// Reading a list file of 32767 entries into an empty queue.
void BM_LoadFile(benchmark::State& state) {
    Workspace workspace;
    MakeList(kWords).SaveFile("session/list.txt");
    for (auto _ : state) {
        CWordList list;
        benchmark::DoNotOptimize(list.LoadFile("session/list.txt"));
    }
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

// A first run: the permutation of all words and the to-be-viewed file.
void BM_FirstRunInit(benchmark::State& state) {
    Workspace workspace;
    WriteWordList(static_cast<int>(state.range(0)));
    BenchEnv env;
    for (auto _ : state) {
        state.PauseTiming();
        workspace.ClearSession();
        auto select = std::make_unique<CWordSelect>(env);
        int32_t listId = 0;
        CListRec entry;
        state.ResumeTiming();
        select->Init(listId, entry);
    }
}
BENCHMARK(BM_FirstRunInit)->Arg(4000)->Arg(kWords)->Unit(benchmark::kMillisecond);

// The first-run draw as first written: every candidate scanned against the filled part.
std::vector<int32_t> LiteralPermutation(int32_t k) {
    ClassicRandom random;
    random.Seed(4242);
    std::vector<int32_t> result(static_cast<size_t>(k), 0);
    int32_t filled = 0;
    while (filled < k) {
        const int r = random.Next();
        const auto v = static_cast<int32_t>(static_cast<double>(r) * k / 32767 + 0.5);
        if (v == 0) continue;
        bool seen = false;
        for (int32_t i = 0; i < filled && !seen; ++i) seen = result[i] == v;
        if (!seen) result[filled++] = v;
    }
    return result;
}

void BM_LiteralPermutation(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LiteralPermutation(static_cast<int32_t>(state.range(0))));
}
BENCHMARK(BM_LiteralPermutation)->Arg(4000)->Unit(benchmark::kMillisecond);

// The speed-up of the table-based draw over the scanning one for the same k, as "ratio".
void BM_PermutationRatio(benchmark::State& state) {
    const auto k = static_cast<int32_t>(state.range(0));
    BenchEnv env;
    CWordState words(env);
    double fastSeconds = 0;
    double literalSeconds = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(words.RandomPermutation(k));
        auto t1 = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(LiteralPermutation(k));
        auto t2 = std::chrono::steady_clock::now();
        fastSeconds += std::chrono::duration<double>(t1 - t0).count();
        literalSeconds += std::chrono::duration<double>(t2 - t1).count();
    }
    state.counters["ratio"] = literalSeconds / fastSeconds;
}
BENCHMARK(BM_PermutationRatio)->Arg(4000)->Arg(12000)->Iterations(3)->Unit(benchmark::kMillisecond);

// Draws the next word and records `code` for it, as the window does after a second press.
void StudyStep(CWordSelect& select, int32_t code) {
    int32_t listId = 0;
    CListRec entry(NO_WORD);
    select.GetNextWord(listId, entry);
    select.RecordJudgement(code);
}

// A selector started on a fresh 32767-word list in the current workspace.
void StartSelect(CWordSelect& select) {
    WriteWordList(kWords);
    int32_t listId = 0;
    CListRec entry;
    select.Init(listId, entry);
}

// One study step: draw the next word and record its judgement, both writing the
// current-word file.
void BM_StudyStep(benchmark::State& state) {
    Workspace workspace;
    BenchEnv env;
    CWordSelect select(env);
    StartSelect(select);
    int32_t code = 0;
    for (auto _ : state) {
        StudyStep(select, code);
        code = (code + 1) % 4;
    }
}
BENCHMARK(BM_StudyStep)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What each verdict pays so that it can be taken back: the snapshot of a 32767-word session
// taken before the judgement, with the journal of the judgement and the next draw (the
// study step itself runs outside the timing).
void BM_UndoSnapshot(benchmark::State& state) {
    Workspace workspace;
    BenchEnv env;
    CWordSelect select(env);
    StartSelect(select);
    for (int i = 0; i < 2000; ++i) StudyStep(select, i % 4);
    int32_t code = 0;
    for (auto _ : state) {
        select.TakeSnapshot();
        state.PauseTiming();
        StudyStep(select, code);
        code = (code + 1) % 4;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoSnapshot)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Taking a verdict back: the journals undone and the current-word file written again.
void BM_Undo(benchmark::State& state) {
    Workspace workspace;
    BenchEnv env;
    CWordSelect select(env);
    StartSelect(select);
    for (int i = 0; i < 2000; ++i) StudyStep(select, i % 4);
    for (auto _ : state) {
        state.PauseTiming();
        select.TakeSnapshot();
        StudyStep(select, JUDGE_DONTKNOW);
        state.ResumeTiming();
        benchmark::DoNotOptimize(select.RestoreSnapshot());
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

// For comparison, the plain copy a snapshot could have been: one queue of 32767 entries, as
// many as the six together hold.
void BM_CopyOfAllEntries(benchmark::State& state) {
    const CWordList list = MakeList(kWords);
    for (auto _ : state) {
        CWordList copy = list;
        benchmark::DoNotOptimize(copy.GetCount());
    }
}
BENCHMARK(BM_CopyOfAllEntries)->Unit(benchmark::kMicrosecond);

// A save of a 32767-word session: maintenance of all lists and the six files plus the
// words-learned file, each synced, then the directory (on the file system of the temporary
// directory; see the context line "temp file system").
void BM_Save(benchmark::State& state) {
    Workspace workspace;
    BenchEnv env;
    CWordSelect select(env);
    StartSelect(select);
    for (int i = 0; i < 2000; ++i) StudyStep(select, i % 4);
    for (auto _ : state) select.Save();
}
BENCHMARK(BM_Save)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The part of a background save that runs on the study's thread: maintenance and the files'
// text; the writing and syncing happen elsewhere.
void BM_BackgroundSavePrepare(benchmark::State& state) {
    Workspace workspace;
    BenchEnv env;
    CWordSelect select(env);
    StartSelect(select);
    for (int i = 0; i < 2000; ++i) StudyStep(select, i % 4);
    for (auto _ : state) benchmark::DoNotOptimize(select.PrepareSave());
}
BENCHMARK(BM_BackgroundSavePrepare)->Unit(benchmark::kMillisecond);

std::string FileSystemType(const fs::path& path) {
    std::FILE* mounts = std::fopen("/proc/self/mounts", "r");
    if (!mounts) return "unknown";
    std::string best, type;
    char device[256], point[1024], kind[64];
    while (std::fscanf(mounts, "%255s %1023s %63s %*[^\n]", device, point, kind) == 3) {
        const std::string p = point;
        if (path.string().rfind(p, 0) == 0 && p.size() >= best.size()) best = p, type = kind;
    }
    std::fclose(mounts);
    return type + " at " + best;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::AddCustomContext("temp file system",
                                FileSystemType(fs::canonical(fs::temp_directory_path())));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
