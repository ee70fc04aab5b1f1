// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/JournalLine.h"

#include "engine/HistoryFile.h"
#include "engine/ListRec.h"
#include "engine/WordListFile.h"
#include "sync/DeviceId.h"
#include "sync/SyncTexts.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <vector>

namespace {

// The most fields a line of this format has (a media event's); the fields past them are
// counted, not kept, for the message about a damaged line.
constexpr size_t kMaxFields = 11;

// The widest numbers an honest journal writes: a clock from 1970 to the year 10000, a day's seconds
// of use, a wall clock within a century of the journal's clock. A line beyond them was
// damaged or forged, and such a time would carry every computer's clock along with it.
constexpr int64_t kMaxClockMs = 253402300799999;
constexpr int64_t kMaxDaySeconds = 86400;
constexpr int64_t kMaxWallOffsetS = 100ll * 366 * 86400;

bool HasControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
}

// Without the program's checker installed (the library's own tests), a field is refused for
// what breaks the word list.
bool PlainEntryCheck(std::string_view word, std::string_view definition, std::string& problem) {
    if (word.empty() || HasControl(word) || word.size() > WordListFile::kWordSize)
        problem = SyncTexts::Said(SyncTexts::kBadWord);
    else if (HasControl(definition) || definition.size() > WordListFile::kDefinitionSize)
        problem = SyncTexts::Said(SyncTexts::kBadDefinition);
    return problem.empty();
}

// Installed again by every sync, which may run on a thread of its own beside another reader.
std::atomic<JournalLine::EntryCheck> g_entryCheck{&PlainEntryCheck};

std::string SameBytes(std::string_view field, size_t) { return std::string(field); }

std::atomic<JournalLine::FieldForm> g_toLine{&SameBytes};
std::atomic<JournalLine::FieldForm> g_toField{&SameBytes};

struct FieldList {
    std::string_view field[kMaxFields];
    size_t count = 0;

    size_t size() const { return count; }
    std::string_view operator[](size_t i) const { return field[i]; }
};

// Split at every space without allocating: a year of journals is 100,000 lines.
FieldList Fields(std::string_view line) {
    FieldList fields;
    size_t start = 0;
    while (true) {
        const size_t space = line.find(' ', start);
        if (fields.count < kMaxFields)
            fields.field[fields.count] = line.substr(start, space - start);
        ++fields.count;
        if (space == std::string_view::npos) return fields;
        start = space + 1;
    }
}

// A whole field as a number; no sign unless T is signed, no spaces, nothing after it.
template <typename T>
bool ParseNumber(std::string_view field, T& value) {
    if (field.empty() || field[0] == '+') return false;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return error == std::errc() && end == field.data() + field.size();
}

bool NeedsEscape(unsigned char c) { return c == '%' || c == ' ' || c < 0x20 || c == 0x7f; }

std::string EscapeField(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        if (NeedsEscape(c)) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xf];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool UnescapeField(std::string_view field, std::string& text) {
    text.clear();
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '%') {
            text += field[i];
            continue;
        }
        if (i + 2 >= field.size()) return false;
        const int high = HexValue(field[i + 1]);
        const int low = HexValue(field[i + 2]);
        if (high < 0 || low < 0) return false;
        text += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

bool IsDecimalId(std::string_view text, uint64_t limit = UINT64_MAX) {
    uint64_t value = 0;
    return !text.empty() && text[0] != '0' && ParseNumber(text, value) && value <= limit;
}

size_t FieldCount(JournalEvent::Kind kind) {
    switch (kind) {
        case JournalEvent::Kind::kJudgement:
            return 9;
        case JournalEvent::Kind::kEdit:
        case JournalEvent::Kind::kUsage:
            return 8;
        case JournalEvent::Kind::kUndo:
        case JournalEvent::Kind::kRemove:
            return 6;
        case JournalEvent::Kind::kMedia:
            return 11;
    }
    return 0;
}

bool DecodeKind(std::string_view field, JournalEvent::Kind& kind) {
    if (field.size() != 1) return false;
    switch (field[0]) {
        case 'J':
        case 'U':
        case 'E':
        case 'R':
        case 'T':
        case 'M':
            kind = static_cast<JournalEvent::Kind>(field[0]);
            return true;
        default:
            return false;
    }
}

bool DecodeDirection(std::string_view field, JournalEvent& e, std::string& reason) {
    if (field != "f" && field != "b") {
        reason = SyncTexts::Said(SyncTexts::kNoDirection);
        return false;
    }
    e.direction = static_cast<JournalEvent::Direction>(field[0]);
    return true;
}

