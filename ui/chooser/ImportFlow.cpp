// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/ImportFlow.h"

#include "engine/Escaped.h"
#include "engine/LearnersWords.h"
#include "imports/EncodingDetector.h"
#include "imports/FieldText.h"
#include "imports/ImportAdvice.h"
#include "imports/InputDecoder.h"
#include "lists/ListImporter.h"
#include "ui/chooser/EncodingDialog.h"
#include "ui/chooser/RefusedDialog.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "translations/Translations.h"
#include "windowfit/PlainMessageBox.h"

namespace {

// The importers' advice names options of the command-line tool; a window says what the
// learner can change in the file instead.
constexpr struct {
    const char* option;
    const char* instead;
} kAdvice[] = {
    {ImportAdvice::kHeader,
     QT_TRANSLATE_NOOP("ImportFlow", "; delete that row from the file if it holds no word")},
    {ImportAdvice::kEncodingSavedIn,
     QT_TRANSLATE_NOOP("ImportFlow", "; choose the encoding it was saved in")},
    {ImportAdvice::kRightEncoding, QT_TRANSLATE_NOOP("ImportFlow", "; choose another encoding")},
    {ImportAdvice::kEncodingChooses, ")"},
    {ImportAdvice::kTruncate, QT_TRANSLATE_NOOP("ImportFlow", "; shorten it in the file")},
};

constexpr struct {
    const char* name;
    const char* what;
} kFormats[] = {
    {"tsv", QT_TRANSLATE_NOOP("ImportFlow", "text with a tab between each word and its meaning")},
    {"csv", QT_TRANSLATE_NOOP("ImportFlow", "comma-separated text")},
    {"anki", QT_TRANSLATE_NOOP("ImportFlow", "text exported from Anki")},
    {"mnemosyne", QT_TRANSLATE_NOOP("ImportFlow", "a Mnemosyne export")},
    {"kvtml", QT_TRANSLATE_NOOP("ImportFlow", "a KVTML vocabulary file")},
    {"apkg", QT_TRANSLATE_NOOP("ImportFlow", "an Anki package")},
};

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Where an option ("--name") is named in `text`, or npos.
size_t OptionAt(const std::string& text) { return std::min(text.find(" --"), text.find("(--")); }

// Advice that names any other option goes: a parenthesis around it, or the clause after a
// semicolon that holds it.
std::string WithoutOptions(std::string text) {
    // The advice comes in the learner's language, and so does what takes its place.
    for (const auto& advice : kAdvice)
        ReplaceAll(text, ImportAdvice::Text(advice.option),
                   QCoreApplication::translate("ImportFlow", advice.instead).toStdString());
    for (size_t dash = OptionAt(text); dash != std::string::npos; dash = OptionAt(text)) {
        const size_t open = text.rfind('(', dash + 1);
        const size_t close = text.find(')', dash);
        if (open != std::string::npos && close != std::string::npos &&
            text.find(')', open) == close) {
            const size_t from = open > 0 && text[open - 1] == ' ' ? open - 1 : open;
            text.erase(from, close + 1 - from);
            continue;
        }
        const size_t clause = text.rfind("; ", dash);
        if (clause == std::string::npos) break;
        text.erase(clause, text.find(';', dash) - clause);
    }
    return text;
}

std::string PlainFormat(const std::string& text) {
    for (const auto& format : kFormats) {
        if (text ==
            LearnersWords::Filled(LearnersWords::Said("Import", "read as %1"), {format.name}))
            return QCoreApplication::translate("ImportFlow", "Quibbix read this file as %1")
                .arg(QCoreApplication::translate("ImportFlow", format.what))
                .toStdString();
    }
    return text;
}

// The bytes of the character `text` starts with, by its UTF-8 lead byte.
size_t FirstCharacterSize(const std::string& text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(size, text.size());
}

bool EndsSentence(const std::string& text) {
    // The full-width marks end a Chinese or Japanese sentence, which takes no "." after them.
    for (const std::string_view end : {".", "!", "?", "…", "。", "！", "？", "．"})
        if (text.size() >= end.size() &&
            text.compare(text.size() - end.size(), end.size(), end) == 0)
            return true;
    return false;
}

// A message as a sentence: a capital first letter in any script, and the full stop of the
// learner's language. Only the first character goes through QString, as the rest may hold a
// file's bytes that are no UTF-8, which the escaping shows as they are.
std::string Sentence(std::string text) {
    if (text.empty()) return text;
    const size_t size = FirstCharacterSize(text);
    const QString first = QString::fromUtf8(text.data(), static_cast<qsizetype>(size));
    if (!first.contains(QChar::ReplacementCharacter) && first.toUpper() != first)
        text.replace(0, size, first.toUpper().toStdString());
    if (EndsSentence(text)) return text;
    //: A message shown in a window ends as a sentence of the language does.
    return LearnersWords::Filled(LearnersWords::Said("ImportFlow", "%1."), {text});
}

// The file's name, its words and what is said of them reach the user only through these.
QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

QString Quoted(const std::string& text) {
    return QCoreApplication::translate("ImportFlow", "“%1”").arg(Shown(text));
}

void Print(const std::string& text) {
    std::fprintf(stderr, "quibbix-launch: %s\n", Escaped(text).c_str());
}

void Fail(QWidget* parent, const ImportPlan& plan, const std::string& reason) {
    Print(plan.file.string() + ": " + reason);
    PlainMessageBox::Critical(
        parent, QCoreApplication::translate("ImportFlow", "Cannot Add This File"),
        QCoreApplication::translate("ImportFlow", "Quibbix cannot make a list from %1.\n\n%2")
            .arg(Quoted(plan.file.filename().string()), ImportFlow::ForWindow(reason)));
}

// The report on the terminal names the backups; the window says what they mean.
QString UpdatedText(const std::string& name, size_t words, bool hadProgress) {
    // English keeps its own two sentences; Qt's "(s)" form is for the translators.
    QString text =
        Translations::Active() ? QCoreApplication::translate(
                                     "ImportFlow", "%1 now holds %n word(s).", nullptr, int(words))
                                     .arg(Quoted(name))
        : words == 1
            ? QStringLiteral("%1 now holds 1 word.").arg(Quoted(name))
            : QStringLiteral("%1 now holds %2 words.").arg(Quoted(name), QString::number(words));
    if (hadProgress)
        text += QCoreApplication::translate(
            "ImportFlow",
            " The words still in it keep their progress, and a copy of your earlier progress "
            "was kept.");
    return text;
}

// The preview shows no more than this of the file's start: enough for its first lines, and
// read at once whatever the file's size.
constexpr size_t kHeadBytes = 64 * 1024;

ImportPlan Read(const std::filesystem::path& file, const ImportOptions& options,
                const RecordEncoder::Options& encode) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ImportPlan plan = ListImporter::Read(file, options, encode);
    QApplication::restoreOverrideCursor();
    return plan;
}

