// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/WinText.h"

#include "platform/DrawText.h"
#include "platform/FontConversion.h"
#include "platform/MulDiv.h"
#include "platform/Win1252.h"
#include "platform/WindowOps.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

void DrawSunkenEdge(QPainter& painter, const QRect& r) {
    // Outer line dark grey over white, inner line black over light grey, as a client edge.
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawLine(l, t, rr - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.setPen(Qt::white);
    painter.drawLine(l, b, rr, b);
    painter.drawLine(rr, t, rr, b);
    painter.setPen(Qt::black);
    painter.drawLine(l + 1, t + 1, rr - 2, t + 1);
    painter.drawLine(l + 1, t + 1, l + 1, b - 2);
    painter.setPen(QColor(0xC0, 0xC0, 0xC0));
    painter.drawLine(l + 1, b - 1, rr - 1, b - 1);
    painter.drawLine(rr - 1, t + 1, rr - 1, b - 1);
}

// The largest size of `font`, at most its own, in which `line` is no wider than `width`.
// Widths grow about in proportion to the size; the guess from that is then stepped to the
// exact answer, since hinting rounds each size a little differently.
QFont LargestFittingFont(const QFont& font, const QString& line, int width) {
    const int natural = QFontMetrics(font).horizontalAdvance(line);
    if (natural <= width) return font;
    const int pixels = QFontInfo(font).pixelSize();
    if (pixels <= 1) return font;
    QFont fitted = font;
    auto fits = [&](int size) {
        fitted.setPixelSize(size);
        return QFontMetrics(fitted).horizontalAdvance(line) <= width;
    };
    int size =
        std::clamp(static_cast<int>(static_cast<int64_t>(pixels) * width / natural), 1, pixels - 1);
    while (size > 1 && !fits(size)) --size;
    while (size + 1 < pixels && fits(size + 1)) ++size;
    fitted.setPixelSize(size);
    return fitted;
}

}  // namespace

CWinText::CWinText() {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
}

CWinText::~CWinText() = default;

bool CWinText::CreateBox(std::string text, const Rect& rect, QWidget* parent, uint32_t format) {
    m_strText = std::move(text);
    m_displayText = FieldToUnicode(m_strText);
    m_nFormat = format;
    m_surfaceFont.reset();
    m_surfaceText = RGB(0, 0, 0);
    setParent(parent);
    // A new window comes above its siblings. A box created again over a dialog whose
    // controls were rebuilt must too, or the placeholder it covers shows through.
    raise();
    setWindowTitle(m_displayText);
    setAccessibleDescription(m_displayText);
    setGeometry(rect.ToQRect());
    show();
    return true;
}

void CWinText::SetText(const std::string& text) {
    m_strText = text;
    m_displayText = FieldToUnicode(m_strText);
    // A screen reader reads the box's text as its description and follows its changes.
    setAccessibleDescription(m_displayText);
    RepaintNow();
}

void CWinText::SetTextFont(const LogFont& font, COLORREF textColor) {
    m_logFont = font;
    m_crText = textColor;
    m_bFontChanged = 1;
    RepaintNow();
}

void CWinText::SetFontAndColors(const LogFont& font, COLORREF textColor, COLORREF backColor) {
    m_logFont = font;
    m_crText = textColor;
    m_crBack = backColor;
    m_bFontChanged = 1;
    m_bColorChanged = 1;
    RepaintNow();
}

void CWinText::SetBackColor(COLORREF backColor) {
    m_crBack = backColor;
    m_bColorChanged = 1;
    RepaintNow();
}

Rect CWinText::ClientRect() const {
    Rect r{0, 0, width(), height()};
    r.Deflate(kEdgeWidth);
    return r;
}

void CWinText::RepaintNow() { RedrawWindowNow(this); }

void CWinText::ApplyFontChange() {
    m_surfaceText = m_crText;
    // The stored height is read as points: a font chosen at -16 pixels draws at -21 on a
    // 96-dpi screen, and the samples of the configuration dialog show the same.
    LogFont scaled = m_logFont;
    // A height from a damaged settings file, beyond what any font takes, is left unscaled to be
    // refused below (INT32_MIN has no negation).
    if (m_logFont.lfHeight >= -LogFont::kMaxHeight && m_logFont.lfHeight <= LogFont::kMaxHeight)
        scaled.lfHeight = -MulDiv(-m_logFont.lfHeight, logicalDpiY(), 72);
    if (std::optional<QFont> built = ToQFont(scaled, font())) m_surfaceFont = *built;
    m_bFontChanged = 0;
}

QFont CWinText::FontForWidth(int width) {
    const QFont chosen = FontInForce();
    if (!(m_nFormat & DT_SINGLELINE) || width <= 0) return chosen;
    if (m_fitted && m_fitted->text == m_displayText && m_fitted->width == width &&
        m_fitted->chosen == chosen)
        return m_fitted->font;
    const QFont font = LargestFittingFont(chosen, m_displayText, width);
    m_fitted = Fitted{m_displayText, width, chosen, font};
    return font;
}

void CWinText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawSunkenEdge(painter, rect());
    Rect client = ClientRect();
    painter.setClipRect(client.ToQRect());
    // Text is drawn transparently over the fill, which looks as opaque text in the
    // surface's background colour would; so the colour flag only needs clearing.
    m_bColorChanged = 0;
    FillSolidRect(painter, client, m_crBack);
    if (m_bFontChanged) ApplyFontChange();
    client.Deflate(kTextInset);
    painter.setFont(FontForWidth(client.Width()));
    painter.setPen(ColorFromColorref(m_surfaceText));
    DrawText(painter, m_displayText, client, m_nFormat);
}
