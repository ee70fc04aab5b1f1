#include "engine/TimeWordRecord.h"

#include "engine/AtomicFile.h"
#include "engine/EngineEnv.h"
#include "engine/SessionFiles.h"
#include "engine/TextScanner.h"

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
    if (!ReadWholeFile(m_env.Files(), SessionFiles::kTime, text)) return;
    TextScanner scanner(text);
    double total = 0.0;
    if (scanner.ScanDouble(total)) m_totalTime = total;
}

void CTimeWordRecord::Save() {
    Update();
    // to_chars, unlike printf, does not follow the process locale, which the toolkit sets.
    char buffer[512];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, m_totalTime, std::chars_format::fixed, 1);
    if (result.ec != std::errc()) return;
    WriteFileAtomically(m_env.Files(), SessionFiles::kTime,
                        std::string_view(buffer, result.ptr - buffer));
}

void CTimeWordRecord::Start() {
    if (!m_running) m_startTime = m_env.Now();
    m_running = 1;
}

void CTimeWordRecord::Stop() {
    Update();
    m_running = 0;
}

void CTimeWordRecord::Update() {
    if (!m_running) return;
    const std::time_t now = m_env.Now();
    const double elapsed = std::difftime(now, m_startTime);
    m_runTime += elapsed;
    m_totalTime += elapsed;
    m_startTime = now;
}

int32_t CTimeWordRecord::GetRunTime() {
    Update();
    return WholeSeconds(m_runTime);
}

int32_t CTimeWordRecord::GetTotalTime() {
    Update();
    return WholeSeconds(m_totalTime);
}
