// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/SyncMedia.h"

#include "engine/LearnersWords.h"
#include "lists/MediaStore.h"
#include "lists/SyncFiles.h"
#include "sync/JournalLine.h"

#include <set>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* kHeader = "quibbix-media-state 1";

CardMedia MediaOf(const JournalEvent& event) {
    return {event.files[0], event.files[1], event.files[2], event.files[3]};
}

bool IsRegularFile(const fs::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

namespace SyncMedia {

State Parse(const std::string& text) {
    State state;
    const std::vector<std::string> lines = SyncFiles::SplitLines(text);
    if (lines.empty() || lines.front() != kHeader) return state;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> fields = SyncFiles::SplitTabs(lines[i]);
        if (fields.size() == 3 && fields[0] == "applied") {
            state.applied[fields[1]] = std::strtoull(fields[2].c_str(), nullptr, 10);
            continue;
        }
        JournalEvent event;
        std::string reason;
        if (JournalLine::Decode(lines[i], event, reason) &&
            event.kind == JournalEvent::Kind::kMedia)
            state.cards[{event.text, event.definition}] = std::move(event);
    }
    return state;
}

std::string Serialize(const State& state) {
    std::string text = std::string(kHeader) + "\n";
    for (const auto& [device, sequence] : state.applied)
        text += "applied\t" + device + "\t" + std::to_string(sequence) + "\n";
    for (const auto& [card, event] : state.cards) text += JournalLine::Encode(event);
    return text;
}

State Load(FileSystem& files, const fs::path& listFolder) {
    std::string text;
    if (SyncFiles::ReadIfThere(files, SyncFiles::Under(listFolder, kStateFile), text) != 0)
        return {};
    return Parse(text);
}

MediaIndex IndexOf(const State& state) {
    MediaIndex index;
    for (const auto& [card, event] : state.cards)
        index.Set({card.first, card.second}, MediaOf(event));
    return index;
}

std::vector<JournalEvent> Diff(const State& state, const MediaIndex& index) {
    const MediaIndex synced = IndexOf(state);
    std::vector<JournalEvent> events;
    const auto tell = [&](const WordRecord& card, const CardMedia& media) {
        JournalEvent event;
        event.kind = JournalEvent::Kind::kMedia;
        event.text = card.word;
        event.definition = card.definition;
        event.files = {media.wordPicture, media.wordSound, media.definitionPicture,
                       media.definitionSound};
        events.push_back(std::move(event));
    };
    for (const auto& [card, media] : index.Cards()) {
        const CardMedia* before = synced.Find(card);
        if (!before || !(*before == media)) tell(card, media);
    }
    // A card whose files all went since.
    for (const auto& [card, media] : synced.Cards())
        if (!index.Find(card)) tell(card, CardMedia());
    return events;
}

bool Apply(State& state, const std::vector<JournalEvent>& events) {
    bool changed = false;
    for (const JournalEvent& event : events) {
        uint64_t& applied = state.applied[event.device];
        applied = std::max(applied, event.sequence);
        if (event.kind != JournalEvent::Kind::kMedia) continue;
        const auto [latest, isNew] = state.cards.try_emplace({event.text, event.definition}, event);
        if (isNew) {
            changed = changed || !MediaOf(event).IsEmpty();
            continue;
        }
        if (!EventOrderLess(latest->second, event)) continue;
        changed = changed || !(MediaOf(latest->second) == MediaOf(event));
        latest->second = event;
    }
    return changed;
}

bool MissesEvents(const State& state, const std::map<std::string, uint64_t>& highest) {
    for (const auto& [device, sequence] : highest) {
        const auto applied = state.applied.find(device);
        if (applied == state.applied.end() || applied->second < sequence) return true;
    }
    return false;
}

bool Exchange(const fs::path& listFolder, const fs::path& syncFolder, const MediaIndex& index,
              std::vector<std::string>& notes) {
    MediaStore list(listFolder);
    // The folder holds what any computer's list holds, each file written once under its name.
    MediaStore folder(syncFolder, MediaStore::kMaxListBytes, kFolderDir);
    const std::set<std::string> names = index.Names();
    bool isWhole = true;
    for (const std::string& name : names) {
        const std::string extension = name.substr(name.rfind('.') + 1);
        const fs::path inFolder = syncFolder / kFolderDir / name;
        std::string note;
        if (list.Has(name)) {
            if (IsRegularFile(inFolder)) continue;
            if (const auto source = list.Verified(name);
                source && !folder.Add(*source, extension, note))
                notes.push_back(note);
            continue;
        }
        if (!fs::exists(fs::symlink_status(inFolder))) {
            isWhole = false;
            continue;
        }
        // A file refused now may be replaced by the true one later: the sync that finds it
        // must not be passed over.
        const std::optional<std::string> kept = list.Add(inFolder, extension, note);
        isWhole = isWhole && kept == name;
        if (!kept) {
            notes.push_back(note);
        } else if (*kept != name) {
            notes.push_back(LearnersWords::Filled(
                LearnersWords::Said("ListSync", "%1: its contents do not match its name; left out"),
                {inFolder.string()}));
            if (!names.count(*kept)) list.Remove(*kept);
        }
    }
    return isWhole;
}

}  // namespace SyncMedia
