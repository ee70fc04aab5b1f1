#include "platform/LogFont.h"

#include "platform/MulDiv.h"
#include "platform/Win1252.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

int32_t ReadInt32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 |
                                static_cast<uint32_t>(p[3]) << 24);
}

void WriteInt32(uint8_t* p, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}

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

void LogFont::Read(const uint8_t* bytes) {
    lfHeight = ReadInt32(bytes + 0);
    lfWidth = ReadInt32(bytes + 4);
    lfEscapement = ReadInt32(bytes + 8);
    lfOrientation = ReadInt32(bytes + 12);
    lfWeight = ReadInt32(bytes + 16);
    lfItalic = bytes[20];
    lfUnderline = bytes[21];
    lfStrikeOut = bytes[22];
    lfCharSet = bytes[23];
    lfOutPrecision = bytes[24];
    lfClipPrecision = bytes[25];
    lfQuality = bytes[26];
    lfPitchAndFamily = bytes[27];
    for (int i = 0; i < kFaceSize; ++i) lfFaceName[i] = static_cast<char>(bytes[28 + i]);
}

void LogFont::Write(uint8_t* bytes) const {
    WriteInt32(bytes + 0, lfHeight);
    WriteInt32(bytes + 4, lfWidth);
    WriteInt32(bytes + 8, lfEscapement);
    WriteInt32(bytes + 12, lfOrientation);
    WriteInt32(bytes + 16, lfWeight);
    bytes[20] = lfItalic;
    bytes[21] = lfUnderline;
    bytes[22] = lfStrikeOut;
    bytes[23] = lfCharSet;
    bytes[24] = lfOutPrecision;
    bytes[25] = lfClipPrecision;
    bytes[26] = lfQuality;
    bytes[27] = lfPitchAndFamily;
    for (int i = 0; i < kFaceSize; ++i) bytes[28 + i] = static_cast<uint8_t>(lfFaceName[i]);
}

QString LogFont::FaceName() const {
    const char* end = static_cast<const char*>(std::memchr(lfFaceName, 0, kFaceSize));
    const size_t length = end ? static_cast<size_t>(end - lfFaceName) : kFaceSize;
    return Win1252ToUnicode(std::string_view(lfFaceName, length));
}

void LogFont::SetFaceName(const QString& face) {
    std::string bytes = UnicodeToWin1252(face);
    if (bytes.size() > kFaceSize - 1) bytes.resize(kFaceSize - 1);
    std::memset(lfFaceName, 0, kFaceSize);
    std::memcpy(lfFaceName, bytes.data(), bytes.size());
}

std::optional<QFont> LogFont::ToQFont(const QFont& base) const {
    if (lfWeight < 0 || lfWeight > 1000) return std::nullopt;
    if (lfHeight < -kMaxHeight || lfHeight > kMaxHeight) return std::nullopt;

    QFont font = base;
    const QString face = FaceName();
    if (!face.isEmpty()) font.setFamily(face);
    // 0 is "don't care" to the Windows font mapper, which then gives a regular weight.
    font.setWeight(lfWeight == 0 ? QFont::Normal
                                 : static_cast<QFont::Weight>(std::max(1, lfWeight)));
    font.setItalic(lfItalic != 0);
    font.setUnderline(lfUnderline != 0);
    font.setStrikeOut(lfStrikeOut != 0);
    if (lfHeight < 0) font.setPixelSize(-lfHeight);
    if (lfHeight > 0) font.setPixelSize(PixelSizeForCellHeight(font, lfHeight));
    if (lfWidth > 0) {
        const int natural = QFontMetrics(font).averageCharWidth();
        if (natural > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(100.0 * lfWidth / natural)), 1, 4000));
    }
    return font;
}

LogFont LogFont::FromQFont(const QFont& font, int dpiY) {
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
    lf.SetFaceName(info.family());
    return lf;
}

bool LogFont::operator==(const LogFont& o) const {
    return lfHeight == o.lfHeight && lfWidth == o.lfWidth && lfEscapement == o.lfEscapement &&
           lfOrientation == o.lfOrientation && lfWeight == o.lfWeight && lfItalic == o.lfItalic &&
           lfUnderline == o.lfUnderline && lfStrikeOut == o.lfStrikeOut &&
           lfCharSet == o.lfCharSet && lfOutPrecision == o.lfOutPrecision &&
           lfClipPrecision == o.lfClipPrecision && lfQuality == o.lfQuality &&
           lfPitchAndFamily == o.lfPitchAndFamily &&
           std::memcmp(lfFaceName, o.lfFaceName, kFaceSize) == 0;
}
