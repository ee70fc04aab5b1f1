// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/ReplayCheckpoint.h"

#include "sync/Checksum.h"
#include "sync/JournalLine.h"

#include <charconv>

namespace {

constexpr const char* kMagic = "quibbix-replay 1";

std::string SumLine(std::string_view text) {
    return "sum " + std::to_string(Checksum(kChecksumSeed, text)) + "\n";
}

// Reads lines and counted blocks off the front of a checkpoint's text.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}

    bool Line(std::string_view& line) {
        const size_t end = m_text.find('\n');
        if (end == std::string_view::npos) return false;
        line = m_text.substr(0, end);
        m_text.remove_prefix(end + 1);
        return true;
    }
    bool Block(size_t size, std::string& bytes) {
        if (size > m_text.size()) return false;
        bytes.assign(m_text.substr(0, size));
        m_text.remove_prefix(size);
        return true;
    }
    bool AtEnd() const { return m_text.empty(); }

private:
    std::string_view m_text;
};

template <typename T>
bool ParseNumber(std::string_view field, T& value) {
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return !field.empty() && error == std::errc() && end == field.data() + field.size();
}

// The fields of a line, at single spaces; no line of a checkpoint has more than seven, and
// a year of words makes 30000 lines, so nothing is allocated.
constexpr size_t kMaxFields = 7;

struct Fields {
    std::string_view field[kMaxFields];
    size_t count = 0;

    size_t size() const { return count; }
    std::string_view operator[](size_t i) const { return field[i]; }
};

Fields Split(std::string_view line) {
    Fields fields;
    while (true) {
        const size_t space = line.find(' ');
        if (fields.count == kMaxFields) {
            ++fields.count;  // more than any line has: refused by its size
            return fields;
        }
        fields.field[fields.count++] = line.substr(0, space);
        if (space == std::string_view::npos) return fields;
        line.remove_prefix(space + 1);
    }
}

// One line of a checkpoint after its header lines; false when it is none of them.
bool ReadEntry(const Fields& f, Reader& reader, ReplayCheckpoint& c) {
    if (f.size() == 3 && f[0] == "device")
        return ParseNumber(f[2], c.merged.highest[std::string(f[1])]);
    if (f.size() == 3 && f[0] == "date") {
        c.dates[std::string(f[1])] = std::string(f[2]);
        return true;
    }
    if (f.size() == 3 && f[0] == "seconds")
        return ParseNumber(f[2], c.secondsByDevice[std::string(f[1])]);
    if (f.size() == 7 && f[0] == "copy") {
        JournalMerge::CopyMark& m = c.copies.emplace_back();
        m.name = std::string(f[1]);
        return ParseNumber(f[2], m.bytes) && ParseNumber(f[3], m.lines) &&
               ParseNumber(f[4], m.sum) && ParseNumber(f[5], m.events) && ParseNumber(f[6], m.last);
    }
    if (f.size() == 2 && f[0] == "wordsum") return ParseNumber(f[1], c.wordsSum);
    if (f.size() == 2 && f[0] == "gone") {
        c.removedIds.emplace_back(f[1]);
        return true;
    }
    size_t size = 0;
    size_t more = 0;
    if (f.size() == 4 && f[0] == "word" && ParseNumber(f[2], size) && ParseNumber(f[3], more)) {
        WordRecord word;
        if (!reader.Block(size, word.word) || !reader.Block(more, word.definition)) return false;
        c.wordIds.emplace_back(f[1]);
        c.words.push_back(std::move(word));
        return true;
    }
    if (f.size() != 4 || f[0] != "file" || (f[1] != "f" && f[1] != "b") || !ParseNumber(f[3], size))
        return false;
    FileImage image{std::string(f[2]), {}};
    if (!reader.Block(size, image.bytes)) return false;
    (f[1] == "f" ? c.forwards : c.backwards).push_back(std::move(image));
    return true;
}

}  // namespace

std::string ReplayCheckpoint::LineOf(const JournalEvent& event) {
    std::string line = JournalLine::Encode(event);
    line.pop_back();
    return line;
}

std::string ReplayCheckpoint::Serialize() const {
    // Room for every part, so that a megabyte is not copied again at every doubling.
    size_t size = 4096 + 64 * (merged.highest.size() + dates.size() + secondsByDevice.size() +
                               removedIds.size() + copies.size());
    for (size_t i = 0; i < words.size(); ++i)
        size += 64 + wordIds[i].size() + words[i].word.size() + words[i].definition.size();
    for (const auto* images : {&forwards, &backwards})
        for (const FileImage& image : *images) size += 64 + image.path.size() + image.bytes.size();
    std::string text;
    text.reserve(size);
    text += std::string(kMagic) + "\n";
    text += "base " + fingerprint + "\n";
    text += "events " + std::to_string(merged.count) + "\n";
    text += "last " + lastEvent + "\n";
    for (const auto& [device, highest] : merged.highest)
        text += "device " + device + " " + std::to_string(highest) + "\n";
    for (const auto& [device, date] : dates) text += "date " + device + " " + date + "\n";
    for (const auto& [device, seconds] : secondsByDevice)
        text += "seconds " + device + " " + std::to_string(seconds) + "\n";
    for (const JournalMerge::CopyMark& m : copies) {
        text += "copy " + m.name + " " + std::to_string(m.bytes) + " " + std::to_string(m.lines) +
                " " + std::to_string(m.sum) + " " + std::to_string(m.events) + " " +
                std::to_string(m.last) + "\n";
    }
    if (wordsSum != 0) text += "wordsum " + std::to_string(wordsSum) + "\n";
    for (const std::string& id : removedIds) text += "gone " + id + "\n";
    char number[24];
    const auto append = [&](size_t value, char end) {
        const auto written = std::to_chars(number, number + sizeof number, value);
        text.append(number, written.ptr);
        text += end;
    };
    for (size_t i = 0; i < words.size(); ++i) {
        text += "word ";
        text += wordIds[i];
        text += ' ';
        append(words[i].word.size(), ' ');
        append(words[i].definition.size(), '\n');
        text += words[i].word;
        text += words[i].definition;
    }
    for (const auto& [tag, images] : {std::pair{'f', &forwards}, {'b', &backwards}}) {
        for (const FileImage& image : *images) {
            text += std::string("file ") + tag + " " + image.path + " " +
                    std::to_string(image.bytes.size()) + "\n";
            text += image.bytes;
        }
    }
    text += SumLine(text);
    return text;
}

bool ReplayCheckpoint::Parse(std::string_view text, ReplayCheckpoint& checkpoint) {
    checkpoint = ReplayCheckpoint();
    const size_t sumAt = text.rfind("sum ");
    if (sumAt == std::string_view::npos || text.substr(sumAt) != SumLine(text.substr(0, sumAt)))
        return false;
    Reader reader(text.substr(0, sumAt));
    std::string_view line;
    if (!reader.Line(line) || line != kMagic) return false;
    if (!reader.Line(line) || line.substr(0, 5) != "base ") return false;
    checkpoint.fingerprint = std::string(line.substr(5));
    if (!reader.Line(line) || line.substr(0, 7) != "events " ||
        !ParseNumber(line.substr(7), checkpoint.merged.count))
        return false;
    if (!reader.Line(line) || line.substr(0, 5) != "last ") return false;
    checkpoint.lastEvent = std::string(line.substr(5));
    while (reader.Line(line))
        if (!ReadEntry(Split(line), reader, checkpoint)) return false;
    return reader.AtEnd();
}