std::string Head(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(std::max<std::streamsize>(in.gcount(), 0)));
    return std::string(InputDecoder::WithoutBom(head));
}

bool IsEncodingUnsettled(const ImportPlan& plan) {
    return plan.isUndecodable || (plan.encodingConfidence >= 0 &&
                                  plan.encodingConfidence < EncodingDetector::kSureConfidence);
}

// A guess the detector is unsure of, or no reading at all, is put to the user before anything
// is made, until the file reads in the encoding chosen. False when the user cancels.
bool SettleEncoding(QWidget* parent, ImportPlan& plan) {
    if (!IsEncodingUnsettled(plan)) return true;
    const std::string head = Head(plan.file);
    while (IsEncodingUnsettled(plan)) {
        EncodingDialog dialog(plan, head, parent);
        if (dialog.exec() != QDialog::Accepted) return false;
        ImportOptions options = plan.options;
        options.inputEncoding = dialog.Chosen();
        plan = Read(plan.file, options, plan.encode);
    }
    return true;
}

// A first row that reads like column titles is the user's to skip or keep. False when the
// user cancels.
bool SettleHeader(QWidget* parent, ImportPlan& plan) {
    if (!plan.headerLikely) return true;
    PlainMessageBox box(QMessageBox::Question,
                        QCoreApplication::translate("ImportFlow", "Column Titles?"),
                        QCoreApplication::translate(
                            "ImportFlow", "The first row looks like column titles: skip it?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    if (!plan.records.empty()) {
        const WordRecord& first = plan.records.front();
        box.setInformativeText(QCoreApplication::translate("ImportFlow", "It reads %1 and %2.")
                                   .arg(Quoted(FieldText::ToUtf8(first.word)),
                                        Quoted(FieldText::ToUtf8(first.definition))));
    }
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    const int answer = box.exec();
    if (answer != QMessageBox::Yes && answer != QMessageBox::No) return false;
    ImportOptions options = plan.options;
    options.header = answer == QMessageBox::Yes ? HeaderRow::kSkip : HeaderRow::kKeep;
    plan = Read(plan.file, options, plan.encode);
    return true;
}

enum class Choice { kUpdate, kAddNew, kCancel };

Choice AskUpdateOrNew(QWidget* parent, const ImportPlan& plan, const ListSummary& existing) {
    PlainMessageBox box(
        QMessageBox::Question,
        QCoreApplication::translate("ImportFlow", "A List of This Name Exists"),
        existing.hasProgress
            ? QCoreApplication::translate("ImportFlow",
                                          "You already have a list named %1, with progress.")
                  .arg(Quoted(existing.name))
            : QCoreApplication::translate("ImportFlow", "You already have a list named %1.")
                  .arg(Quoted(existing.name)),
        QMessageBox::NoButton, parent);
    box.setInformativeText(
        QCoreApplication::translate(
            "ImportFlow",
            "Update it with the words of %1 and keep the progress of every word "
            "that stays (its session is backed up first), or add the file as a new "
            "list beside it?")
            .arg(Quoted(plan.file.filename().string())));
    QPushButton* update =
        box.addButton(QCoreApplication::translate("ImportFlow", "&Update and Keep Progress"),
                      QMessageBox::AcceptRole);
    update->setObjectName(QStringLiteral("updateButton"));
    QPushButton* addNew = box.addButton(
        QCoreApplication::translate("ImportFlow", "Add as a &New List"), QMessageBox::ActionRole);
    addNew->setObjectName(QStringLiteral("addNewButton"));
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(update);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == update) return Choice::kUpdate;
    if (box.clickedButton() == addNew) return Choice::kAddNew;
    return Choice::kCancel;
}

}  // namespace

