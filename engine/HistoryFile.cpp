// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/HistoryFile.h"

#include "engine/EngineEnv.h"
#include "engine/EngineTexts.h"
#include "engine/LearnersWords.h"
#include "engine/WordState.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr size_t kFieldCount = 3 + SessionFiles::kListCount + 1;

// A plain decimal number of at most `max`, no sign and no spaces.
template <class T>
bool ParseCount(std::string_view text, T& value) {
    if (text.empty() || text.size() > 19) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    int64_t parsed = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (result.ec != std::errc() || parsed > std::numeric_limits<T>::max()) return false;
    value = static_cast<T>(parsed);
    return true;
}

// A day's totals only grow; a line whose count would wrap negative could never be read back,
// so a total that reaches the top stays there.
int64_t SaturatingAdd(int64_t total, int64_t more) {
    if (more > 0 && total > std::numeric_limits<int64_t>::max() - more)
        return std::numeric_limits<int64_t>::max();
    return total + more;
}

std::vector<std::string_view> Split(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos) return fields;
        start = end + 1;
    }
}

bool ParseDay(std::string_view line, HistoryDay& day) {
    const std::vector<std::string_view> fields = Split(line, '\t');
    if (fields.size() != kFieldCount || HistoryFile::DayNumber(fields[0]) < 0) return false;
    day.date = std::string(fields[0]);
    bool ok = ParseCount(fields[1], day.seconds) && ParseCount(fields[2], day.judgements);
    for (size_t i = 0; i < SessionFiles::kListCount; ++i)
        ok = ok && ParseCount(fields[3 + i], day.counts.lists[i]);
    return ok && ParseCount(fields[kFieldCount - 1], day.counts.wordsLearned);
}

std::string Table(const std::vector<HistoryDay>& days, char separator) {
    std::string text;
    auto field = [&](const std::string& value, bool first = false) {
        if (!first) text += separator;
        text += value;
    };
    field("date", true);
    field("seconds");
    field("judgements");
    for (const SessionList& list : SessionFiles::kLists) field(list.name);
    field("learned");
    text += '\n';
    for (const HistoryDay& day : days) {
        field(day.date, true);
        field(std::to_string(day.seconds));
        field(std::to_string(day.judgements));
        for (int32_t count : day.counts.lists) field(std::to_string(count));
        field(std::to_string(day.counts.wordsLearned));
        text += '\n';
    }
    return text;
}

bool IsLeap(int64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

}  // namespace

HistoryCounts HistoryCounts::Of(const CWordState& state) {
    HistoryCounts counts;
    for (size_t i = 0; i < SessionFiles::kListCount; ++i) {
        const SessionList& list = SessionFiles::kLists[i];
        switch (list.listId) {
            case LIST_TOBEVIEWED:
                counts.lists[i] = state.GetToBeViewed().GetCount();
                break;
            case LIST_UNSURE:
                counts.lists[i] = state.GetUnsure().GetCount();
                break;
            case LIST_MISTAKEN:
                counts.lists[i] = state.GetMistaken().GetCount();
                break;
            case LIST_NEW:
                counts.lists[i] = state.GetNew().GetCount();
                break;
            case LIST_LEARNING:
                counts.lists[i] = state.GetLearning().GetCount();
                break;
            default:
                counts.lists[i] = state.GetKnown().GetCount();
        }
    }
    counts.wordsLearned = state.GetWordsLearned();
    return counts;
}

HistoryFile::HistoryFile(EngineEnv& env) : m_env(env) {}

void HistoryFile::Load() {
    m_days.clear();
    std::string text;
    const int error = m_env.Files().ReadFile(SessionFiles::kHistory, text);
    const bool damaged = error == 0 && !Parse(text, m_days);
    m_guard.Note(SessionFiles::kHistory, error, damaged, text);
    const std::string problems = m_guard.Describe();
    if (!problems.empty())
        m_env.ShowMessage(
            LearnersWords::Said("Engine", EngineTexts::kHistoryUnread) + "\n\n" + problems,
            CWordState::kCaption, EngineEnv::Icon::Error);
}

