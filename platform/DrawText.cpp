// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DrawText.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace {

struct PrefixedText {
    QString visible;
    std::vector<bool> underlined;  // one flag per character of `visible`
};

PrefixedText ResolvePrefixes(const QString& text, bool usePrefix) {
    PrefixedText out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        QChar c = text[i];
        bool underline = false;
        if (usePrefix && c == QLatin1Char('&')) {
            if (i + 1 >= text.size()) break;  // a trailing '&' prefixes nothing
            c = text[++i];
            underline = c != QLatin1Char('&');
        }
        out.visible.append(c);
        out.underlined.push_back(underline);
    }
    return out;
}

using Line = TextLayout::Line;

bool IsBreak(QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); }

// Where a line may break inside [start, end), a run without spaces: Chinese, Japanese and Thai
// words run on without them. A word of a spaced script has no such place.
std::vector<qsizetype> InnerBreaks(const QString& text, qsizetype start, qsizetype end) {
    std::vector<qsizetype> breaks;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text.mid(start, end - start));
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < end - start;
         at = finder.toNextBoundary())
        breaks.push_back(start + at);
    return breaks;
}

// Splits [start, end) of a paragraph into lines no wider than `width`, breaking at spaces;
// the spaces at a break belong to no line. A run without spaces too wide for a line breaks
// where the Unicode line-breaking rules allow, if anywhere.
void WrapParagraph(const QString& text, qsizetype start, qsizetype end, int width,
                   const QFontMetrics& fm, std::vector<Line>& lines) {
    qsizetype lineStart = start;
    qsizetype lineEnd = start;  // end of the last piece that fits
    const auto place = [&](qsizetype pieceStart, qsizetype pieceEnd) {
        const bool fits = fm.horizontalAdvance(text.mid(lineStart, pieceEnd - lineStart)) <= width;
        if (!fits && lineEnd > lineStart) {
            lines.push_back({lineStart, lineEnd, 0});
            lineStart = pieceStart;
        }
        lineEnd = pieceEnd;
    };
    qsizetype pos = start;
    while (pos < end) {
        qsizetype wordStart = pos;
        while (wordStart < end && text[wordStart] == QLatin1Char(' ')) ++wordStart;
        qsizetype wordEnd = wordStart;
        while (wordEnd < end && text[wordEnd] != QLatin1Char(' ')) ++wordEnd;
        if (wordStart == wordEnd) break;
        if (fm.horizontalAdvance(text.mid(wordStart, wordEnd - wordStart)) <= width) {
            place(wordStart, wordEnd);
        } else {
            qsizetype pieceStart = wordStart;
            for (qsizetype cut : InnerBreaks(text, wordStart, wordEnd)) {
                place(pieceStart, cut);
                pieceStart = cut;
            }
            place(pieceStart, wordEnd);
        }
        pos = wordEnd;
    }
    lines.push_back({lineStart, lineEnd, 0});
}

std::vector<Line> LayOutLines(const QString& text, const Rect& rect, uint32_t format,
                              const QFontMetrics& fm) {
    std::vector<Line> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back({0, text.size(), 0});
        return lines;
    }
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && !IsBreak(text[end])) ++end;
        if (format & DT_WORDBREAK) {
            WrapParagraph(text, start, end, rect.Width(), fm, lines);
        } else {
            lines.push_back({start, end, 0});
        }
        if (end >= text.size()) break;
        // CR LF is one break; so is a lone CR or LF.
        start = end + ((text[end] == QLatin1Char('\r') && end + 1 < text.size() &&
                        text[end + 1] == QLatin1Char('\n'))
                           ? 2
                           : 1);
    }
    return lines;
}

// The line goes out whole, so that its spacing is the font's own; the prefixed characters
// then get the font's underline drawn beneath them.
void DrawLine(QPainter& painter, const TextLayout& text, const Line& line, int x, int baseline) {
    const QString visible = text.visible.mid(line.start, line.end - line.start);
    painter.drawText(QPoint(x, baseline), visible);
    if (!text.hasPrefix) return;
    const QFontMetrics fm(painter.font());
    const int thickness = std::max(1, fm.lineWidth());
    for (qsizetype i = line.start; i < line.end; ++i) {
        if (!text.underlined[static_cast<size_t>(i)]) continue;
        const int left = x + fm.horizontalAdvance(visible.left(i - line.start));
        const int width = fm.horizontalAdvance(visible.mid(i - line.start, 1));
        painter.fillRect(QRect(left, baseline + fm.underlinePos(), width, thickness),
                         painter.pen().color());
    }
}

}  // namespace

QSize TextLayout::Size() const {
    int widest = 0;
    for (const Line& line : lines) widest = std::max(widest, line.width);
    return {widest, static_cast<int>(lines.size()) * lineHeight};
}

TextLayout LayOutText(const QFontMetrics& metrics, const QString& text, const Rect& rect,
                      uint32_t format) {
    QString source = text;
    if (format & DT_SINGLELINE) source.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
    PrefixedText prefixed = ResolvePrefixes(source, !(format & DT_NOPREFIX));
    TextLayout layout;
    layout.lineHeight = metrics.height();
    layout.ascent = metrics.ascent();
    if (prefixed.visible.isEmpty()) return layout;
    layout.lines = LayOutLines(prefixed.visible, rect, format, metrics);
    for (Line& line : layout.lines)
        line.width =
            metrics.horizontalAdvance(prefixed.visible.mid(line.start, line.end - line.start));
    layout.hasPrefix = std::find(prefixed.underlined.begin(), prefixed.underlined.end(), true) !=
                       prefixed.underlined.end();
    layout.visible = std::move(prefixed.visible);
    layout.underlined = std::move(prefixed.underlined);
    return layout;
}

void DrawText(QPainter& painter, const TextLayout& layout, const Rect& rect, uint32_t format) {
    if (layout.lines.empty()) return;
    int top = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            top = rect.top + (rect.Height() - layout.lineHeight) / 2;
        else if (format & DT_BOTTOM)
            top = rect.bottom - layout.lineHeight;
    } else if (format & DT_VCENTER) {
        // Wrapped lines centred as one block; one too tall keeps its beginning in view.
        const int height = layout.lineHeight * static_cast<int>(layout.lines.size());
        top = rect.top + std::max(0, (rect.Height() - height) / 2);
    }

    painter.save();
    if (!(format & DT_NOCLIP)) painter.setClipRect(rect.ToQRect(), Qt::IntersectClip);
    // Each line is shaped on its own; without this a line of a Hebrew paragraph that begins
    // with a Latin word would read left to right.
    if (format & DT_RTLREADING) painter.setLayoutDirection(Qt::RightToLeft);
    for (const Line& line : layout.lines) {
        if (top >= rect.bottom && !(format & DT_NOCLIP)) break;
        int x = rect.left;
        if (format & DT_CENTER)
            x = rect.left + (rect.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            x = rect.right - line.width;
        DrawLine(painter, layout, line, x, top + layout.ascent);
        top += layout.lineHeight;
    }
    painter.restore();
}

void DrawText(QPainter& painter, const QString& text, const Rect& rect, uint32_t format) {
    DrawText(painter, LayOutText(QFontMetrics(painter.font()), text, rect, format), rect, format);
}
