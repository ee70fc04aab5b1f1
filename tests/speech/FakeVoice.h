#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A voice for the speech tests that says nothing: it remembers what it was asked to say, and
// reports a problem for it when given one.

#include "ui/speech/SpeechModule.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct Said {
    std::string text, language;
    bool operator==(const Said& other) const {
        return text == other.text && language == other.language;
    }
};

class FakeVoice : public SpeechVoice {
public:
    FakeVoice(Events events, std::vector<Said>& said, std::optional<Problem> problem)
        : m_events(std::move(events)), m_said(said), m_problem(problem) {}
    void Say(const std::string& text, const std::string& language) override {
        m_said.push_back({text, language});
        if (m_problem) m_events.onProblem(*m_problem, language);
    }

private:
    Events m_events;
    std::vector<Said>& m_said;
    std::optional<Problem> m_problem;
};