namespace ImportFlow {

QString ForWindow(const std::string& text) {
    return Shown(Sentence(PlainFormat(WithoutOptions(text))));
}

std::optional<Result> Run(QWidget* parent, ListStore& store, const std::filesystem::path& file) {
    ImportPlan plan = Read(file, ImportOptions(), RecordEncoder::Options());
    if (!SettleEncoding(parent, plan)) return std::nullopt;
    if (plan.error.empty() && !SettleHeader(parent, plan)) return std::nullopt;
    if (!plan.error.empty()) {
        Fail(parent, plan, plan.error);
        return std::nullopt;
    }
    for (const std::string& note : plan.notes) Print(file.string() + ": " + note);
    if (!plan.refused.empty() || plan.records.empty()) {
        if (plan.refused.empty()) {
            Fail(parent, plan,
                 QCoreApplication::translate("ImportFlow", "It holds no words.").toStdString());
            return std::nullopt;
        }
        // Cut to fit, the entries are read again: what still cannot be added is shown again.
        int answer = RefusedDialog(plan, parent).exec();
        if (answer == RefusedDialog::kCutToFit) {
            RecordEncoder::Options cut = plan.encode;
            cut.truncate = true;
            plan = Read(file, plan.options, cut);
            answer = plan.refused.empty() ? QDialog::Accepted : RefusedDialog(plan, parent).exec();
        }
        if (answer != QDialog::Accepted || plan.records.empty()) return std::nullopt;
    }

    std::string name = plan.suggestedName;
    const std::optional<ListSummary> existing = store.Find(name);
    std::string error;
    // A list of that name is never changed without the user's word, progress or not: its
    // words may be the user's own.
    if (existing) {
        switch (AskUpdateOrNew(parent, plan, *existing)) {
            case Choice::kCancel:
                return std::nullopt;
            case Choice::kUpdate: {
                std::string report;
                std::vector<std::string> notes;
                const bool isUpdated = ListImporter::Update(store, plan, existing->name, report,
                                                            error, std::nullopt, &notes);
                for (const std::string& note : notes) Print(plan.file.string() + ": " + note);
                if (!isUpdated) {
                    Fail(parent, plan, error);
                    return std::nullopt;
                }
                Print(report);
                PlainMessageBox::Information(
                    parent, QCoreApplication::translate("ImportFlow", "List Updated"),
                    UpdatedText(existing->name, plan.records.size(), existing->hasProgress));
                return Result{existing->folder, existing->name};
            }
            case Choice::kAddNew:
                break;
        }
    }
    name = store.FreeName(name);
    std::filesystem::path folder;
    std::vector<std::string> notes;
    const bool isAdded = ListImporter::AddAsNew(store, plan, name, folder, error, &notes);
    for (const std::string& note : notes) Print(plan.file.string() + ": " + note);
    if (!isAdded) {
        Fail(parent, plan, error);
        return std::nullopt;
    }
    return Result{folder, name};
}

}  // namespace ImportFlow
