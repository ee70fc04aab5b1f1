#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The text display box: a child window with a sunken edge that shows one text in one font,
// text colour and background colour. It takes no input; every setter repaints it at once.
//
// Like a window with a private device context, the box keeps the font and colours of its
// last paint, and a paint applies only what changed since (the two change flags). A font is
// built only after a font change, so an ordinary repaint is one fill and one text draw.
//
// A text too large for the box is drawn in the largest smaller size of the font in which it
// fits whole, for that text only, but never below a readable floor: cutting a word on both
// sides would hide it, and a definition cut at the bottom loses its end. A text that does not
// fit even at the floor is cut there and shown whole in the box's tooltip; a screen reader
// always reads it whole, as the box's name (see WinTextAccessible). Right-to-left text
// (Arabic, Hebrew) in a left-aligned box is aligned to the right, where it begins.

#include "engine/LogFont.h"
#include "platform/Colorref.h"
#include "platform/DrawText.h"
#include "platform/Rect.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>

class QPainter;

class CWinText : public QWidget {
public:
    // Width of the sunken edge around the client area, in pixels.
    static constexpr int kEdgeWidth = 2;
    // The text keeps this far from the client area's edges, in pixels.
    static constexpr int kTextInset = 5;
    // Text never shrinks below this size: the dialogs set their own labels in 8 points, the
    // smallest text the program shows anywhere. A size relative to the chosen one would stop a
    // large font where the text would still read well in the box.
    static constexpr int kFloorPoints = 8;

    CWinText();
    ~CWinText() override;

    // Places the box as a visible child of `parent` at `rect` (parent client coordinates)
    // with `text` (Windows-1252) and the DrawText flags `format`. A box created again starts
    // afresh with the default font and colours of a new window.
    bool CreateBox(std::string text, const Rect& rect, QWidget* parent, uint32_t format);
    void SetText(const std::string& text);
    void SetTextFont(const LogFont& font, COLORREF textColor);
    void SetFontAndColors(const LogFont& font, COLORREF textColor, COLORREF backColor);
    void SetBackColor(COLORREF backColor);
    // The text as last set (Windows-1252).
    const std::string& GetText() const { return m_strText; }
    // The text as a screen reader gets it: whole, its control characters written out.
    const QString& ShownText() const { return m_readText; }
    // What the box is for ("Word"), which a screen reader tells after the text.
    void SetCaption(const QString& caption) { m_caption = caption; }
    const QString& Caption() const { return m_caption; }

    // The font the box draws with now (its default until the first font change).
    QFont FontInForce() const { return m_surfaceFont.value_or(font()); }
    // The font the last paint drew the text in: the one in force, or a smaller size that fits.
    QFont FontDrawn() const { return m_fitted ? m_fitted->font : FontInForce(); }
    // The client area, inside the sunken edge, in the box's own coordinates.
    Rect ClientRect() const;

    // A card's picture, drawn whole at the right of the box and scaled to fit its height and
    // at most kPictureShare of its width; the text keeps to the rest. A null image takes it away.
    static constexpr double kPictureShare = 0.45;
    void SetPicture(const QImage& picture);
    bool HasPicture() const { return !m_picture.isNull(); }
    // Where the picture was last drawn, in the box's coordinates; empty when it has none.
    QRect PictureRect() const { return m_pictureRect; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the picture at the right of `client` and leaves `client` the room to its left.
    void DrawPicture(QPainter& painter, Rect& client);

private:
    // The last text measured, the font it is drawn in and whether it fits whole there, so that
    // repainting it measures nothing again.
    struct Fitted {
        QString text;
        QSize area;
        QFont chosen;
        QFont font;
        bool whole = true;
        TextLayout layout;  // the text laid out in `font`
    };

    void RepaintNow();
    void TakeText(std::string text);
    void ApplyFontChange();
    // How the text fits the inset rectangle `area`; keeps the tooltip to match.
    const Fitted& FitTo(const Rect& area);
    uint32_t FormatFor(bool whole) const;

    int32_t m_bFontChanged = 0;
    int32_t m_bColorChanged = 0;
    LogFont m_logFont;
    COLORREF m_crBack = PALETTERGB(0xFF, 0xFF, 0xFF);
    COLORREF m_crText = PALETTERGB(0, 0, 0);
    std::string m_strText;
    uint32_t m_nFormat = 0;

    // What the drawing surface holds between paints.
    std::optional<QFont> m_surfaceFont;
    COLORREF m_surfaceText = RGB(0, 0, 0);
    QString m_displayText;
    QString m_readText;
    QString m_caption;

    std::optional<Fitted> m_fitted;

    QImage m_picture;
    QImage m_scaledPicture;  // m_picture at the size last drawn
    QRect m_pictureRect;
};
