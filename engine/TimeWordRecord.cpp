// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/TimeWordRecord.h"

#include "engine/AtomicFile.h"
#include "engine/EngineEnv.h"
#include "engine/SessionFiles.h"
#include "engine/TextScanner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

// Truncates toward zero into the 32-bit range; a damaged file may hold anything.
int32_t WholeSeconds(double seconds) {
    if (std::isnan(seconds)) return 0;
    if (seconds >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (seconds <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(seconds);
}

}  // namespace

CTimeWordRecord::CTimeWordRecord(EngineEnv& env) : m_env(env) {}

CTimeWordRecord::~CTimeWordRecord() { Save(); }

void CTimeWordRecord::Load() {
    std::string text;
    const int error = m_env.Files().ReadFile(SessionFiles::kTime, text);
    bool damaged = false;
    if (error == 0) {
        double total = 0.0;
        // A saved "nan" would stop the time from ever growing again, and a negative total
        // shows as nonsense; either reads as no time at all.
        damaged = !TextScanner(text).ScanDouble(total) || !std::isfinite(total) || total < 0;
        m_totalTime = damaged ? 0.0 : total;
    }
    m_guard.Note(SessionFiles::kTime, error, damaged, text);
    const std::string problems = m_guard.Describe();
    if (!problems.empty()) m_env.ShowMessage(problems, "Quibbix", EngineEnv::Icon::Error);
}

void CTimeWordRecord::Save() {
    Update();
    // to_chars, unlike printf, does not follow the process locale, which the toolkit sets.
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, m_totalTime - Held(),
                                std::chars_format::fixed, 1);
    if (result.ec != std::errc()) return;
    std::vector<FileImage> images = {{SessionFiles::kTime, std::string(buffer, result.ptr)}};
    m_guard.Prepare(images);
    FileError error;
    if (ReplaceFiles(m_env.Files(), images, error)) m_guard.Saved();
}

void CTimeWordRecord::Start() {
    if (!m_running) m_startTime = m_stretchStart = m_env.MonotonicSeconds();
    m_running = 1;
}

void CTimeWordRecord::NoteInput() { m_lastInput = m_env.MonotonicSeconds(); }

double CTimeWordRecord::Held() const {
    if (!m_isHolding || !m_running) return 0.0;
    const int64_t since = std::max(m_lastInput, m_stretchStart);
    return static_cast<double>(std::max<int64_t>(0, m_startTime - since));
}

void CTimeWordRecord::GoAway() {
    Update();
    const double held = Held();
    m_runTime -= held;
    m_totalTime -= held;
    m_running = 0;
}

void CTimeWordRecord::Stop() {
    Update();
    m_running = 0;
}

void CTimeWordRecord::Update() {
    if (!m_running) return;
    // Elapsed time on a clock that never goes back: setting the calendar back neither shrinks
    // the totals nor makes them negative.
    const int64_t now = m_env.MonotonicSeconds();
    const double elapsed = static_cast<double>(now - m_startTime);
    m_runTime += elapsed;
    m_totalTime += elapsed;
    m_startTime = now;
}

int32_t CTimeWordRecord::GetRunTime() {
    Update();
    return WholeSeconds(m_runTime - Held());
}

int32_t CTimeWordRecord::GetTotalTime() {
    Update();
    return WholeSeconds(m_totalTime - Held());
}
