// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListRebase.h"

#include "engine/Counted.h"
#include "engine/FieldText.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "lists/ListFolder.h"
#include "lists/SessionRebaser.h"

#include <sstream>

namespace {

// The backup suffix the rebaser chose, from its closing line "... kept as *SUFFIX".
std::string BackupSuffix(const std::string& report) {
    const std::string mark = "kept as *";
    const size_t at = report.rfind(mark);
    if (at == std::string::npos) return ".bak";
    const size_t start = at + mark.size();
    return report.substr(start, report.find('\n', start) - start);
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

bool Run(FileSystem& files, const std::filesystem::path& folder,
         const std::vector<WordRecord>& oldRecords, const std::vector<WordRecord>& newRecords,
         const std::vector<FileImage>& alongside, std::string& summary, std::string& error) {
    std::ostringstream report, messages;
    Diagnostics diagnostics(messages);
    SessionRebaser rebaser(ListFolder::Session(folder), report, diagnostics, files);
    if (rebaser.Run(oldRecords, newRecords, true, alongside) != 0) {
        for (const Diagnostics::Message& message : diagnostics.Messages()) {
            if (message.kind == Diagnostics::Message::Kind::kError) {
                error = message.file + ": " + message.text;
                break;
            }
        }
        if (error.empty()) error = "the session could not be rebased";
        return false;
    }
    const size_t kept = rebaser.KeptWords();
    summary = Counted(kept, "word keeps its", "words keep their") + " progress, " +
              Counted(oldRecords.size() - kept, "is", "are") + " gone and " +
              Counted(newRecords.size() - kept, "is", "are") +
              " new; the old session files are kept as session/*" + BackupSuffix(report.str());
    return true;
}

}  // namespace ListRebase
