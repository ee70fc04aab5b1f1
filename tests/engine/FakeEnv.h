#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// An EngineEnv for tests: a tick, a monotonic clock and a calendar date the test sets by hand,
// and every message recorded instead of shown.

#include "engine/EngineEnv.h"

#include <cstdint>
#include <string>
#include <vector>

class FakeEnv : public EngineEnv {
public:
    struct Message {
        std::string text;
        std::string caption;
        Icon icon;
    };

    void ShowMessage(const std::string& text, const std::string& caption, Icon icon) override {
        messages.push_back({text, caption, icon});
    }
    uint32_t GetTickCount() override { return tick; }
    int64_t MonotonicSeconds() override { return now; }
    std::string LocalDate() override { return date; }
    FileSystem& Files() override { return files ? *files : DefaultFileSystem(); }

    uint32_t tick = 4242;
    int64_t now = 1000000;
    std::string date = "2026-03-14";
    std::vector<Message> messages;
    // The real files when null.
    FileSystem* files = nullptr;
};

// A word list file of `count` records in which word index i reads "word<i>" / "definition <i>".
std::string MakeWordList(int count);
// One record with the given fields, NUL-terminated when shorter than the field.
std::string MakeRecord(const std::string& word, const std::string& definition);
// The current-word file's bytes for these fields.
std::string CurrWordBytes(int32_t list, int32_t counter, uint32_t index, int32_t viewed);
// A list file of the given word indices, counters 0.
std::string ListFile(const std::vector<uint32_t>& indices);
// Writes the session's list files in the order unsure, mistaken, new, learning,
// to-be-viewed, known; lists beyond the ones given are left alone.
void WriteSessionLists(const std::vector<std::vector<uint32_t>>& lists);
