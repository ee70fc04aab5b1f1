// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/DrawText.h"
#include "platform/FontConversion.h"
#include "tests/ui/PixelTools.h"
#include "ui/WinText.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr uint32_t kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;  // 0x25
constexpr uint32_t kWrapped = DT_WORDBREAK;                                // 0x10
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kYellow = RGB(0xFF, 0xFF, 0);

LogFont Font(int height, const char* face = "DejaVu Sans") {
    LogFont lf;
    lf.lfHeight = height;
    lf.lfWeight = 400;
    SetFaceName(lf, QString::fromLatin1(face));
    return lf;
}

class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

class WinTextTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_parent.resize(600, 400);
        m_parent.show();
        // Until the window is exposed Qt skips paints, and the setters' repaints with them.
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_parent));
    }

    // A box at (10, 10) of the given size, in blue on yellow with a -16 font.
    std::unique_ptr<CWinText> MakeBox(const std::string& text, uint32_t format, int width = 300,
                                      int height = 80, int fontHeight = -16) {
        auto box = std::make_unique<CWinText>();
        box->CreateBox(" ", {10, 10, 10 + width, 10 + height}, &m_parent, format);
        box->SetFontAndColors(Font(fontHeight), kBlue, kYellow);
        box->SetText(text);
        return box;
    }

    static QImage Render(CWinText& box) { return box.grab().toImage(); }
    static QRect Client(const CWinText& box) { return box.ClientRect().ToQRect(); }
    static QRect TextArea(const CWinText& box) {
        Rect r = box.ClientRect();
        r.Deflate(CWinText::kTextInset);
        return r.ToQRect();
    }

    QWidget m_parent;
};

TEST_F(WinTextTest, EmptyText_PaintsTheWholeClientAreaInTheBackground) {
    auto box = MakeBox("", kWrapped);
    const QImage image = Render(*box);
    const QRect client = Client(*box);
    EXPECT_EQ(CountColour(image, QColor(0xFF, 0xFF, 0), client), client.width() * client.height());
    // The sunken edge lies outside the client area and is not background.
    EXPECT_NE(image.pixelColor(0, 0), QColor(0xFF, 0xFF, 0));
}

TEST_F(WinTextTest, Text_StaysInsideTheInset) {
    const struct {
        const char* text;
        uint32_t format;
        bool reachesRightEdge;
    } cases[] = {
        // A single line shrinks to fit instead (below).
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", kCentredLine, false},
        {"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW", kWrapped, true},
        {"gjpq WWW gjpq WWW gjpq WWW gjpq WWW gjpq WWW gjpq WWW gjpq WWW gjpq", kWrapped, false},
    };
    for (const auto& c : cases) {
        auto box = MakeBox(c.text, c.format, 200, 50);
        const QImage image = Render(*box);
        const QRect ink = InkBounds(image, QColor(0xFF, 0xFF, 0), Client(*box));
        ASSERT_FALSE(ink.isEmpty()) << c.text;
        // Clipped exactly at the inset: a word too long reaches the edge but not past it.
        EXPECT_TRUE(TextArea(*box).contains(ink)) << c.text;
        if (c.reachesRightEdge) {
            EXPECT_EQ(ink.right(), TextArea(*box).right()) << c.text;
        }
    }
}

TEST_F(WinTextTest, CentredLine_SitsInTheMiddle_EvenWhenTooWide) {
    for (const char* text : {"HOH", "HHHHHHHHHHHHHHHHHHHHHHHHHHHHHH"}) {
        auto box = MakeBox(text, kCentredLine);
        const QImage image = Render(*box);
        const QRect ink = InkBounds(image, QColor(0xFF, 0xFF, 0), Client(*box));
        const QRect area = TextArea(*box);
        EXPECT_NEAR(ink.center().x(), area.center().x(), 2) << text;
        EXPECT_NEAR(ink.center().y(), area.center().y(), 3) << text;
        EXPECT_GT(CountColour(image, QColor(0, 0, 0xFF), ink), 10) << text;
    }
}