bool DecodeUsage(const FieldList& f, JournalEvent& e, std::string& reason) {
    if (!DecodeDirection(f[5], e, reason)) return false;
    if (f[6].size() != 10 || HistoryFile::DayNumber(f[6]) < 0) {
        reason = SyncTexts::Said(SyncTexts::kNoDate);
        return false;
    }
    e.date = std::string(f[6]);
    if (!ParseNumber(f[7], e.seconds) || e.seconds < 0 || e.seconds > kMaxDaySeconds) {
        reason = SyncTexts::Said(SyncTexts::kNoSeconds);
        return false;
    }
    return true;
}

// A name the list's media store gives: 64 lower-case hex digits, a dot and an extension of
// letters and digits; "-" for none. Anything else could name a path out of the store.
bool DecodeMediaName(std::string_view field, std::string& name) {
    name.clear();
    if (field == "-") return true;
    if (field.size() < 66 || field.size() > 70 || field[64] != '.') return false;
    for (size_t i = 0; i < field.size(); ++i) {
        const char c = field[i];
        const bool isHex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
        const bool isExtension = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z');
        if (i != 64 && !(i < 64 ? isHex : isExtension)) return false;
    }
    name = std::string(field);
    return true;
}

bool DecodeMedia(const FieldList& f, JournalEvent& e, std::string& reason) {
    if (!UnescapeField(f[5], e.text) || !UnescapeField(f[6], e.definition)) {
        reason = SyncTexts::Said(SyncTexts::kBrokenEscape);
        return false;
    }
    e.text = g_toField.load()(e.text, WordListFile::kWordSize);
    e.definition = g_toField.load()(e.definition, WordListFile::kDefinitionSize);
    for (size_t i = 0; i < e.files.size(); ++i) {
        if (!DecodeMediaName(f[7 + i], e.files[i])) {
            reason = SyncTexts::Said(SyncTexts::kNoMediaName);
            return false;
        }
    }
    return true;
}

// The fields after the common five, by kind; `reason` set on false.
bool DecodeBody(const FieldList& f, JournalEvent& e, std::string& reason) {
    using Kind = JournalEvent::Kind;
    if (e.kind == Kind::kUndo) {
        if (!ParseNumber(f[5], e.undone) || e.undone == 0 || e.undone >= e.sequence) {
            reason = SyncTexts::Said(SyncTexts::kNoEarlierEvent);
            return false;
        }
        return true;
    }
    if (e.kind == Kind::kUsage) return DecodeUsage(f, e, reason);
    if (e.kind == Kind::kMedia) return DecodeMedia(f, e, reason);
    e.word = std::string(f[5]);
    if (!JournalLine::IsWordId(e.word)) {
        reason = SyncTexts::Said(SyncTexts::kNoWordId);
        return false;
    }
    if (e.kind == Kind::kJudgement) {
        if (!DecodeDirection(f[6], e, reason)) return false;
        if (!ParseNumber(f[7], e.code) || e.code < 0 || e.code > 3) {
            reason = SyncTexts::Said(SyncTexts::kNoJudgement);
            return false;
        }
        if (!ParseNumber(f[8], e.wallOffsetS) || e.wallOffsetS < -kMaxWallOffsetS ||
            e.wallOffsetS > kMaxWallOffsetS) {
            reason = SyncTexts::Said(SyncTexts::kNoOffset);
            return false;
        }
    } else if (e.kind == Kind::kEdit) {
        if (!UnescapeField(f[6], e.text) || !UnescapeField(f[7], e.definition)) {
            reason = SyncTexts::Said(SyncTexts::kBrokenEscape);
            return false;
        }
        e.text = g_toField.load()(e.text, WordListFile::kWordSize);
        e.definition = g_toField.load()(e.definition, WordListFile::kDefinitionSize);
        // Checked as the learner's own entries are: the words of every computer's list come
        // from here, and nothing is cut to fit.
        if (!g_entryCheck.load()(e.text, e.definition, reason)) return false;
    }
    return true;
}

}  // namespace

std::string JournalLine::EncodeHeader(const std::string& device) {
    return std::string(kMagic) + " " + std::to_string(kFormatVersion) + " " + device + "\n";
}

JournalLine::HeaderStatus JournalLine::DecodeHeader(std::string_view line, int& version,
                                                    std::string& device) {
    const FieldList f = Fields(line);
    if (f.size() < 2 || f[0] != kMagic || !ParseNumber(f[1], version) || version < 1) {
        return HeaderStatus::kNotJournal;
    }
    // Checked before the rest: a newer header may carry more fields.
    if (version > kFormatVersion) return HeaderStatus::kNewerFormat;
    if (f.size() != 3 || !DeviceId::IsValid(std::string(f[2]))) return HeaderStatus::kNotJournal;
    device = std::string(f[2]);
    return HeaderStatus::kOk;
}

