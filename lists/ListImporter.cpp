// SPDX-License-Identifier: GPL-2.0-or-later
#include "lists/ListImporter.h"

#include "engine/AtomicFile.h"
#include "engine/Counted.h"
#include "engine/ListRec.h"
#include "engine/SessionFiles.h"
#include "engine/WordListFile.h"
#include "imports/Diagnostics.h"
#include "imports/WordFileReader.h"
#include "lists/ListFolder.h"
#include "lists/ListGuard.h"
#include "lists/ListRebase.h"
#include "lists/ListTransaction.h"

#include <sstream>

namespace fs = std::filesystem;

namespace {

// The tool's hint on choosing a format means nothing where no option can be given.
std::string WithoutOptionHint(std::string text) {
    const size_t hint = text.find(" (guessed; --format chooses)");
    if (hint != std::string::npos) text.erase(hint);
    return text;
}

std::string WithLine(int line, const std::string& text) {
    return line > 0 ? "line " + std::to_string(line) + ": " + text : text;
}

std::string CheckCount(const ImportPlan& plan) {
    if (plan.records.empty()) return "the file holds no words to study";
    if (plan.records.size() > kMaxStudyWords)
        return "the file holds " + std::to_string(plan.records.size()) +
               " words; Quibbix can study at most " + std::to_string(kMaxStudyWords);
    return std::string();
}

}  // namespace

namespace ListImporter {

ImportPlan Read(const fs::path& file, const ImportOptions& options,
                const RecordEncoder::Options& encode) {
    ImportPlan plan;
    plan.file = file;
    plan.options = options;
    plan.encode = encode;
    std::ostringstream printed;
    Diagnostics diagnostics(printed);
    const WordFile words = WordFileReader::Read(file.string(), options, encode, diagnostics);
    plan.encoding = words.encoding;
    plan.encodingConfidence = words.encodingConfidence;
    plan.headerLikely = words.headerLikely;
    plan.isUndecodable = words.isUndecodable;
    for (const Diagnostics::Message& message : diagnostics.Messages()) {
        if (message.kind != Diagnostics::Message::Kind::kError)
            plan.notes.push_back(WithLine(message.line, WithoutOptionHint(message.text)));
        else if (words.isReadable)
            plan.refused.push_back({message.line, message.text});
        else if (plan.error.empty())
            plan.error = WithLine(message.line, message.text);
    }
    if (!words.isReadable) {
        if (plan.error.empty()) plan.error = "the file cannot be read";
        return plan;
    }
    plan.records = words.records;
    if (plan.refused.empty()) plan.error = CheckCount(plan);
    plan.suggestedName = ListStore::CleanName(words.title);
    if (plan.suggestedName.empty()) plan.suggestedName = ListStore::CleanName(file.stem().string());
    if (plan.suggestedName.empty()) plan.suggestedName = "List";
    return plan;
}

bool AddAsNew(ListStore& store, const ImportPlan& plan, const std::string& name, fs::path& folder,
              std::string& error) {
    error = CheckCount(plan);
    if (!error.empty()) return false;
    const std::string bytes = WordListFile::Serialize(plan.records);
    // The copy goes in from the start, so that the first study of the list reads no file twice.
    const std::optional<fs::path> made = store.Create(
        name, {{ListFolder::kWordListFile, bytes}, ListGuard::CopyImage(bytes)}, error);
    if (!made) return false;
    folder = *made;
    ListGuard::StampCopy(folder);
    return true;
}

bool Update(ListStore& store, const ImportPlan& plan, const std::string& name, std::string& report,
            std::string& error) {
    error = CheckCount(plan);
    if (!error.empty()) return false;
    const std::optional<ListSummary> list = store.Find(name);
    if (!list) {
        error = "no list named \"" + name + "\"";
        return false;
    }
    FolderLock lock;
    if (!ListFolder::LockForChange(list->folder, lock, error)) return false;
    std::string ignored;
    store.Prepare(list->folder, ignored);
    // The session is first brought onto the list as it stands, whatever was copied over it.
    std::string notice;
    if (!ListGuard::Check(store.Files(), list->folder, notice)) {
        error = notice;
        return false;
    }
    const std::string newBytes = WordListFile::Serialize(plan.records);
    const std::vector<FileImage> images = {{ListFolder::kWordListFile, newBytes},
                                           ListGuard::CopyImage(newBytes)};
    report = Counted(plan.records.size(), "word");
    if (ListFolder::HasSession(list->folder)) {
        std::string oldBytes, summary;
        if (store.Files().ReadFile(ListFolder::WordList(list->folder).string(), oldBytes) != 0) {
            error = "cannot read " + ListFolder::WordList(list->folder).string() +
                    ", which the progress stands on";
            return false;
        }
        if (!ListRebase::Run(store.Files(), list->folder, ListRebase::Records(oldBytes),
                             ListRebase::Records(newBytes), images, summary, error))
            return false;
        report += "; " + summary;
    } else {
        FileError failure;
        if (!ListTransaction(store.Files(), ListFolder::Session(list->folder))
                 .Commit(images, failure)) {
            error = "cannot write " + failure.Describe();
            return false;
        }
    }
    ListGuard::StampCopy(list->folder);
    return true;
}

}  // namespace ListImporter
