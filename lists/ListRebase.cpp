// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListRebase.h"

#include "engine/Counted.h"
#include "engine/FieldText.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "lists/ListFolder.h"
#include "lists/ListTransaction.h"
#include "lists/SessionRebaser.h"

#include <memory>
#include <sstream>

namespace {

std::string FirstError(const Diagnostics& diagnostics) {
    for (const Diagnostics::Message& message : diagnostics.Messages()) {
        if (message.kind == Diagnostics::Message::Kind::kError)
            return message.file + ": " + message.text;
    }
    return "the session could not be rebased";
}

std::string Summary(const SessionRebaser& rebaser, ListFolder::Direction direction, size_t oldCount,
                    size_t newCount) {
    const size_t kept = rebaser.KeptWords();
    return Counted(kept, "word keeps its", "words keep their") + " progress, " +
           Counted(oldCount - kept, "is", "are") + " gone and " +
           Counted(newCount - kept, "is", "are") + " new; the old session files are kept as " +
           ListFolder::SessionName(direction) + "/*" + rebaser.BackupSuffix();
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
         const std::vector<WordRecord>& newRecords, const std::vector<FileImage>& alongside,
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
    images.insert(images.end(), alongside.begin(), alongside.end());
    ListTransaction transaction(files, ListFolder::Session(folder, moves.front().direction));
    FileError failure;
    if (!transaction.Commit(images, failure)) {
        error = failure.path + ": cannot write (" + DescribeError(failure.error) + "); " +
                (transaction.IsPending() ? "the change is finished when the list is next opened"
                                         : "nothing changed");
        return false;
    }
    summary.clear();
    for (size_t i = 0; i < moves.size(); ++i) {
        if (i > 0) summary += "; ";
        if (moves.size() > 1 && moves[i].direction == ListFolder::Direction::kBackwards)
            summary += "backwards, ";
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
