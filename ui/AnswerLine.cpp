// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/AnswerLine.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

// The entry keeps Enter to itself, and lets the window's undo keys through when it has
// nothing of its own to take back.
class Entry : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool isUndoKey = key->matches(QKeySequence::Undo) ||
                                   (key->key() == Qt::Key_Backspace && !key->modifiers());
            if (isUndoKey && text().isEmpty() && !isUndoAvailable()) {
                event->ignore();
                return false;
            }
        }
        return QLineEdit::event(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) event->accept();
    }
};

QString Escaped(const QString& text) { return text.toHtmlEscaped(); }

}  // namespace

AnswerLine::AnswerLine(QWidget* parent, std::function<void()> onSubmitted)
    : QWidget(parent), m_entry(new Entry(this)), m_outcome(new QLabel(this)) {
    setObjectName(QStringLiteral("answerLine"));
    m_entry->setObjectName(QStringLiteral("answerEntry"));
    m_entry->setAccessibleName(tr("Your answer"));
    m_entry->setPlaceholderText(tr("Type the answer, then press Enter"));
    m_outcome->setObjectName(QStringLiteral("answerOutcome"));
    m_outcome->setTextFormat(Qt::RichText);
    m_outcome->setAutoFillBackground(true);
    m_outcome->hide();
    QFont font = m_entry->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    m_entry->setFont(font);
    m_outcome->setFont(font);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_entry);
    layout->addWidget(m_outcome);
    connect(m_entry, &QLineEdit::returnPressed, this, [this, onSubmitted] {
        if (!m_entry->isReadOnly() && m_entry->isVisible()) onSubmitted();
    });
}

void AnswerLine::Reset(bool isOpen) {
    m_outcome->hide();
    m_outcome->clear();
    m_outcome->setAccessibleName(QString());
    // A new word's line has nothing of the last one to take back with Ctrl+Z.
    m_entry->setText(QString());
    m_entry->setReadOnly(false);
    m_entry->setEnabled(isOpen);
    m_entry->show();
}

void AnswerLine::TakeFocus(const QString& shown) {
    m_entry->setAccessibleDescription(shown);
    m_entry->setFocus(Qt::OtherFocusReason);
}

TypedAnswer::Outcome AnswerLine::Judge(const QString& answer) {
    const TypedAnswer::Outcome outcome = TypedAnswer::Compare(m_entry->text(), answer);
    // The verdict first: a long answer may run out of the line, the suggestion never.
    QString text = Escaped(Suggested(outcome));
    if (!outcome.pieces.empty())
        text += QStringLiteral("&nbsp;&nbsp;&mdash;&nbsp;&nbsp;") + Marked(outcome);
    m_outcome->setText(text);
    // A long answer runs out of a narrow line; the whole of it is a hover away.
    m_outcome->setToolTip(text);
    m_outcome->setAccessibleName(Spoken(outcome));
    m_entry->hide();
    m_outcome->show();
    return outcome;
}

void AnswerLine::Lock() {
    m_entry->setReadOnly(true);
    m_entry->setEnabled(false);
}

QString AnswerLine::TypedText() const { return m_entry->text(); }

QString AnswerLine::SpokenOutcome() const { return m_outcome->accessibleName(); }

int AnswerLine::PreferredHeight() const { return m_entry->sizeHint().height(); }

QString AnswerLine::Marked(const TypedAnswer::Outcome& outcome) {
    // Wrong letters struck through in red, the answer's letters that were not typed
    // underlined in green: what was typed stays readable, and what was meant is beside it.
    QString html;
    for (const TypedAnswer::Piece& piece : outcome.pieces) {
        const QString text =
            Escaped(piece.text).replace(QLatin1Char(' '), QStringLiteral("&nbsp;"));
        switch (piece.kind) {
            case TypedAnswer::Piece::Kind::kRight:
                html += text;
                break;
            case TypedAnswer::Piece::Kind::kWrong:
                html += QStringLiteral("<s style=\"color:#c00000\">%1</s>").arg(text);
                break;
            case TypedAnswer::Piece::Kind::kMissing:
                html += QStringLiteral("<u style=\"color:#007000\">%1</u>").arg(text);
                break;
        }
    }
    return html;
}

QString AnswerLine::Suggested(const TypedAnswer::Outcome& outcome) {
    switch (outcome.suggestion) {
        case TypedAnswer::Verdict::kKnow:
            return tr("Right: Enter for \"I Know\"");
        case TypedAnswer::Verdict::kNotSure:
            if (outcome.isAccentsOnly)
                return tr("Right but for the accents: Enter for \"Not Sure\"");
            return tr("%n letter(s) off: Enter for \"Not Sure\"", nullptr, outcome.edits);
        case TypedAnswer::Verdict::kDontKnow:
            break;
    }
    if (outcome.pieces.empty()) return tr("Nothing typed: Enter for \"Don't Know\"");
    return tr("Not the answer: Enter for \"Don't Know\"");
}

QString AnswerLine::Spoken(const TypedAnswer::Outcome& outcome) {
    QString wrong, missing;
    for (const TypedAnswer::Piece& piece : outcome.pieces) {
        if (piece.kind == TypedAnswer::Piece::Kind::kWrong) wrong += piece.text;
        if (piece.kind == TypedAnswer::Piece::Kind::kMissing) missing += piece.text;
    }
    QString spoken = Suggested(outcome);
    if (outcome.suggestion == TypedAnswer::Verdict::kKnow) return spoken;
    if (!wrong.trimmed().isEmpty())
        spoken += QStringLiteral(". ") + tr("Typed wrong: %1").arg(wrong);
    if (!missing.trimmed().isEmpty())
        spoken += QStringLiteral(". ") + tr("Missing: %1").arg(missing);
    return spoken;
}