std::string HistoryFile::Note(int64_t seconds, int64_t judgements, const HistoryCounts& counts) {
    const std::string today = m_env.LocalDate();
    if (DayNumber(today) < 0) return {};
    auto day = std::lower_bound(
        m_days.begin(), m_days.end(), today,
        [](const HistoryDay& d, const std::string& date) { return d.date < date; });
    if (day == m_days.end() || day->date != today) {
        if (seconds <= 0 && judgements <= 0) return today;
        day = m_days.insert(day, HistoryDay{today, 0, 0, counts});
    }
    if (seconds > 0) day->seconds = SaturatingAdd(day->seconds, seconds);
    if (judgements > 0) day->judgements = SaturatingAdd(day->judgements, judgements);
    day->counts = counts;
    return today;
}

void HistoryFile::TakeBackJudgement(const HistoryCounts& counts) {
    const std::string today = m_env.LocalDate();
    auto day = std::lower_bound(
        m_days.begin(), m_days.end(), today,
        [](const HistoryDay& d, const std::string& date) { return d.date < date; });
    if (day == m_days.end() || day->date != today || day->judgements <= 0) return;
    --day->judgements;
    day->counts = counts;
}

std::vector<FileImage> HistoryFile::SaveImages() const {
    // A history with no day in it is no history yet: no empty file for every new session.
    if (m_days.empty()) return {};
    std::vector<FileImage> images = {{SessionFiles::kHistory, Serialize(m_days)}};
    m_guard.Prepare(images);
    return images;
}

void HistoryFile::SaveDone(bool saved) {
    if (saved) m_guard.Saved();
}

bool HistoryFile::Save() {
    const std::vector<FileImage> images = SaveImages();
    if (images.empty()) return true;
    FileError error;
    const bool saved = ReplaceFiles(m_env.Files(), images, error);
    SaveDone(saved);
    return saved;
}

std::string HistoryFile::Header() { return Table({}, '\t'); }

std::string HistoryFile::Serialize(const std::vector<HistoryDay>& days) {
    return Table(days, '\t');
}

std::string HistoryFile::ToCsv(const std::vector<HistoryDay>& days) { return Table(days, ','); }

bool HistoryFile::Parse(std::string_view text, std::vector<HistoryDay>& days) {
    days.clear();
    const std::string header = Header();
    std::vector<std::string_view> lines = Split(text, '\n');
    // A spreadsheet may save the file back with CR LF line ends.
    for (std::string_view& line : lines)
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (lines.empty() || lines[0] != std::string_view(header).substr(0, header.size() - 1))
        return false;
    bool whole = true;
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i].empty()) continue;
        HistoryDay day;
        if (ParseDay(lines[i], day)) {
            days.push_back(day);
        } else {
            whole = false;
        }
    }
    std::stable_sort(days.begin(), days.end(),
                     [](const HistoryDay& a, const HistoryDay& b) { return a.date < b.date; });
    // Two lines for one day cannot both be right; the first is kept.
    const auto duplicates =
        std::unique(days.begin(), days.end(),
                    [](const HistoryDay& a, const HistoryDay& b) { return a.date == b.date; });
    if (duplicates != days.end()) whole = false;
    days.erase(duplicates, days.end());
    return whole;
}

int64_t HistoryFile::DayNumber(std::string_view date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return -1;
    int64_t y = 0, m = 0, d = 0;
    if (!ParseCount(date.substr(0, 4), y) || !ParseCount(date.substr(5, 2), m) ||
        !ParseCount(date.substr(8, 2), d))
        return -1;
    static constexpr int kMonthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (m < 1 || m > 12 || d < 1 || d > kMonthDays[m - 1] + (m == 2 && IsLeap(y) ? 1 : 0))
        return -1;
    // Days from the civil date, counting years from March so that the leap day comes last.
    y -= m <= 2 ? 1 : 0;
    const int64_t era = y / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int32_t HistoryFile::CurrentStreak(const std::vector<HistoryDay>& days, std::string_view today) {
    const int64_t last = DayNumber(today);
    int64_t expected = last;
    int32_t streak = 0;
    for (auto day = days.rbegin(); day != days.rend(); ++day) {
        const int64_t number = DayNumber(day->date);
        if (number > last) continue;  // after today: the calendar was set back since
        if (streak == 0 && number == last - 1) expected = number;  // today not studied yet
        if (number != expected) break;
        ++streak;
        --expected;
    }
    return streak;
}

int32_t HistoryFile::LongestStreak(const std::vector<HistoryDay>& days) {
    int32_t longest = 0;
    int32_t run = 0;
    int64_t previous = -2;
    for (const HistoryDay& day : days) {
        const int64_t number = DayNumber(day.date);
        run = number == previous + 1 ? run + 1 : 1;
        previous = number;
        longest = std::max(longest, run);
    }
    return longest;
}