TEST_F(WinTextTest, LineTooWide_ShrinksToFit_ForThatTextOnly) {
    auto box = MakeBox(std::string(30, 'W'), kCentredLine, 560, 120, -48);
    const QFont chosen = box->FontInForce();
    const QRect area = TextArea(*box);
    const QRect ink = InkBounds(Render(*box), QColor(0xFF, 0xFF, 0), Client(*box));
    // Whole: clear of both edges, centred, and no smaller than it must be.
    EXPECT_GT(ink.left(), area.left());
    EXPECT_LT(ink.right(), area.right());
    EXPECT_NEAR(ink.center().x(), area.center().x(), 2);
    EXPECT_GT(ink.width(), area.width() * 9 / 10);
    EXPECT_EQ(box->FontInForce(), chosen);

    box->SetText("W");
    const QRect one = InkBounds(Render(*box), QColor(0xFF, 0xFF, 0), Client(*box));
    EXPECT_GT(one.height(), ink.height() * 2);
}

// A text too large for its box draws smaller, down to 8 points (11 pixels at 96 dpi); one
// that does not fit even there is cut, keeping its beginning, and shows whole in the tooltip.
// A screen reader always reads the whole text.
TEST_F(WinTextTest, TextTooLarge_ShrinksToTheFloor_ThenShowsWholeInTheTooltip) {
    const std::string german =
        "Die Fähigkeit, sich nach einem Rückschlag schnell wieder zu erholen und mit neuer Kraft "
        "weiterzumachen, auch wenn die Umstände widrig sind und Unterstützung fehlt.";
    const struct {
        std::string text;
        uint32_t format;
        int width, height;
        int minPixels, maxPixels;
        bool cut;
    } cases[] = {
        {"Die Kraft, weiterzumachen.", kWrapped, 300, 160, 21, 21, false},
        {german, kWrapped, 300, 160, 12, 20, false},
        {german, kWrapped, 160, 60, 11, 11, true},
        {std::string(40, 'W'), kCentredLine, 160, 60, 11, 11, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " in " + std::to_string(c.width) + "x" + std::to_string(c.height));
        auto box = MakeBox(c.text, c.format, c.width, c.height);
        const QString whole = QString::fromStdString(c.text);
        EXPECT_GE(box->FontDrawn().pixelSize(), c.minPixels);
        EXPECT_LE(box->FontDrawn().pixelSize(), c.maxPixels);
        EXPECT_EQ(box->FontInForce().pixelSize(), 21);
        EXPECT_EQ(box->ShownText(), whole);
        EXPECT_EQ(box->toolTip().contains(whole), c.cut) << box->toolTip().toStdString();
        const QRect ink = InkBounds(Render(*box), QColor(0xFF, 0xFF, 0), Client(*box));
        EXPECT_LE(ink.left() - TextArea(*box).left(), 3);
    }
    // The tooltip goes when the text fits again.
    auto box = MakeBox(german, kWrapped, 160, 60);
    box->SetText("Kraft");
    EXPECT_EQ(box->toolTip(), QString());
}

// A tooltip reads markup as rich text; text from a word list must show as it is written, and
// reach a screen reader without its control characters.
TEST_F(WinTextTest, ToolTipAndDescription_ShowMarkupAndControlCharactersAsText) {
    auto box = MakeBox("<b>fett</b>\x01 und noch viele weitere Worte dazu", kWrapped, 60, 30);
    const QString tip = box->toolTip();
    EXPECT_TRUE(tip.contains(QStringLiteral("&lt;b&gt;fett&lt;/b&gt;\\x01"))) << tip.toStdString();
    EXPECT_FALSE(tip.contains(QChar(1)));
    EXPECT_TRUE(box->ShownText().startsWith(QStringLiteral("<b>fett</b>\\x01 und")));
}

