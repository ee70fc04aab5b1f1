// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BreakRecord.h"

#include "engine/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr std::string_view kHeader = "quibbix-break 1";
// A day of study without a judgement is more than anyone studies; a larger number is damage.
constexpr int64_t kMaxCount = 24 * 3600 * 1000;

template <typename T>
bool Number(std::string_view text, T& value, int64_t low, int64_t high) {
    int64_t parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = static_cast<T>(parsed);
    return true;
}

}  // namespace

BreakRecord BreakRecord::Parse(std::string_view text) {
    BreakRecord record;
    bool isFirst = true;
    while (!text.empty()) {
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (isFirst) {
            if (line != kHeader) return {};
            isFirst = false;
            continue;
        }
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, tab), value = line.substr(tab + 1);
        if (key == "study-ms")
            Number(value, record.msSinceBreak, 0, kMaxCount);
        else if (key == "words")
            Number(value, record.wordsSinceBreak, 0, kMaxCount);
        else if (key == "break-started")
            Number(value, record.breakStartedS, 0, std::numeric_limits<int64_t>::max() / 2);
        else if (key == "break-left-ms")
            Number(value, record.breakLeftMs, 0, kBreakMs);
    }
    return record;
}

std::string BreakRecord::Serialize() const {
    std::string text = std::string(kHeader) + "\nstudy-ms\t" + std::to_string(msSinceBreak) +
                       "\nwords\t" + std::to_string(wordsSinceBreak) + "\n";
    if (breakStartedS >= 0)
        text += "break-started\t" + std::to_string(breakStartedS) + "\nbreak-left-ms\t" +
                std::to_string(breakLeftMs) + "\n";
    return text;
}

BreakRecord BreakRecord::Load(FileSystem& files, const std::string& path) {
    std::string text;
    return files.ReadFile(path, text) == 0 ? Parse(text) : BreakRecord();
}

bool BreakRecord::Save(FileSystem& files, const std::string& path) const {
    FileError error;
    return ReplaceFiles(files, {{path, Serialize()}}, error);
}

int32_t BreakRecord::LeftAt(int64_t nowS) const {
    if (breakStartedS < 0) return 0;
    const int64_t sinceStart = std::max<int64_t>(0, nowS - breakStartedS);
    const int64_t left = std::max<int64_t>(0, int64_t{kBreakMs} - sinceStart * 1000);
    return static_cast<int32_t>(std::min<int64_t>(left, breakLeftMs));
}
