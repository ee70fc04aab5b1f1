// SPDX-License-Identifier: GPL-2.0-or-later
// Figures for merging a year of study from three computers: 100,000 judgements of a
// 30000-word list, a day's seconds of use noted each day and an update of the words in
// mid-year, in three journal copies in a scratch sync folder. What a sync at start
// costs when nothing was kept in memory (from scratch, from the replay's checkpoint, and with
// the merge seeded from it as a sync runs), what a sync costs in a running program when a few
// answers arrived, and how many journal bytes a judgement takes.

#include "engine/AtomicFile.h"
#include "engine/FileSystem.h"
#include "engine/SessionFiles.h"
#include "sync/HybridClock.h"
#include "sync/Journal.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "sync/ListReplay.h"
#include "sync/SessionReplay.h"

#include <unistd.h>

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kJudgements = 100000;
constexpr int kWords = 30000;
constexpr int kDevices = 3;
// What arrives between two syncs: the last few answers of the computer that studied last.
constexpr int kArrived = 30;
constexpr int kDay = 300;
constexpr int kLastDevice = (kJudgements - 1) / kDay % kDevices;

const char* const kDeviceIds[kDevices] = {"3f09a1c2b7e4", "a07c55d2e913", "e1b2c3d4f5a6"};

// The journals of a year: each computer studies on its own days, a judgement every few
// seconds, and reads the others' journals at the start of each day.
struct Year {
    std::string folder;
    std::vector<std::string> journals;
    size_t bytes = 0;

    Year() {
        folder = (fs::temp_directory_path() / ("quibbix-sync-bench-" + std::to_string(getpid())))
                     .string();
        fs::create_directories(folder);
        std::mt19937 random(2026);
        int64_t wall = 1765000000000;
        std::vector<HybridClock> clocks;
        for (int d = 0; d < kDevices; ++d) {
            clocks.emplace_back([&wall, d] { return wall + (d - 1) * 3600 * 1000; });
            journals.push_back(JournalLine::EncodeHeader(kDeviceIds[d]));
        }
        std::vector<uint64_t> sequences(kDevices, 0);
        for (int j = 0; j < kJudgements; ++j) {
            const int d = (j / kDay) % kDevices;  // a day's study on one computer
            if (j % kDay == 0) {
                wall += 8 * 3600 * 1000;
                for (int other = 0; other < kDevices; ++other)
                    clocks[d].Observe(clocks[other].Last());
                // The day's seconds of use, noted before its first verdict.
                JournalEvent usage;
                usage.kind = JournalEvent::Kind::kUsage;
                usage.time = clocks[d].Now();
                usage.device = kDeviceIds[d];
                usage.sequence = ++sequences[d];
                usage.date = "2026-01-01";
                usage.date[9] = char('1' + j / kDay % 9);
                usage.seconds = 1500;
                journals[d] += JournalLine::Encode(usage);
            }
            if (j == kJudgements / 2) AddUpdate(clocks[d], d, sequences[d], journals[d]);
            wall += 2000 + random() % 8000;
            JournalEvent event;
            event.time = clocks[d].Now();
            event.device = kDeviceIds[d];
            event.sequence = ++sequences[d];
            event.word = std::to_string(1 + random() % kWords);
            event.code = int(random() % 4);
            journals[d] += JournalLine::Encode(event);
        }
        for (const std::string& journal : journals) bytes += journal.size();
    }
    ~Year() { fs::remove_all(folder); }

    // An update of the list in mid-year: 100 words taken out, 100 added.
    static void AddUpdate(HybridClock& clock, int d, uint64_t& sequence, std::string& journal) {
        for (int k = 0; k < 200; ++k) {
            JournalEvent edit;
            edit.kind = k < 100 ? JournalEvent::Kind::kRemove : JournalEvent::Kind::kEdit;
            edit.time = clock.Now();
            edit.device = kDeviceIds[d];
            edit.sequence = ++sequence;
            edit.word = k < 100 ? std::to_string(1 + k * 300) : edit.NewWordId();
            edit.text = "added";
            edit.definition = "meaning";
            if (k < 100) edit.text = edit.definition = "";
            journal += JournalLine::Encode(edit);
        }
    }

    void Write(int device, const std::string& text) const {
        std::ofstream(folder + "/" + Journal::CopyName(kDeviceIds[device]), std::ios::binary)
            << text;
    }
    void WriteAll() const {
        for (int d = 0; d < kDevices; ++d) Write(d, journals[d]);
    }
    // The journal of the computer that studied last without its last `lines` lines.
    std::string Short(int lines) const {
        const std::string& journal = journals[kLastDevice];
        size_t end = journal.size() - 1;
        for (int i = 0; i < lines; ++i) end = journal.rfind('\n', end - 1);
        return journal.substr(0, end + 1);
    }
};

const Year& TheYear() {
    static const Year year;
    return year;
}

void Merge(JournalMerge& merge, const Year& year) {
    std::vector<std::string> problems;
    std::string error;
    merge.AddFolder(DefaultFileSystem(), year.folder, problems, error);
}

