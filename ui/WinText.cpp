// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/WinText.h"

#include "engine/Escaped.h"
#include "imports/FieldText.h"
#include "platform/DrawText.h"
#include "platform/FontConversion.h"
#include "platform/MulDiv.h"
#include "platform/Win1252.h"
#include "platform/WindowOps.h"
#include "ui/WinTextAccessible.h"

#include <QAccessible>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>
#include <cmath>
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

struct Fit {
    QFont font;
    bool whole;
};

// The largest size of `font`, at most its own and at least `floorPixels`, in which `line` is no
// wider than `width`. Widths grow about in proportion to the size; the guess from that is then
// stepped to the exact answer, since hinting rounds each size a little differently.
Fit LargestFittingLine(const QFont& font, const QString& line, int width, int floorPixels) {
    const int natural = QFontMetrics(font).horizontalAdvance(line);
    if (natural <= width) return {font, true};
    const int pixels = QFontInfo(font).pixelSize();
    if (pixels <= floorPixels) return {font, false};
    QFont fitted = font;
    auto fits = [&](int size) {
        fitted.setPixelSize(size);
        return QFontMetrics(fitted).horizontalAdvance(line) <= width;
    };
    int size = std::clamp(static_cast<int>(static_cast<int64_t>(pixels) * width / natural),
                          floorPixels, pixels - 1);
    bool whole = fits(size);
    while (!whole && size > floorPixels) whole = fits(--size);
    while (whole && size + 1 < pixels && fits(size + 1)) ++size;
    fitted.setPixelSize(size);
    return {fitted, whole};
}

// The same for text laid out in `area` with `format`, wrapped lines included; `layout` gets the
// text laid out in the font returned. The area a text covers grows about with the square of the
// size, which gives a guess.
Fit LargestFittingText(const QFont& font, const QString& text, const Rect& area, uint32_t format,
                       int floorPixels, const QPaintDevice* device, TextLayout& layout) {
    int probed = 0;
    const auto fitsIn = [&](const QFont& f) {
        layout = LayOutText(QFontMetrics(f, device), text, area, format);
        const QSize size = layout.Size();
        return size.width() <= area.Width() && size.height() <= area.Height();
    };
    if (fitsIn(font)) return {font, true};
    const int pixels = QFontInfo(font).pixelSize();
    if (pixels <= floorPixels) return {font, false};
    const QSize natural = layout.Size();
    const double ratio =
        std::min(static_cast<double>(area.Height()) / std::max(natural.height(), 1),
                 static_cast<double>(area.Width()) / std::max(natural.width(), 1));
    QFont fitted = font;
    TextLayout fittingLayout;
    const auto fits = [&](int size) {
        fitted.setPixelSize(size);
        probed = size;
        const bool fit = fitsIn(fitted);
        if (fit) fittingLayout = layout;
        return fit;
    };
    const int guess = std::clamp(static_cast<int>(std::lround(pixels * std::sqrt(ratio))),
                                 floorPixels, pixels - 1);
    // `fitting` fits and `tooLarge` does not; floorPixels - 1 stands for a size not yet known
    // to fit. The guess is seldom more than a size or two off: step from it, then halve.
    int fitting = floorPixels - 1, tooLarge = pixels;
    for (int size = guess, steps = 0; steps < 3 && size > fitting && size < tooLarge; ++steps) {
        if (fits(size))
            fitting = size++;
        else
            tooLarge = size--;
    }
    while (tooLarge - fitting > 1) {
        const int mid = fitting + (tooLarge - fitting) / 2;
        (fits(mid) ? fitting : tooLarge) = mid;
    }
    if (fitting < floorPixels) {
        if (probed != floorPixels) fits(floorPixels);
        return {fitted, false};
    }
    fitted.setPixelSize(fitting);
    layout = std::move(fittingLayout);
    return {fitted, true};
}

// The text with the control characters a word list may hold written out, line by line, for
// the tooltip and screen readers, which must not pass them on raw.
QString WithControlsWritten(QString text) {
    // Most texts hold none, and every new word passes here.
    const auto isControl = [](QChar c) {
        return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    };
    if (std::none_of(text.begin(), text.end(), isControl)) return text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) line = QString::fromStdString(Escaped(line.toStdString()));
    return lines.join(QLatin1Char('\n'));
}

