// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/chooser/EncodingDialog.h"

#include "engine/Escaped.h"
#include "imports/EncodingDetector.h"
#include "ui/chooser/ImportFlow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <string_view>

#include "windowfit/WindowFit.h"

namespace {

// Enough lines to tell a right reading from a wrong one, few enough to see at a glance.
constexpr int kPreviewLines = 10;
// A line longer than this is cut: the preview is for reading letters, not for whole rows.
constexpr int kPreviewLineChars = 300;
// Below this a guess is called no more than that.
constexpr int kRoughConfidence = 25;

const QChar kReplacement(0xFFFD);

QString Shown(const std::string& text) { return QString::fromStdString(Escaped(text)); }

QString Quoted(const std::string& text) {
    return QCoreApplication::translate("EncodingDialog", "“%1”").arg(Shown(text));
}

QString Label(const std::string& name) {
    const std::optional<TextEncoding> encoding = TextEncoding::Find(name);
    return QString::fromStdString(encoding ? encoding->Label() : name);
}

QString Intro(const ImportPlan& plan) {
    const QString file = Quoted(plan.file.filename().string());
    if (plan.isUndecodable && !plan.options.inputEncoding.empty())
        return QCoreApplication::translate("EncodingDialog", "%1 does not read as %2.\n\n%3")
            .arg(file, Label(plan.options.inputEncoding), ImportFlow::ForWindow(plan.error));
    if (plan.isUndecodable)
        return QCoreApplication::translate(
                   "EncodingDialog",
                   "%1 is not in UTF-8, and Quibbix cannot tell which encoding it was saved in. "
                   "Choose the one in which its first lines read right.")
            .arg(file);
    const QString sure =
        plan.encodingConfidence < kRoughConfidence
            ? QCoreApplication::translate("EncodingDialog", "but that is hardly more than a guess")
            : QCoreApplication::translate("EncodingDialog", "but it is not sure of it");
    return QCoreApplication::translate(
               "EncodingDialog",
               "%1 is not in UTF-8. Quibbix guesses it was saved in %2, %3. If its first lines "
               "do not read right below, choose the encoding it was saved in.")
        .arg(file, Label(plan.encoding), sure);
}

// Tabs part the columns of a word file, so the preview keeps them, as its own tabs, around
// each field escaped.
QString ShownLine(std::string_view line) {
    QStringList fields;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t')) {
        fields << Shown(std::string(line.substr(0, tab)));
        line.remove_prefix(tab + 1);
    }
    fields << Shown(std::string(line));
    QString shown = fields.join(QLatin1Char('\t'));
    if (shown.size() > kPreviewLineChars) {
        qsizetype cut = kPreviewLineChars;
        if (shown.at(cut - 1).isHighSurrogate()) --cut;
        shown = shown.left(cut) + QChar(0x2026);
    }
    return shown;
}

