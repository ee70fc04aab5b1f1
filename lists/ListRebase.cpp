// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListRebase.h"

#include "engine/Counted.h"
#include "engine/LearnersWords.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "imports/FieldText.h"
#include "lists/ListFolder.h"
#include "lists/ListTransaction.h"
#include "lists/SessionRebaser.h"

#include <iterator>
#include <memory>
#include <sstream>

namespace {

std::string FirstError(const Diagnostics& diagnostics) {
    for (const Diagnostics::Message& message : diagnostics.Messages()) {
        if (message.kind == Diagnostics::Message::Kind::kError)
            return message.file + ": " + message.text;
    }
    return LearnersWords::Said("ListRebase", "the session could not be rebased");
}

std::string Summary(const SessionRebaser& rebaser, ListFolder::Direction direction, size_t oldCount,
                    size_t newCount) {
    const size_t kept = rebaser.KeptWords();
    const size_t gone = oldCount - kept, added = newCount - kept;
    return LearnersWords::Filled(
        LearnersWords::Said("ListRebase", "%1, %2 and %3; the old session files are kept as %4"),
        {LearnersWords::Counted(
             "ListRebase",
             QT_TRANSLATE_N_NOOP("ListRebase", "%n word(s) keep(s) its/their progress"), kept,
             Counted(kept, "word keeps its", "words keep their") + " progress"),
         LearnersWords::Counted("ListRebase", QT_TRANSLATE_N_NOOP("ListRebase", "%n is/are gone"),
                                gone, Counted(gone, "is", "are") + " gone"),
         LearnersWords::Counted("ListRebase", QT_TRANSLATE_N_NOOP("ListRebase", "%n is/are new"),
                                added, Counted(added, "is", "are") + " new"),
         std::string(ListFolder::SessionName(direction)) + "/*" + rebaser.BackupSuffix()});
}

}  // namespace

namespace ListRebase {

std::vector<WordRecord> Records(std::string_view bytes) {
    size_t trailing = 0;
    std::vector<WordRecord> records = WordListFile::ParseAll(bytes, trailing);
    for (WordRecord& record : records) {
        record.word = FieldText::ToUtf8(record.word);
        record.definition = FieldText::ToUtf8(record.definition);
    }
    return records;
}

bool Run(FileSystem& files, const std::filesystem::path& folder, const std::vector<Move>& moves,
         const std::vector<WordRecord>& newRecords, std::vector<FileImage> alongside,
         std::string& summary, std::string& error) {
    std::ostringstream report, messages;
    Diagnostics diagnostics(messages);
    std::vector<std::unique_ptr<SessionRebaser>> rebasers;
    std::vector<FileImage> images;
    for (const Move& move : moves) {
        rebasers.push_back(std::make_unique<SessionRebaser>(
            ListFolder::Session(folder, move.direction), report, diagnostics, files));
        if (rebasers.back()->Plan(move.oldRecords, newRecords, true, images, move.pairing) != 0) {
            error = FirstError(diagnostics);
            return false;
        }
    }
    images.insert(images.end(), std::make_move_iterator(alongside.begin()),
                  std::make_move_iterator(alongside.end()));
    ListTransaction transaction(files, ListFolder::Session(folder, moves.front().direction));
    FileError failure;
    if (!transaction.Commit(images, failure)) {
        error = LearnersWords::Filled(
            transaction.IsPending()
                ? LearnersWords::Said(
                      "ListRebase",
                      "%1: cannot write (%2); the change is finished when the list is next opened")
                : LearnersWords::Said("ListRebase", "%1: cannot write (%2); nothing changed"),
            {failure.path, DescribeError(failure.error)});
        return false;
    }
    summary.clear();
    for (size_t i = 0; i < moves.size(); ++i) {
        if (i > 0) summary += "; ";
        if (moves.size() > 1 && moves[i].direction == ListFolder::Direction::kBackwards)
            summary += LearnersWords::Said("ListRebase", "backwards, ");
        summary += Summary(*rebasers[i], moves[i].direction, moves[i].oldRecords.size(),
                           newRecords.size());
    }
    return true;
}

bool Run(FileSystem& files, const std::filesystem::path& folder,
         const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
         const std::vector<FileImage>& alongside, std::string& summary, std::string& error) {
    return Run(files, folder, {{ListFolder::Direction::kForwards, oldRecords, {}}}, newRecords,
               alongside, summary, error);
}

}  // namespace ListRebase