TEST_F(WinTextTest, WordBreak_WrapsAtSpaces_FromTheTopLeft) {
    auto box = MakeBox("HHH HHH HHH HHH HHH HHH", kWrapped, 120, 150);
    const QImage image = Render(*box);
    const QRect area = TextArea(*box);
    const QRect ink = InkBounds(image, QColor(0xFF, 0xFF, 0), area);
    EXPECT_LE(ink.left() - area.left(), 3);
    EXPECT_LE(ink.top() - area.top(), 8);
    // Several lines: ink rows come in bands separated by empty rows.
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool hasInk =
            !InkBounds(image, QColor(0xFF, 0xFF, 0), QRect(area.left(), y, area.width(), 1))
                 .isEmpty();
        if (hasInk && !inBand) ++bands;
        inBand = hasInk;
    }
    EXPECT_GE(bands, 3);
}

TEST_F(WinTextTest, WordBreak_LinesBelowTheBottom_AreCutOff) {
    auto tall = MakeBox("H\nH\nH\nH\nH\nH\nH\nH", kWrapped, 100, 300);
    auto low = MakeBox("H\nH\nH\nH\nH\nH\nH\nH", kWrapped, 100, 50);
    const QRect tallInk = InkBounds(Render(*tall), QColor(0xFF, 0xFF, 0), Client(*tall));
    const QRect lowInk = InkBounds(Render(*low), QColor(0xFF, 0xFF, 0), Client(*low));
    EXPECT_GT(tallInk.height(), 150);
    EXPECT_LE(lowInk.bottom(), TextArea(*low).bottom());
}

TEST_F(WinTextTest, Ampersand_UnderlinesTheNextCharacter_AndDoubleShowsOne) {
    auto prefixed = MakeBox("R&D", kCentredLine);
    auto plain = MakeBox("RD", kCentredLine);
    const QImage a = Render(*prefixed), b = Render(*plain);
    ASSERT_EQ(a.size(), b.size());
    const QRect client = Client(*plain);
    const QRect rInk =
        InkBounds(b, QColor(0xFF, 0xFF, 0), client.adjusted(0, 0, -client.width() / 2, 0));
    QRect extra;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixelColor(x, y) != b.pixelColor(x, y)) extra |= QRect(x, y, 1, 1);
    ASSERT_FALSE(extra.isEmpty());
    EXPECT_GT(extra.left(), rInk.right() - 1);  // under the D only
    EXPECT_GE(extra.top(), rInk.bottom() - 1);  // below the letters' baseline

    auto doubled = MakeBox("A&&B", kCentredLine);
    auto literal = MakeBox("A&B", kCentredLine | DT_NOPREFIX);
    EXPECT_EQ(Render(*doubled), Render(*literal));
}

TEST_F(WinTextTest, HeightRule_ReadsTheStoredHeightAsPoints) {
    ASSERT_EQ(m_parent.logicalDpiY(), 96);
    auto box = MakeBox("Hg", kCentredLine, 300, 80, -16);
    EXPECT_EQ(box->FontInForce().pixelSize(), 21);
    const QRect ink = InkBounds(Render(*box), QColor(0xFF, 0xFF, 0), Client(*box));
    EXPECT_GE(ink.height(), 17);  // cap height plus descender of a 21-pixel em
    EXPECT_LE(ink.height(), 22);
    box->SetTextFont(Font(-11), kBlue);
    EXPECT_EQ(box->FontInForce().pixelSize(), 15);
    box->SetTextFont(Font(20), kBlue);
    EXPECT_NEAR(QFontMetrics(box->FontInForce()).height(), 27, 1);
}

TEST_F(WinTextTest, FontNeverSet_DrawsInTheDefaultFontInBlack) {
    CWinText box;
    box.CreateBox("IIIII", {10, 10, 200, 60}, &m_parent, kCentredLine);
    EXPECT_EQ(box.FontInForce(), box.font());
    const QImage image = Render(box);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Client(box).contains(x, y) && image.pixelColor(x, y).value() < 60) ++dark;
    EXPECT_GT(dark, 10);
    EXPECT_EQ(image.pixelColor(Client(box).topLeft()), QColor(Qt::white));
}