// Sync at start, nothing kept: every journal read and merged from scratch.
void BM_MergeFromScratch(benchmark::State& state) {
    const Year& year = TheYear();
    year.WriteAll();
    for (auto _ : state) {
        JournalMerge merge;
        Merge(merge, year);
        benchmark::DoNotOptimize(merge.Events().data());
    }
    state.counters["events"] = kJudgements;
}
BENCHMARK(BM_MergeFromScratch)->Unit(benchmark::kMillisecond);

// Sync at start when little arrived: the same reading and merging, then the replay's
// question whether the few new answers merely follow its checkpoint.
void BM_StartWithLittleArrived(benchmark::State& state) {
    const Year& year = TheYear();
    year.WriteAll();
    JournalMerge before;
    year.Write(kLastDevice, year.Short(kArrived));
    Merge(before, year);
    const JournalMerge::Checkpoint checkpoint = before.CheckpointAt(before.Events().size());
    year.WriteAll();
    size_t replayed = 0;
    for (auto _ : state) {
        JournalMerge merge;
        Merge(merge, year);
        const JournalMerge::Delta delta = merge.Since(checkpoint);
        replayed = merge.Events().size() - delta.resumeAt;
    }
    state.counters["to_replay"] = double(replayed);
}
BENCHMARK(BM_StartWithLittleArrived)->Unit(benchmark::kMillisecond);

// A running program's sync when a few answers arrived: only what grew is read.
void BM_IncrementalLittleArrived(benchmark::State& state) {
    const Year& year = TheYear();
    const std::string shortJournal = year.Short(kArrived);
    for (auto _ : state) {
        state.PauseTiming();
        year.WriteAll();
        year.Write(kLastDevice, shortJournal);
        JournalMerge merge;
        Merge(merge, year);
        const JournalMerge::Checkpoint checkpoint = merge.CheckpointAt(merge.Events().size());
        year.Write(kLastDevice, year.journals[kLastDevice]);
        state.ResumeTiming();
        Merge(merge, year);
        benchmark::DoNotOptimize(merge.Since(checkpoint));
    }
}
BENCHMARK(BM_IncrementalLittleArrived)->Unit(benchmark::kMillisecond)->Iterations(20);

// The session a 30000-word list joined with: every word still to be viewed.
std::vector<FileImage> JoinedSession() {
    std::vector<FileImage> images;
    for (const SessionList& file : SessionFiles::kLists) {
        std::string text = "0\n";
        if (file.listId == LIST_TOBEVIEWED) {
            text = std::to_string(kWords) + "\n";
            for (int w = 1; w <= kWords; ++w) text += std::to_string(w) + "\t0\n";
        }
        images.push_back({file.path, text});
    }
    images.push_back({SessionFiles::kWordsLearned, "0"});
    return images;
}

// Sync at start with nothing kept: the year's judgements replayed onto the joined session
// and its files made, after the merge above.
void BM_ReplayFromScratch(benchmark::State& state) {
    const Year& year = TheYear();
    year.WriteAll();
    JournalMerge merge;
    Merge(merge, year);
    const std::vector<FileImage> base = JoinedSession();
    for (auto _ : state) {
        SessionReplay replay(base, kWords, JournalEvent::Direction::kForwards);
        replay.Replay(merge.Events());
        benchmark::DoNotOptimize(replay.Images());
    }
    state.counters["events"] = double(merge.Events().size());
}
BENCHMARK(BM_ReplayFromScratch)->Unit(benchmark::kMillisecond)->Iterations(1);

// Sync at start when 30 answers arrived: the session files written at the last sync are the
// checkpoint, and only what follows it is replayed.
void BM_ReplayFromCheckpoint(benchmark::State& state) {
    const Year& year = TheYear();
    year.Write(kLastDevice, year.Short(kArrived));
    JournalMerge before;
    Merge(before, year);
    SessionReplay upTo(JoinedSession(), kWords, JournalEvent::Direction::kForwards);
    upTo.Replay(before.Events());
    const std::vector<FileImage> checkpointFiles = upTo.Images();
    const JournalMerge::Checkpoint checkpoint = before.CheckpointAt(before.Events().size());
    year.WriteAll();
    JournalMerge merge;
    Merge(merge, year);
    const JournalMerge::Delta delta = merge.Since(checkpoint);
    for (auto _ : state) {
        SessionReplay replay(checkpointFiles, kWords, JournalEvent::Direction::kForwards);
        replay.Replay(merge.Events(), delta.resumeAt);
        benchmark::DoNotOptimize(replay.Images());
    }
    state.counters["replayed"] = double(merge.Events().size() - delta.resumeAt);
}
BENCHMARK(BM_ReplayFromCheckpoint)->Unit(benchmark::kMillisecond);

// The list as it joined: 30000 words, both directions still to be viewed.
ListReplay::Base JoinedList() {
    ListReplay::Base base;
    for (int w = 1; w <= kWords; ++w) base.words.push_back({"word" + std::to_string(w), "meaning"});
    base.forwards = JoinedSession();
    base.backwards = JoinedSession();
    return base;
}