// The first lines of `text`, which may end with any of the three line ends: a file from an
// old Mac ends its lines with a carriage return alone.
QStringList FirstLines(std::string_view text) {
    QStringList lines;
    while (!text.empty() && lines.size() < kPreviewLines) {
        const size_t end = std::min(text.find('\n'), text.find('\r'));
        lines << ShownLine(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

}  // namespace

EncodingDialog::EncodingDialog(const ImportPlan& plan, std::string head, QWidget* parent)
    : QDialog(parent), m_head(std::move(head)) {
    setWindowTitle(tr("Choose the File's Encoding"));
    auto* layout = new QVBoxLayout(this);
    auto* intro = new QLabel(Intro(plan));
    intro->setObjectName(QStringLiteral("introLabel"));
    // It names the file, which is never markup.
    intro->setTextFormat(Qt::PlainText);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    auto* form = new QFormLayout;
    m_encodingBox = EncodingBox(plan);
    auto* encodingLabel = new QLabel(tr("&Encoding:"));
    encodingLabel->setBuddy(m_encodingBox);
    form->addRow(encodingLabel, m_encodingBox);
    layout->addLayout(form);

    auto* previewLabel = new QLabel(tr("First &lines as they would read:"));
    layout->addWidget(previewLabel);
    m_preview = new QPlainTextEdit;
    m_preview->setObjectName(QStringLiteral("previewTextBox"));
    m_preview->setAccessibleName(tr("First lines of the file"));
    m_preview->setReadOnly(true);
    m_preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_preview->setTabChangesFocus(true);
    m_preview->setTabStopDistance(QFontMetricsF(m_preview->font()).averageCharWidth() * 16);
    previewLabel->setBuddy(m_preview);
    layout->addWidget(m_preview, 1);
    m_badBytesLabel = new QLabel(
        tr("Some bytes have no character in this encoding; they show as %1.").arg(kReplacement));
    m_badBytesLabel->setObjectName(QStringLiteral("badBytesLabel"));
    m_badBytesLabel->setWordWrap(true);
    layout->addWidget(m_badBytesLabel);

    auto* buttons = new QDialogButtonBox;
    QPushButton* add = buttons->addButton(tr("&Add"), QDialogButtonBox::AcceptRole);
    add->setObjectName(QStringLiteral("addButton"));
    add->setAccessibleName(tr("Add the file in this encoding"));
    add->setDefault(true);
    QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    cancel->setAccessibleName(tr("Cancel, add nothing"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_encodingBox, &QComboBox::currentIndexChanged, this, &EncodingDialog::ShowPreview);
    ShowPreview();
    m_encodingBox->setFocus();
    resize(560, 400);
    FitToScreen(*this);
}

std::string EncodingDialog::Chosen() const {
    const QVariant index = m_encodingBox->currentData();
    return index.isValid() ? m_encodings.at(index.toUInt()).Name() : std::string();
}

// The detector's guesses come first, likeliest first, the one the file was read in ahead of
// them; a separator, then every other encoding. The guesses are made on the first bytes,
// which are all the preview shows.
QComboBox* EncodingDialog::EncodingBox(const ImportPlan& plan) {
    auto isListed = [this](const TextEncoding& encoding) {
        return std::any_of(m_encodings.begin(), m_encodings.end(),
                           [&](const TextEncoding& e) { return e.Name() == encoding.Name(); });
    };
    if (plan.encodingConfidence >= 0) {
        if (const auto read = TextEncoding::Find(plan.encoding)) m_encodings.push_back(*read);
    }
    for (const EncodingGuess& guess : EncodingDetector::Guess(m_head)) {
        if (!isListed(guess.encoding)) m_encodings.push_back(guess.encoding);
    }
    const size_t guessCount = m_encodings.size();
    for (const TextEncoding& encoding : TextEncoding::All()) {
        if (!isListed(encoding)) m_encodings.push_back(encoding);
    }

    auto* box = new QComboBox;
    box->setObjectName(QStringLiteral("encodingComboBox"));
    box->setAccessibleName(tr("Encoding"));
    for (size_t i = 0; i < m_encodings.size(); ++i) {
        if (i == guessCount && guessCount > 0) box->insertSeparator(box->count());
        box->addItem(QString::fromStdString(m_encodings[i].Label()), static_cast<uint>(i));
    }
    box->setMaxVisibleItems(16);
    // The encoding the user tried is kept in view, with what it makes of the file; else the
    // likeliest guess.
    const std::string& selected =
        plan.isUndecodable && !plan.options.inputEncoding.empty()
            ? plan.options.inputEncoding
            : (plan.encodingConfidence >= 0 ? plan.encoding : std::string());
    const auto found = selected.empty() ? std::nullopt : TextEncoding::Find(selected);
    for (size_t i = 0; found && i < m_encodings.size(); ++i) {
        if (m_encodings[i].Name() == found->Name())
            box->setCurrentIndex(box->findData(static_cast<uint>(i)));
    }
    return box;
}

void EncodingDialog::ShowPreview() {
    const auto chosen = TextEncoding::Find(Chosen());
    if (!chosen) return;
    const QStringList lines = FirstLines(chosen->ToUtf8Shown(m_head));
    m_preview->setPlainText(lines.join(QLatin1Char('\n')));
    m_badBytesLabel->setVisible(lines.join(QString()).contains(kReplacement));
}
