// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/words/SessionProgress.h"

#include "engine/SessionFiles.h"
#include "engine/WordList.h"

#include <QtGlobal>

#include <optional>
#include <string>

namespace {

using State = WordProgress::State;

std::optional<State> StateOfListId(int32_t listId) {
    switch (listId) {
        case LIST_TOBEVIEWED:
            return State::kToBeViewed;
        case LIST_UNSURE:
            return State::kUnsure;
        case LIST_MISTAKEN:
            return State::kMistaken;
        case LIST_NEW:
            return State::kNew;
        case LIST_LEARNING:
            return State::kLearning;
        default:
            return std::nullopt;
    }
}

State StateOf(const SessionList& list) {
    return list.listId == kNoListId ? State::kKnown : *StateOfListId(list.listId);
}

// Word index i names record i, except index n, which names record 0; nullopt outside 1..n.
std::optional<size_t> RecordOfIndex(uint32_t index, size_t count) {
    if (index < 1 || index > count) return std::nullopt;
    return index == count ? 0 : index;
}

}  // namespace

const char* WordProgress::Plain(State state) {
    switch (state) {
        case State::kToBeViewed:
            return QT_TRANSLATE_NOOP("WordProgress", "to be viewed");
        case State::kNew:
            return QT_TRANSLATE_NOOP("WordProgress", "new");
        case State::kMistaken:
            return QT_TRANSLATE_NOOP("WordProgress", "mistaken");
        case State::kUnsure:
            return QT_TRANSLATE_NOOP("WordProgress", "unsure");
        case State::kLearning:
            return QT_TRANSLATE_NOOP("WordProgress", "learning");
        case State::kUnderReview:
            return QT_TRANSLATE_NOOP("WordProgress", "known, under review");
        case State::kKnown:
            return QT_TRANSLATE_NOOP("WordProgress", "known");
    }
    return "";
}

std::vector<WordProgress> SessionProgress::Read(FileSystem& files,
                                                const std::filesystem::path& sessionDir,
                                                size_t recordCount) {
    std::vector<WordProgress> progress(recordCount);
    // A word listed twice (a save cut short) counts where it stands first, as the program's
    // maintenance keeps that one.
    std::vector<bool> isPlaced(recordCount, false);
    for (const SessionList& file : SessionFiles::kLists) {
        CWordList list(files);
        CWordList::LoadReport report;
        list.LoadFile((sessionDir / file.FileName()).string().c_str(), report);
        // The to-be-viewed file alone decides whether a session exists, as for the program.
        if (file.listId == LIST_TOBEVIEWED && report.error != 0) return progress;
        for (const CListRec& entry : list.Entries()) {
            const std::optional<size_t> record = RecordOfIndex(entry.m_wordIndex, recordCount);
            if (!record || isPlaced[*record]) continue;
            isPlaced[*record] = true;
            progress[*record] = {StateOf(file), entry.m_counter};
        }
    }
    // The word on screen stands in no list, or its copy there is stale.
    std::string bytes;
    if (files.ReadFile(
            (sessionDir / std::filesystem::path(SessionFiles::kCurrWord).filename()).string(),
            bytes) == 0) {
        CurrWordRecord current;
        current.Decode(bytes);
        const std::optional<size_t> record = RecordOfIndex(current.wordIndex, recordCount);
        const std::optional<State> state = StateOfListId(current.listId);
        if (record && state) progress[*record] = {*state, current.counter};
    }
    // Known words put back for review wait to be viewed, or on screen, until judged again.
    CWordList review(files);
    review.LoadFile(
        (sessionDir / std::filesystem::path(SessionFiles::kReview).filename()).string().c_str());
    for (const CListRec& entry : review.Entries()) {
        const std::optional<size_t> record = RecordOfIndex(entry.m_wordIndex, recordCount);
        if (record && progress[*record].state == State::kToBeViewed)
            progress[*record] = {State::kUnderReview, 0};
    }
    return progress;
}