// Sync at start with no checkpoint: the merge, then both directions replayed from the base.
void BM_ListFromScratch(benchmark::State& state) {
    const Year& year = TheYear();
    year.WriteAll();
    const ListReplay::Base base = JoinedList();
    const std::string checkpoints = year.folder + "-checkpoint";
    ListReplay::Result result;
    for (auto _ : state) {
        fs::remove_all(checkpoints);
        JournalMerge merge;
        Merge(merge, year);
        ListReplay replay(DefaultFileSystem(), checkpoints);
        std::string error;
        replay.Run(base, merge.Events(), result, error);
    }
    fs::remove_all(checkpoints);
    state.counters["replayed"] = double(result.judgementsReplayed);
    state.counters["from_base"] = result.fromBase;
}
BENCHMARK(BM_ListFromScratch)->Unit(benchmark::kMillisecond)->Iterations(3);

// Sync at start when 30 answers arrived: the merge, then the replay from the checkpoint the
// last sync left on disk, and the new checkpoint written.
void BM_ListFromCheckpoint(benchmark::State& state) {
    const Year& year = TheYear();
    const ListReplay::Base base = JoinedList();
    const std::string checkpoints = year.folder + "-checkpoint";
    fs::remove_all(checkpoints);
    year.Write(kLastDevice, year.Short(kArrived));
    {
        JournalMerge before;
        Merge(before, year);
        ListReplay::Result result;
        std::string error;
        ListReplay(DefaultFileSystem(), checkpoints).Run(base, before.Events(), result, error);
    }
    std::string saved;
    ReadWholeFile(checkpoints + "/replay.txt", saved);
    year.WriteAll();
    ListReplay::Result result;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileAtomically(checkpoints + "/replay.txt", saved);
        state.ResumeTiming();
        JournalMerge merge;
        Merge(merge, year);
        ListReplay replay(DefaultFileSystem(), checkpoints);
        std::string error;
        replay.Run(base, merge.Events(), result, error);
    }
    fs::remove_all(checkpoints);
    state.counters["replayed"] = double(result.judgementsReplayed);
    state.counters["from_base"] = result.fromBase;
}
BENCHMARK(BM_ListFromCheckpoint)->Unit(benchmark::kMillisecond)->Iterations(10);

// Sync at start when 30 answers arrived, as a sync runs it: the merge seeded from the
// checkpoint the last sync left, reading each copy's first bytes only for their sum and
// parsing what follows, then the replay of those answers alone and the new checkpoint.
void BM_SeededStartWithLittleArrived(benchmark::State& state) {
    const Year& year = TheYear();
    year.WriteAll();
    const ListReplay::Base base = JoinedList();
    const std::string checkpoints = year.folder + "-checkpoint";
    fs::remove_all(checkpoints);
    year.Write(kLastDevice, year.Short(kArrived));
    {
        JournalMerge before;
        ListReplay replay(DefaultFileSystem(), checkpoints);
        replay.Seed(before);
        Merge(before, year);
        ListReplay::Result result;
        std::string error;
        replay.Run(base, before, result, error);
    }
    std::string saved;
    ReadWholeFile(checkpoints + "/replay.txt", saved);
    year.WriteAll();
    ListReplay::Result result;
    bool seeded = false;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFileAtomically(checkpoints + "/replay.txt", saved);
        state.ResumeTiming();
        JournalMerge merge;
        ListReplay replay(DefaultFileSystem(), checkpoints);
        replay.Seed(merge);
        Merge(merge, year);
        std::string error;
        replay.Run(base, merge, result, error);
        seeded = merge.IsSeeded();
    }
    fs::remove_all(checkpoints);
    state.counters["replayed"] = double(result.judgementsReplayed);
    state.counters["seeded"] = seeded;
}
BENCHMARK(BM_SeededStartWithLittleArrived)->Unit(benchmark::kMillisecond)->Iterations(10);

// What every sync reads first: this computer's own journal, a third of the year.
void BM_OpenOwnJournal(benchmark::State& state) {
    const Year& year = TheYear();
    const std::string path = year.folder + "-own.txt";
    std::ofstream(path, std::ios::binary) << year.journals[0];
    size_t events = 0;
    for (auto _ : state) {
        Journal journal(DefaultFileSystem(), path, kDeviceIds[0]);
        std::string error;
        journal.Open(error);
        events = journal.Events().size();
    }
    fs::remove(path);
    state.counters["events"] = double(events);
}
BENCHMARK(BM_OpenOwnJournal)->Unit(benchmark::kMillisecond);

// Journal bytes per judgement, headers included.
void BM_BytesPerJudgement(benchmark::State& state) {
    const Year& year = TheYear();
    for (auto _ : state) benchmark::DoNotOptimize(year.bytes);
    state.counters["bytes_per_judgement"] = double(year.bytes) / kJudgements;
}
BENCHMARK(BM_BytesPerJudgement)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