TEST_F(WinTextTest, UnbuildableFont_LeavesThePreviousOneInForce) {
    auto box = MakeBox("Hello", kCentredLine);
    LogFont bad = Font(-40);
    bad.lfWeight = 5000;
    box->SetTextFont(bad, kBlue);
    EXPECT_EQ(box->FontInForce().pixelSize(), 21);
    box->SetBackColor(kBlue);  // a later paint does not try the bad font again
    EXPECT_EQ(box->FontInForce().pixelSize(), 21);
}

TEST_F(WinTextTest, HeightsAtTheEndsOfTheRange_LeaveThePreviousFont) {
    auto box = MakeBox("Hello", kCentredLine);
    for (int32_t height : {INT32_MIN, INT32_MAX}) {
        box->SetTextFont(Font(height), kBlue);
        EXPECT_EQ(box->FontInForce().pixelSize(), 21) << height;
    }
}

TEST_F(WinTextTest, EverySetter_RepaintsBeforeItReturns) {
    auto box = MakeBox("x", kWrapped);
    PaintCounter counter;
    box->installEventFilter(&counter);
    box->SetText("y");
    EXPECT_EQ(counter.paints, 1);
    box->SetBackColor(kYellow);
    box->SetBackColor(kYellow);
    EXPECT_EQ(counter.paints, 3);
    box->SetTextFont(Font(-16), kBlue);
    box->SetFontAndColors(Font(-16), kBlue, kYellow);
    EXPECT_EQ(counter.paints, 5);
}

TEST_F(WinTextTest, PaletteRelativeAndPlainColours_DrawAlike) {
    auto box = MakeBox("", kWrapped);
    box->SetBackColor(PALETTERGB(0x12, 0x34, 0x56));
    const QImage a = Render(*box);
    box->SetBackColor(RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Render(*box), a);
    EXPECT_EQ(a.pixelColor(Client(*box).center()), QColor(0x12, 0x34, 0x56));
}

// A screen reader reads the box as a label named by its text, with its caption as the
// description; a UTF-8 field must reach it as its letters.
TEST_F(WinTextTest, FieldInEitherEncoding_IsReadAsItsLetters) {
    auto box = MakeBox("\xD0\x9A\xD0\xBE\xD1\x82", kCentredLine);
    box->SetCaption(QStringLiteral("Word"));
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(box.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->role(), QAccessible::StaticText);
    EXPECT_EQ(read->text(QAccessible::Name), QStringLiteral("Кот"));
    EXPECT_EQ(read->text(QAccessible::Description), QStringLiteral("Word"));
    box->SetText("caf\xE9");
    EXPECT_EQ(read->text(QAccessible::Name), QStringLiteral("café"));
}

// Ink rows of `area` come in bands separated by empty rows, one per line of text.
int InkBands(const QImage& image, QColor background, const QRect& area) {
    int bands = 0;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const bool hasInk =
            !InkBounds(image, background, QRect(area.left(), y, area.width(), 1)).isEmpty();
        if (hasInk && !inBand) ++bands;
        inBand = hasInk;
    }
    return bands;
}

// Every script a learner may bring draws in the chosen font or, letter by letter, in one that
// has the glyph: ink in the box and no glyph left missing (index 0 draws a box).
TEST_F(WinTextTest, WordsInEveryScript_DrawWithNoMissingGlyphs) {
    for (const char* word :
         {"λέξη", "слово", "źdźbło", "příliš", "汉字", "ことば", "كلمة", "מילה", "단어"}) {
        SCOPED_TRACE(word);
        auto box = MakeBox(word, kCentredLine);
        const QImage image = Render(*box);
        EXPECT_GT(CountColour(image, QColor(0, 0, 0xFF), Client(*box)), 10);
        QTextLayout layout(QString::fromUtf8(word), box->FontInForce());
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns())
            for (quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << run.rawFont().familyName().toStdString();
    }
}

