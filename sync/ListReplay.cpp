// SPDX-License-Identifier: GPL-2.0-or-later
#include "sync/ListReplay.h"

#include "engine/SessionFiles.h"
#include "sync/JournalLine.h"
#include "sync/JournalMerge.h"
#include "sync/SessionReplay.h"

#include <cerrno>
#include <charconv>
#include <memory>
#include <string_view>

namespace {

// One file, so that the state of both directions and the point it stands at can never be
// read from two different saves.
constexpr const char* kCheckpointName = "replay.txt";
constexpr const char* kCheckpointMagic = "quibbix-replay 1";

constexpr uint64_t kFnvOffset = 14695981039346656037ull;

uint64_t Fnv(uint64_t hash, std::string_view bytes) {
    for (unsigned char c : bytes) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// Each part with its length, so that moving bytes from one part to the next changes the hash.
uint64_t FnvPart(uint64_t hash, std::string_view bytes) {
    return Fnv(Fnv(hash, std::to_string(bytes.size()) + ":"), bytes);
}

std::string Hex(uint64_t value) {
    static const char kHex[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kHex[value & 0xf];
    return text;
}

// A checkpoint belongs to one base: a list joined again from another base starts afresh.
std::string Fingerprint(const ListReplay::Base& base) {
    uint64_t hash = kFnvOffset;
    hash = FnvPart(hash, std::to_string(base.words.size()));
    for (const WordRecord& word : base.words)
        hash = FnvPart(FnvPart(hash, word.word), word.definition);
    for (const auto* images : {&base.forwards, &base.backwards}) {
        hash = FnvPart(hash, "direction");
        for (const FileImage& image : *images)
            hash = FnvPart(FnvPart(hash, image.path), image.bytes);
    }
    return Hex(hash);
}

bool IsReplayedFile(const std::string& path) {
    if (path == SessionFiles::kWordsLearned || path == SessionFiles::kHistory) return true;
    for (const SessionList& file : SessionFiles::kLists)
        if (path == file.path) return true;
    return false;
}

// What a checkpoint file holds.
struct Saved {
    std::string fingerprint;
    JournalMerge::Checkpoint checkpoint;
    // The line of the last event it covers: a device's event replaced by another under the
    // same sequence number (a data folder restored from a backup) is not the one replayed.
    std::string lastEvent;
    std::vector<FileImage> forwards;
    std::vector<FileImage> backwards;
};

std::string Serialize(const Saved& saved) {
    std::string text = std::string(kCheckpointMagic) + "\n";
    text += "base " + saved.fingerprint + "\n";
    text += "events " + std::to_string(saved.checkpoint.count) + "\n";
    text += "last " + saved.lastEvent + "\n";
    for (const auto& [device, highest] : saved.checkpoint.highest)
        text += "device " + device + " " + std::to_string(highest) + "\n";
    for (const auto& [tag, images] : {std::pair{'f', &saved.forwards}, {'b', &saved.backwards}}) {
        for (const FileImage& image : *images) {
            text += std::string("file ") + tag + " " + image.path + " " +
                    std::to_string(image.bytes.size()) + "\n";
            text += image.bytes;
        }
    }
    text += "sum " + Hex(Fnv(kFnvOffset, text)) + "\n";
    return text;
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

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

template <typename T>
bool ParseNumber(std::string_view field, T& value) {
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    return !field.empty() && error == std::errc() && end == field.data() + field.size();
}

// The fields of "word word ... word", at single spaces.
std::vector<std::string_view> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    while (true) {
        const size_t space = line.find(' ');
        fields.push_back(line.substr(0, space));
        if (space == std::string_view::npos) return fields;
        line.remove_prefix(space + 1);
    }
}

// False for anything not written whole by Serialize: a checkpoint cut short by a crash, or
// damaged on disk, is only a lost shortcut.
bool Parse(std::string_view text, Saved& saved) {
    const size_t sumAt = text.rfind("sum ");
    if (sumAt == std::string_view::npos ||
        text.substr(sumAt) != "sum " + Hex(Fnv(kFnvOffset, text.substr(0, sumAt))) + "\n")
        return false;
    Reader reader(text.substr(0, sumAt));
    std::string_view line;
    if (!reader.Line(line) || line != kCheckpointMagic) return false;
    if (!reader.Line(line) || !StartsWith(line, "base ")) return false;
    saved.fingerprint = std::string(line.substr(5));
    if (!reader.Line(line) || !StartsWith(line, "events ") ||
        !ParseNumber(line.substr(7), saved.checkpoint.count))
        return false;
    if (!reader.Line(line) || !StartsWith(line, "last ")) return false;
    saved.lastEvent = std::string(line.substr(5));
    while (reader.Line(line)) {
        const std::vector<std::string_view> f = Split(line);
        if (f.size() == 3 && f[0] == "device") {
            if (!ParseNumber(f[2], saved.checkpoint.highest[std::string(f[1])])) return false;
            continue;
        }
        size_t size = 0;
        if (f.size() != 4 || f[0] != "file" || (f[1] != "f" && f[1] != "b") ||
            !ParseNumber(f[3], size))
            return false;
        FileImage image{std::string(f[2]), {}};
        if (!reader.Block(size, image.bytes)) return false;
        (f[1] == "f" ? saved.forwards : saved.backwards).push_back(std::move(image));
    }
    return reader.AtEnd();
}

std::string LastEventLine(const std::vector<JournalEvent>& events, size_t count) {
    if (count == 0) return "-";
    std::string line = JournalLine::Encode(events[count - 1]);
    line.pop_back();
    return line;
}

// The base's history, unchanged, beside the replayed lists: the judgements and seconds of
// other computers are not counted into it yet.
std::vector<FileImage> WithHistory(std::vector<FileImage> images,
                                   const std::vector<FileImage>& base) {
    for (const FileImage& image : base)
        if (image.path == SessionFiles::kHistory) images.push_back(image);
    return images;
}

}  // namespace

ListReplay::ListReplay(FileSystem& files, std::string checkpointDir)
    : m_files(files), m_checkpointDir(std::move(checkpointDir)) {}

bool ListReplay::Run(const Base& base, const std::vector<JournalEvent>& events, Result& result,
                     std::string& error) {
    result = Result();
    const size_t total = base.words.size();
    if (total < 1 || total > kMaxStudyWords) {
        error = "The list to replay holds " + std::to_string(total) +
                " words: a list studies from 1 to " + std::to_string(kMaxStudyWords) + ".";
        return false;
    }
    const auto totalWords = static_cast<int32_t>(total);
    const std::string fingerprint = Fingerprint(base);
    const std::string checkpointPath = m_checkpointDir + "/" + kCheckpointName;

    std::unique_ptr<SessionReplay> forwards;
    std::unique_ptr<SessionReplay> backwards;
    size_t from = 0;
    Saved saved;
    std::string bytes;
    if (m_files.ReadFile(checkpointPath, bytes) == 0 && Parse(bytes, saved) &&
        saved.fingerprint == fingerprint && saved.checkpoint.count <= events.size() &&
        saved.lastEvent == LastEventLine(events, saved.checkpoint.count)) {
        const JournalMerge::Delta delta = JournalMerge::Since(events, saved.checkpoint);
        if (delta.continuesCheckpoint) {
            forwards = std::make_unique<SessionReplay>(saved.forwards, totalWords,
                                                       JournalEvent::Direction::kForwards);
            backwards = std::make_unique<SessionReplay>(saved.backwards, totalWords,
                                                        JournalEvent::Direction::kBackwards);
            from = delta.resumeAt;
            // An undo of a judgement the checkpoint holds: only the base can leave it out.
            if (!forwards->Replay(events, from) || !backwards->Replay(events, from)) {
                forwards.reset();
                backwards.reset();
            }
        }
    }
    if (!forwards) {
        result.fromBase = true;
        from = 0;
        forwards = std::make_unique<SessionReplay>(base.forwards, totalWords,
                                                   JournalEvent::Direction::kForwards);
        backwards = std::make_unique<SessionReplay>(base.backwards, totalWords,
                                                    JournalEvent::Direction::kBackwards);
        forwards->Replay(events);
        backwards->Replay(events);
    }

    for (size_t record = 1; record <= total; ++record)
        result.wordIds.push_back(std::to_string(record));
    result.words = base.words;
    result.forwards =
        WithHistory(forwards->Images(), result.fromBase ? base.forwards : saved.forwards);
    result.backwards =
        WithHistory(backwards->Images(), result.fromBase ? base.backwards : saved.backwards);
    const SessionReplay::Counts& f = forwards->GetCounts();
    const SessionReplay::Counts& b = backwards->GetCounts();
    result.judgementsReplayed = f.judged + b.judged;
    result.unknownWords = f.unknownWords + b.unknownWords;
    for (size_t i = from; i < events.size(); ++i) {
        const JournalEvent::Kind kind = events[i].kind;
        if (kind == JournalEvent::Kind::kEdit || kind == JournalEvent::Kind::kRemove)
            ++result.editsReplayed;
    }

    // Nothing new: the checkpoint on disk is this one already.
    if (!result.fromBase && from == events.size()) return true;
    Saved next;
    next.fingerprint = fingerprint;
    next.checkpoint = JournalMerge::CheckpointAt(events, events.size());
    next.lastEvent = LastEventLine(events, events.size());
    for (const FileImage& image : result.forwards)
        if (IsReplayedFile(image.path)) next.forwards.push_back(image);
    for (const FileImage& image : result.backwards)
        if (IsReplayedFile(image.path)) next.backwards.push_back(image);
    // A checkpoint that cannot be written costs the next run its shortcut, never a result.
    const int made = m_files.MakeDirectory(m_checkpointDir);
    if (made == 0 || made == EEXIST) WriteFileAtomically(m_files, checkpointPath, Serialize(next));
    return true;
}