// A tooltip takes text that looks like markup for rich text; this one shows it as written.
QString ToolTipText(const QString& text) {
    return Qt::convertFromPlainText(WithControlsWritten(text), Qt::WhiteSpaceNormal);
}

}  // namespace

CWinText::CWinText() {
    WinTextAccessible::Install();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
}

CWinText::~CWinText() = default;

bool CWinText::CreateBox(std::string text, const Rect& rect, QWidget* parent, uint32_t format) {
    TakeText(std::move(text));
    m_nFormat = format;
    m_fitted.reset();
    m_surfaceFont.reset();
    m_surfaceText = RGB(0, 0, 0);
    setParent(parent);
    // A new window comes above its siblings. A box created again over a dialog whose
    // controls were rebuilt must too, or the placeholder it covers shows through.
    raise();
    setWindowTitle(m_displayText);
    setGeometry(rect.ToQRect());
    show();
    return true;
}

void CWinText::SetText(const std::string& text) {
    TakeText(text);
    RepaintNow();
}

void CWinText::TakeText(std::string text) {
    m_strText = std::move(text);
    m_displayText = QString::fromStdString(FieldText::ToUtf8(m_strText));
    const QString read = WithControlsWritten(m_displayText);
    if (read == m_readText) return;
    m_readText = read;
    // A reader that shows the box keeps up with it; speaking a change is the focused
    // button's part (see the study window).
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
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

const CWinText::Fitted& CWinText::FitTo(const Rect& area) {
    const QFont chosen = FontInForce();
    const QSize size(area.Width(), area.Height());
    if (m_fitted && m_fitted->text == m_displayText && m_fitted->area == size &&
        m_fitted->chosen == chosen)
        return *m_fitted;
    const int floorPixels = MulDiv(kFloorPoints, logicalDpiY(), 72);
    TextLayout layout;
    Fit fit{chosen, true};
    if (m_nFormat & DT_SINGLELINE) {
        fit = LargestFittingLine(chosen, m_displayText, area.Width(), floorPixels);
        layout = LayOutText(QFontMetrics(fit.font, this), m_displayText, area, m_nFormat);
    } else {
        fit = LargestFittingText(chosen, m_displayText, area, m_nFormat, floorPixels, this, layout);
    }
    m_fitted = Fitted{m_displayText, size, chosen, fit.font, fit.whole, std::move(layout)};
    const QString tip = fit.whole ? QString() : ToolTipText(m_displayText);
    if (toolTip() != tip) setToolTip(tip);
    return *m_fitted;
}

uint32_t CWinText::FormatFor(bool whole) const {
    uint32_t format = m_nFormat;
    const bool rightToLeft = m_displayText.isRightToLeft();
    if (rightToLeft) format |= DT_RTLREADING;
    // A line cut even at the floor keeps its beginning in view; the tooltip has the rest.
    if ((format & DT_SINGLELINE) && !whole) format &= ~(DT_CENTER | DT_RIGHT);
    if (rightToLeft && !(format & DT_CENTER)) format |= DT_RIGHT;
    return format;
}

void CWinText::SetPicture(const QImage& picture) {
    if (picture.isNull() && m_picture.isNull()) return;
    m_picture = picture;
    m_scaledPicture = QImage();
    m_pictureRect = QRect();
    update();
}

void CWinText::DrawPicture(QPainter& painter, Rect& client) {
    m_pictureRect = QRect();
    if (m_picture.isNull() || client.Width() <= 0 || client.Height() <= 0) return;
    const QSize room(static_cast<int>(client.Width() * kPictureShare), client.Height());
    const QSize size = m_picture.size().scaled(room, Qt::KeepAspectRatio);
    if (size.isEmpty()) return;
    if (m_scaledPicture.size() != size)
        m_scaledPicture = m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_pictureRect = QRect(
        QPoint(client.right - size.width(), client.top + (client.Height() - size.height()) / 2),
        size);
    painter.drawImage(m_pictureRect.topLeft(), m_scaledPicture);
    client.right -= size.width() + kTextInset;
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
    DrawPicture(painter, client);
    const Fitted& fitted = FitTo(client);
    painter.setFont(fitted.font);
    painter.setPen(ColorFromColorref(m_surfaceText));
    DrawText(painter, fitted.layout, client, FormatFor(fitted.whole));
}