// How much of the blue ink of `a` inside `area` `b` has too, at the best of three horizontal
// shifts of `b`: the same letter placed a fraction of a pixel apart still matches well.
double InkOverlap(const QImage& a, const QImage& b, const QRect& area) {
    const auto inked = [](const QImage& image, int x, int y) {
        const QColor c = image.pixelColor(x, y);
        return c.blue() > 128 && c.red() < 128;
    };
    double best = 0;
    for (int shift = -1; shift <= 1; ++shift) {
        int both = 0, either = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const bool inA = inked(a, x, y), inB = inked(b, x + shift, y);
                both += inA && inB;
                either += inA || inB;
            }
        if (either > 0) best = std::max(best, static_cast<double>(both) / either);
    }
    return best;
}

// Hebrew and Arabic read from the right: a word's first letter, drawn alone, lies at the right
// end of the box, where the whole word shows it.
TEST_F(WinTextTest, RightToLeftWords_BeginAtTheRight) {
    for (const char* word : {"שלום", "زود"}) {
        SCOPED_TRACE(word);
        const QString letters = QString::fromUtf8(word);
        auto full = MakeBox(word, kWrapped);
        auto first = MakeBox(letters.left(1).toStdString(), kWrapped);
        auto last = MakeBox(letters.right(1).toStdString(), kWrapped);
        const QImage fullImage = Render(*full);
        const QImage firstImage = Render(*first);
        const QRect firstInk = InkBounds(firstImage, QColor(0xFF, 0xFF, 0), Client(*first));
        ASSERT_FALSE(firstInk.isEmpty());
        EXPECT_GE(firstInk.right(), TextArea(*first).right() - 3);
        // The rightmost letter of the word looks like its first letter, not like its last.
        const QRect around = firstInk.adjusted(-1, 0, 1, 0);
        const double asFirst = InkOverlap(firstImage, fullImage, around);
        EXPECT_GT(asFirst, 0.5);
        EXPECT_GT(asFirst, InkOverlap(Render(*last), fullImage, around) + 0.2);
    }
}

// Every line of a wrapped right-to-left definition ends at the right edge, where it begins;
// a left-to-right one starts at the left edge.
TEST_F(WinTextTest, WrappedText_IsAlignedWhereItsScriptBegins) {
    const struct {
        const char* text;
        bool rightToLeft;
    } cases[] = {
        {"מילה היא יחידה של שפה שיש לה משמעות ואפשר לכתוב אותה בנפרד", true},
        {"الكلمة وحدة من اللغة لها معنى ويمكن كتابتها أو نطقها وحدها", true},
        {"Ein Wort ist eine Einheit der Sprache mit eigener Bedeutung", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto box = MakeBox(c.text, kWrapped, 300, 200);
        const QImage image = Render(*box);
        const QRect area = TextArea(*box);
        const int lineHeight = QFontMetrics(box->FontDrawn()).height();
        int lines = 0;
        for (int top = area.top(); top + lineHeight <= area.bottom(); top += lineHeight) {
            const QRect ink = InkBounds(image, QColor(0xFF, 0xFF, 0),
                                        QRect(area.left(), top, area.width(), lineHeight));
            if (ink.isEmpty()) break;
            ++lines;
            if (c.rightToLeft) {
                EXPECT_GE(ink.right(), area.right() - 3) << "line " << lines;
            } else {
                EXPECT_LE(ink.left(), area.left() + 3) << "line " << lines;
            }
        }
        EXPECT_GE(lines, 2);
    }
}

// Chinese runs on without spaces; a definition wider than its box breaks between characters.
TEST_F(WinTextTest, TextWithoutSpaces_WrapsWhereLinesMayBreak) {
    auto box =
        MakeBox("汉字是中文的书写系统它有很长的历史每个字都有自己的意思和读音", kWrapped, 200, 150);
    const QImage image = Render(*box);
    const QColor back(0xFF, 0xFF, 0);
    const QRect ink = InkBounds(image, back, Client(*box));
    EXPECT_LT(ink.right(), TextArea(*box).right() - 2) << "a line ran over the edge";
    EXPECT_GE(InkBands(image, back, TextArea(*box)), 3);
}

}  // namespace
