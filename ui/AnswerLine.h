#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The line under the word box where the learner types the answer, in "Type the Answer": Enter
// hands the typed text over, which then stays in the line with what was off marked against
// the card's answer, and the verdict it suggests beside it. Letters type here, the answer
// keys included; Backspace and Ctrl+Z with nothing to take back in the line take the last
// verdict back, as they do elsewhere in the window.

#include <QCoreApplication>
#include <QWidget>

#include <functional>

#include "typing/TypedAnswer.h"

class QLabel;
class QLineEdit;

class AnswerLine : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(AnswerLine)

public:
    // `onSubmitted` runs as Enter hands the typed text over.
    AnswerLine(QWidget* parent, std::function<void()> onSubmitted);

    // An empty line, ready for the next word's answer; `isOpen` false while no word waits for
    // one (before the start press).
    void Reset(bool isOpen);
    // Takes the keyboard, and tells a screen reader `shown`, the text to answer.
    void TakeFocus(const QString& shown);
    // Compares what was typed with `answer`, shows the outcome and locks the line.
    TypedAnswer::Outcome Judge(const QString& answer);
    // No answer is typed for this word any more (a button answered it first).
    void Lock();
    // What a screen reader says of the outcome: the verdict suggested and the differences.
    static QString Spoken(const TypedAnswer::Outcome& outcome);
    QString TypedText() const;
    // What Spoken said of the last outcome; "" before one.
    QString SpokenOutcome() const;
    int PreferredHeight() const;

private:
    static QString Marked(const TypedAnswer::Outcome& outcome);
    static QString Suggested(const TypedAnswer::Outcome& outcome);

    QLineEdit* m_entry;
    QLabel* m_outcome;
};