std::string JournalLine::Encode(const JournalEvent& e) {
    std::string line;
    line.reserve(64);
    line += static_cast<char>(e.kind);
    line += ' ' + std::to_string(e.time.physicalMs) + ' ' + std::to_string(e.time.logical) + ' ' +
            e.device + ' ' + std::to_string(e.sequence);
    switch (e.kind) {
        case JournalEvent::Kind::kJudgement:
            line += ' ' + e.word + ' ' + static_cast<char>(e.direction) + ' ' +
                    std::to_string(e.code) + ' ' + std::to_string(e.wallOffsetS);
            break;
        case JournalEvent::Kind::kUndo:
            line += ' ' + std::to_string(e.undone);
            break;
        case JournalEvent::Kind::kEdit:
            line += ' ' + e.word + ' ' +
                    EscapeField(g_toLine.load()(e.text, WordListFile::kWordSize)) + ' ' +
                    EscapeField(g_toLine.load()(e.definition, WordListFile::kDefinitionSize));
            break;
        case JournalEvent::Kind::kRemove:
            line += ' ' + e.word;
            break;
        case JournalEvent::Kind::kUsage:
            line += std::string(" ") + static_cast<char>(e.direction) + ' ' + e.date + ' ' +
                    std::to_string(e.seconds);
            break;
        case JournalEvent::Kind::kMedia:
            line += ' ' + EscapeField(g_toLine.load()(e.text, WordListFile::kWordSize)) + ' ' +
                    EscapeField(g_toLine.load()(e.definition, WordListFile::kDefinitionSize));
            for (const std::string& file : e.files) line += ' ' + (file.empty() ? "-" : file);
            break;
    }
    line += '\n';
    return line;
}

bool JournalLine::Decode(std::string_view line, JournalEvent& event, std::string& reason) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const FieldList f = Fields(line);
    JournalEvent e;
    if (!DecodeKind(f[0], e.kind)) {
        reason = SyncTexts::Said(SyncTexts::kNoKind);
        return false;
    }
    if (f.size() != FieldCount(e.kind)) {
        reason = SyncTexts::Said(SyncTexts::kItHas) + std::to_string(f.size()) +
                 SyncTexts::Said(SyncTexts::kFieldsNot) + std::to_string(FieldCount(e.kind));
        return false;
    }
    if (!ParseNumber(f[1], e.time.physicalMs) || !ParseNumber(f[2], e.time.logical) ||
        e.time.physicalMs < 0 || e.time.physicalMs > kMaxClockMs) {
        reason = SyncTexts::Said(SyncTexts::kNoClock);
        return false;
    }
    e.device = std::string(f[3]);
    if (!DeviceId::IsValid(e.device)) {
        reason = SyncTexts::Said(SyncTexts::kNoDevice);
        return false;
    }
    if (!ParseNumber(f[4], e.sequence) || e.sequence == 0) {
        reason = SyncTexts::Said(SyncTexts::kNoSequence);
        return false;
    }
    if (!DecodeBody(f, e, reason)) return false;
    event = std::move(e);
    return true;
}

bool JournalLine::IsLaterKind(std::string_view line) {
    const FieldList f = Fields(line);
    JournalEvent::Kind known;
    int64_t clock = 0;
    uint32_t logical = 0;
    uint64_t sequence = 0;
    return f.size() >= 5 && f[0].size() == 1 && f[0][0] >= 'A' && f[0][0] <= 'Z' &&
           !DecodeKind(f[0], known) && ParseNumber(f[1], clock) && ParseNumber(f[2], logical) &&
           DeviceId::IsValid(std::string(f[3])) && ParseNumber(f[4], sequence) && sequence > 0;
}

bool JournalLine::BreaksList(std::string_view word, std::string_view definition) {
    std::string ignored;
    return !PlainEntryCheck(word, definition, ignored);
}

void JournalLine::UseFieldForms(FieldForm toLine, FieldForm toField) {
    g_toLine.store(toLine ? toLine : &SameBytes);
    g_toField.store(toField ? toField : &SameBytes);
}

void JournalLine::UseEntryCheck(EntryCheck check) {
    g_entryCheck.store(check ? check : &PlainEntryCheck);
}

bool JournalLine::IsWordId(std::string_view word) {
    const size_t dot = word.find('.');
    // A word of the base is a record of a list, and no list holds more than a session studies.
    if (dot == std::string_view::npos) return IsDecimalId(word, kMaxStudyWords);
    return DeviceId::IsValid(std::string(word.substr(0, dot))) && IsDecimalId(word.substr(dot + 1));
}
