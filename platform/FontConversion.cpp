// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontConversion.h"

#include "platform/MulDiv.h"
#include "platform/Win1252.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t kVariablePitch = 2;
constexpr uint8_t kFixedPitch = 1;
constexpr uint8_t kFamilySwiss = 0x20;
constexpr uint8_t kFamilyModern = 0x30;
constexpr uint8_t kOutStrokePrecision = 3;
constexpr uint8_t kClipStrokePrecision = 2;
constexpr uint8_t kDraftQuality = 1;

// Qt sizes a font by its em; a cell height asks for ascent plus descent. Measure the
// face's cell-to-em ratio at a large size, where rounding does not distort it.
int PixelSizeForCellHeight(QFont font, int cellHeight) {
    constexpr int kProbeSize = 1000;
    font.setPixelSize(kProbeSize);
    const int measured = QFontMetrics(font).height();
    if (measured <= 0) return cellHeight;
    return std::max(
        1, static_cast<int>(std::lround(static_cast<double>(cellHeight) * kProbeSize / measured)));
}

}  // namespace

QString FaceName(const LogFont& lf) { return Win1252ToUnicode(lf.FaceNameBytes()); }

void SetFaceName(LogFont& lf, const QString& face) { lf.SetFaceNameBytes(UnicodeToWin1252(face)); }

std::optional<QFont> ToQFont(const LogFont& lf, const QFont& base) {
    if (lf.lfWeight < 0 || lf.lfWeight > 1000) return std::nullopt;
    if (lf.lfHeight < -LogFont::kMaxHeight || lf.lfHeight > LogFont::kMaxHeight)
        return std::nullopt;

    QFont font = base;
    const QString face = FaceName(lf);
    if (!face.isEmpty()) font.setFamily(face);
    // 0 is "don't care" to the Windows font mapper, which then gives a regular weight.
    font.setWeight(lf.lfWeight == 0 ? QFont::Normal
                                    : static_cast<QFont::Weight>(std::max(1, lf.lfWeight)));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    if (lf.lfHeight < 0) font.setPixelSize(-lf.lfHeight);
    if (lf.lfHeight > 0) font.setPixelSize(PixelSizeForCellHeight(font, lf.lfHeight));
    if (lf.lfWidth > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * lf.lfWidth / natural)), 1, 4000));
    }
    return font;
}

LogFont LogFontFromQFont(const QFont& font, int dpiY) {
    LogFont lf;
    if (font.pixelSize() > 0) {
        lf.lfHeight = -font.pixelSize();
    } else {
        // The font dialog's rule: -MulDiv(points, dpiY, 72), in tenths to keep half points.
        lf.lfHeight = -MulDiv(static_cast<int32_t>(std::lround(font.pointSizeF() * 10)), dpiY, 720);
    }
    lf.lfWeight = font.weight();
    lf.lfItalic = font.italic() ? 1 : 0;
    lf.lfUnderline = font.underline() ? 1 : 0;
    lf.lfStrikeOut = font.strikeOut() ? 1 : 0;
    lf.lfOutPrecision = kOutStrokePrecision;
    lf.lfClipPrecision = kClipStrokePrecision;
    lf.lfQuality = kDraftQuality;
    const QFontInfo info(font);
    lf.lfPitchAndFamily =
        info.fixedPitch() ? (kFixedPitch | kFamilyModern) : (kVariablePitch | kFamilySwiss);
    SetFaceName(lf, info.family());
    return lf;
}

std::optional<QFont> DialogFontFor(const LogFont& lf, const QFont& base, int dpiY) {
    std::optional<QFont> built = ToQFont(lf, base);
    if (!built) return std::nullopt;
    const QFontInfo drawn(*built);
    QFont font(drawn.family());
    font.setWeight(built->weight());
    font.setItalic(built->italic());
    font.setUnderline(built->underline());
    font.setStrikeOut(built->strikeOut());
    if (QFontDatabase::styles(drawn.family()).contains(drawn.styleName()))
        font.setStyleName(drawn.styleName());
    const int pixels = built->pixelSize() > 0 ? built->pixelSize() : drawn.pixelSize();
    font.setPointSizeF(std::max(1.0, pixels * 72.0 / std::max(1, dpiY)));
    return font;
}

LogFont ChosenLogFont(const LogFont& original, const QFont& opened, const QFont& chosen, int dpiY) {
    if (chosen == opened) return original;
    LogFont lf = LogFontFromQFont(chosen, dpiY);
    if (chosen.pointSize() == opened.pointSize()) lf.lfHeight = original.lfHeight;
    return lf;
}
