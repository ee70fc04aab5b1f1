#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The two short lines over the answer buttons that tell the learner where the study stands:
// this run's verdicts ("I Know" and the others), the words still to be viewed (or, once every
// word has been seen, that it has, and then that every word is known) and what is left until
// the next break; after a first press, what the second press means instead; for a few
// seconds now and then, news such as answers that arrived from another computer. An
// answer changes only the text; the place is worked out when the window is laid out, for
// the longest text the line can show, so that no answer moves anything.

#include "platform/Colorref.h"
#include "platform/Rect.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

#include <cstdint>
#include <string>

class CStudyLine : public QLabel {
    Q_DECLARE_TR_FUNCTIONS(CStudyLine)

public:
    // Where the study stands, as the session counts it.
    struct Progress {
        // How far the list has come as a whole.
        enum class Round { kUnderway, kEverySeen, kEveryKnown };
        Round round = Round::kUnderway;
        int32_t words = 0;
        int32_t knew = 0;
        int32_t others = 0;
        int32_t toBeViewed = 0;
        int32_t msSinceBreak = 0;
        int32_t wordsSinceBreak = 0;
        bool isAway = false;  // the clocks stand still until the learner's next input
    };

    explicit CStudyLine(QWidget* parent = nullptr);

    static std::string ProgressText(const Progress& progress);
    // What the second press means after a first press with `firstAnswer` (+1, 0 or -1).
    static std::string HintText(int32_t firstAnswer);

    void ShowProgress(const Progress& progress);
    void ShowHint(int32_t firstAnswer);
    // Shows `notice` in the progress's place for `ms`, as news from outside the study; a
    // hint still takes the line, since it tells what the next press does, and the notice
    // shows for the rest of its `ms` once the hint gives way, so that a learner sees it
    // whole and quick answers never keep it up for good.
    static constexpr int kNoticeMs = 5000;
    void ShowNotice(const std::string& notice, int ms = kNoticeMs);
    // The notice folded onto the line's two lines, at the space nearest its middle.
    static std::string NoticeText(const std::string& notice);
    // Sits at the bottom of `area`, the space it may take, or hides when its two lines do
    // not fit there whole.
    void PlaceIn(const Rect& area);
    // Black or white, whichever reads better on the window's background.
    void SetBackColor(COLORREF back);
    static QColor TextColorOn(COLORREF back);

private:
    void SetTextIfChanged(const std::string& text);
    int WidestTextWidth() const;

    std::string m_progress;
    std::string m_notice;
    bool m_isHint = false;
    int m_noticeLeftMs = kNoticeMs;  // of the notice's time, while a hint holds it back
    QTimer m_noticeTimer;
};
