// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EnhMetaFile.h"

#include "engine/AtomicFile.h"
#include "platform/PixelCache.h"

#include <QPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTransform>

#include <cmath>
#include <map>

namespace {

// One parse for all pictures of the same SVG text while any of them still holds it: the
// window's five strips show two frames, and parsing is most of what a picture costs before
// the window shows. Pictures are made and drawn on the GUI thread only.
std::shared_ptr<QSvgRenderer> Parse(const QByteArray& svg) {
    static std::map<QByteArray, std::weak_ptr<QSvgRenderer>> parsed;
    for (auto it = parsed.begin(); it != parsed.end();)
        it = it->second.expired() ? parsed.erase(it) : std::next(it);
    if (const auto it = parsed.find(svg); it != parsed.end()) return it->second.lock();
    auto renderer = std::make_shared<QSvgRenderer>(svg);
    parsed.emplace(svg, renderer);
    return renderer;
}

}  // namespace

std::unique_ptr<EnhMetaFile> EnhMetaFile::Load(const std::string& path,
                                               const MetaFileConverter& converter) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return nullptr;
    const std::string svg = converter.ToSvg(bytes);
    if (svg.empty()) return nullptr;
    return FromSvg(svg);
}

std::unique_ptr<EnhMetaFile> EnhMetaFile::FromSvg(const std::string& svg) {
    std::unique_ptr<EnhMetaFile> file(new EnhMetaFile);
    file->m_svg = QByteArray(svg.data(), static_cast<qsizetype>(svg.size()));
    // Parsed now to know it is a picture, and the first drawing uses this parse; a picture an
    // earlier start found good is taken as it is, since its drawing is likely kept too.
    const QString parses = PixelCache::PathFor(
        file->m_svg, QByteArray("metafile parses with Qt ") + QByteArray(qVersion()));
    if (PixelCache::IsNoted(parses)) return file;
    if (!file->Renderer().isValid()) return nullptr;
    PixelCache::Note(parses);
    return file;
}

EnhMetaFile::~EnhMetaFile() = default;

QSvgRenderer& EnhMetaFile::Renderer() const {
    if (!m_renderer) m_renderer = Parse(m_svg);
    return *m_renderer;
}

QImage EnhMetaFile::Drawn(QSize pixels, qreal ratio, QPainter::RenderHints hints) const {
    // Only the first size a picture is drawn at is kept: the size the window starts with. A
    // window resized by dragging would otherwise leave a file for every step.
    QString kept;
    if (!m_isKept) {
        m_isKept = true;
        kept = PixelCache::PathFor(m_svg, QByteArray("metafile 1 with Qt ") + qVersion() + ' ' +
                                              QByteArray::number(pixels.width()) + 'x' +
                                              QByteArray::number(pixels.height()) + ' ' +
                                              QByteArray::number(ratio) + ' ' +
                                              QByteArray::number(int(hints)));
    }
    QImage image = PixelCache::Load(kept, pixels, QImage::Format_ARGB32_Premultiplied);
    const bool mustDraw = image.isNull();
    if (mustDraw) image = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    if (!mustDraw) return image;
    image.fill(Qt::transparent);
    QPainter onImage(&image);
    onImage.setRenderHints(hints);
    Renderer().render(&onImage, QRectF(QPointF(0, 0), QSizeF(pixels) / ratio));
    onImage.end();
    if (!kept.isEmpty()) PixelCache::Keep(image, kept);
    return image;
}

void EnhMetaFile::Draw(QPainter& painter, const QRectF& target) const {
    const QRect whole = target.toRect();
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 0;
    // Kept pixels land on the screen's pixels one to one only for whole pixels, an unscaled
    // painter and a whole scale factor; anything else is drawn from the vectors, as before.
    if (QRectF(whole) != target || painter.transform().type() > QTransform::TxTranslate ||
        ratio < 1 || ratio != std::floor(ratio)) {
        Renderer().render(&painter, target);
        return;
    }
    const QSize pixels = whole.size() * static_cast<int>(ratio);
    if (pixels.isEmpty()) return;
    if (m_drawn.size() != pixels || m_drawn.devicePixelRatioF() != ratio) {
        m_drawn = Drawn(pixels, ratio, painter.renderHints());
        m_renderer.reset();
    }
    painter.drawImage(whole.topLeft(), m_drawn);
}
