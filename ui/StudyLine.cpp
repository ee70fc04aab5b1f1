// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/StudyLine.h"

#include "engine/Counted.h"
#include "engine/StudySession.h"

#include <QFontMetrics>

#include <algorithm>

#include "translations/Translations.h"

namespace {

// The break comes with whichever limit is reached first; the words left are turned into time
// at the pace of the words since the last break.
bool WordsComeFirst(const CStudyLine::Progress& p, int32_t msLeft, int32_t wordsLeft) {
    if (p.wordsSinceBreak <= 0 || p.msSinceBreak <= 0) return false;
    const double msPerWord = static_cast<double>(p.msSinceBreak) / p.wordsSinceBreak;
    return wordsLeft * msPerWord < msLeft;
}

std::string BreakText(const CStudyLine::Progress& p) {
    const int32_t msLeft = std::max(0, StudySession::BREAK_AFTER_MS - p.msSinceBreak);
    const int32_t wordsLeft = std::max(0, StudySession::BREAK_AFTER_WORDS - p.wordsSinceBreak);
    if (WordsComeFirst(p, msLeft, wordsLeft)) {
        if (!Translations::Active()) return "break in " + Counted(wordsLeft, "word");
        return CStudyLine::tr("break in %n word(s)", nullptr, wordsLeft).toStdString();
    }
    if (msLeft >= 60000)
        return CStudyLine::tr("break in %1 min").arg((msLeft + 59999) / 60000).toStdString();
    return CStudyLine::tr("break in %1 s").arg((msLeft + 999) / 1000).toStdString();
}

std::string RoundText(const CStudyLine::Progress& p) {
    using Round = CStudyLine::Progress::Round;
    const bool isEnglish = !Translations::Active();
    const std::string all = "All " + Counted(p.words, "word");
    switch (p.round) {
        case Round::kEverySeen:
            if (isEnglish) return all + " seen once";
            return CStudyLine::tr("All %n word(s) seen once", nullptr, p.words).toStdString();
        case Round::kEveryKnown:
            if (isEnglish) return all + " known";
            return CStudyLine::tr("All %n word(s) known", nullptr, p.words).toStdString();
        case Round::kUnderway:
            break;
    }
    return CStudyLine::tr("%1 to view").arg(p.toBeViewed).toStdString();
}

}  // namespace

CStudyLine::CStudyLine(QWidget* parent) : QLabel(parent) {
    // A screen reader reads the line's text as its name; what the line is comes after.
    setAccessibleDescription(tr("Study progress"));
    setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    // A window's own texts stay out of the way of the keyboard and the mouse.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_noticeTimer.setSingleShot(true);
    connect(&m_noticeTimer, &QTimer::timeout, this, [this] {
        m_notice.clear();
        if (!m_isHint) SetTextIfChanged(m_progress);
    });
}

std::string CStudyLine::ProgressText(const Progress& p) {
    const QString others = Translations::Counted(
        "CStudyLine", QT_TRANSLATE_N_NOOP("CStudyLine", "%n other(s)"), p.others, "other");
    if (p.isAway)
        return tr("Paused while you were away\n%1, %2")
            .arg(QString::fromStdString(RoundText(p)), QString::fromStdString(BreakText(p)))
            .toStdString();
    return tr("This session: %1 \"I Know\", %2\n%3, %4")
        .arg(QString::number(p.knew), others, QString::fromStdString(RoundText(p)),
             QString::fromStdString(BreakText(p)))
        .toStdString();
}

std::string CStudyLine::HintText(int32_t firstAnswer) {
    // After a first "I Know" the second press is the real verdict; after the other two any
    // button records the same and only moves on.
    if (firstAnswer == StudySession::ANSWER_YES)
        return tr("Now your verdict:\ndid you really know it?").toStdString();
    if (firstAnswer == StudySession::ANSWER_UNSURE)
        return tr("Noted as not sure:\nany answer goes on.").toStdString();
    return tr("Noted as not known:\nany answer goes on.").toStdString();
}

void CStudyLine::ShowProgress(const Progress& progress) {
    m_progress = ProgressText(progress);
    // A notice that a hint held back, or cut short, has the rest of its time from now.
    if (!m_notice.empty() && !m_noticeTimer.isActive()) m_noticeTimer.start(m_noticeLeftMs);
    m_isHint = false;
    SetTextIfChanged(m_notice.empty() ? m_progress : m_notice);
}

void CStudyLine::ShowHint(int32_t firstAnswer) {
    m_isHint = true;
    if (m_noticeTimer.isActive()) m_noticeLeftMs = std::max(1, m_noticeTimer.remainingTime());
    m_noticeTimer.stop();
    SetTextIfChanged(HintText(firstAnswer));
}

void CStudyLine::ShowNotice(const std::string& notice, int ms) {
    if (notice.empty()) return;
    m_notice = NoticeText(notice);
    m_noticeLeftMs = ms;
    if (m_isHint) return;
    m_noticeTimer.start(ms);
    SetTextIfChanged(m_notice);
}

std::string CStudyLine::NoticeText(const std::string& notice) {
    size_t best = std::string::npos;
    const size_t middle = notice.size() / 2;
    for (size_t at = notice.find(' '); at != std::string::npos; at = notice.find(' ', at + 1)) {
        const auto distance = [middle](size_t i) { return i > middle ? i - middle : middle - i; };
        if (best == std::string::npos || distance(at) < distance(best)) best = at;
    }
    std::string text = notice;
    if (best != std::string::npos) text[best] = '\n';
    return text;
}

void CStudyLine::SetTextIfChanged(const std::string& text) {
    const QString shown = QString::fromStdString(text);
    if (shown == this->text()) return;
    setText(shown);
}

int CStudyLine::WidestTextWidth() const {
    // The widest the texts get: every count at five digits, each hint.
    Progress widest;
    widest.round = Progress::Round::kEverySeen;
    widest.words = widest.knew = widest.others = 99999;
    widest.wordsSinceBreak = 1;
    widest.msSinceBreak = StudySession::BREAK_AFTER_MS;
    const QFontMetrics metrics(font());
    int width = 0;
    for (const std::string& text :
         {ProgressText(widest), HintText(StudySession::ANSWER_YES),
          HintText(StudySession::ANSWER_UNSURE), HintText(StudySession::ANSWER_NO)}) {
        width =
            std::max(width, metrics.boundingRect(QRect(), 0, QString::fromStdString(text)).width());
    }
    return width;
}

void CStudyLine::PlaceIn(const Rect& area) {
    const QFontMetrics metrics(font());
    const int height =
        2 * metrics.lineSpacing() + contentsMargins().top() + contentsMargins().bottom();
    const bool fits = area.Width() >= WidestTextWidth() && area.Height() >= height;
    if (fits) setGeometry(area.left, area.bottom - height, area.Width(), height);
    setVisible(fits);
}

QColor CStudyLine::TextColorOn(COLORREF back) {
    const QColor color = ColorFromColorref(back);
    const int luminance = (299 * color.red() + 587 * color.green() + 114 * color.blue()) / 1000;
    return luminance >= 128 ? Qt::black : Qt::white;
}

void CStudyLine::SetBackColor(COLORREF back) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, TextColorOn(back));
    setPalette(palette);
}
