#pragma once
// An EngineEnv for tests: a tick and a calendar clock the test sets by hand, and every message
// recorded instead of shown.

#include <string>
#include <vector>

#include "engine/EngineEnv.h"

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
    std::time_t Now() override { return now; }

    uint32_t tick = 4242;
    std::time_t now = 1000000;
    std::vector<Message> messages;
};

// A word list file of `count` records in which word index i reads "word<i>" / "definition <i>".
std::string MakeWordList(int count);
// One record with the given fields, NUL-terminated when shorter than the field.
std::string MakeRecord(const std::string& word, const std::string& definition);
