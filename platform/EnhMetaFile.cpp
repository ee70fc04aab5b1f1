// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EnhMetaFile.h"

#include "engine/AtomicFile.h"

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
    // Parsed now to know it is a picture; the first drawing uses this parse.
    if (!file->Renderer().isValid()) return nullptr;
    return file;
}

EnhMetaFile::~EnhMetaFile() = default;

QSvgRenderer& EnhMetaFile::Renderer() const {
    if (!m_renderer) m_renderer = Parse(m_svg);
    return *m_renderer;
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
        m_drawn = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
        m_drawn.setDevicePixelRatio(ratio);
        m_drawn.fill(Qt::transparent);
        QPainter onImage(&m_drawn);
        onImage.setRenderHints(painter.renderHints());
        Renderer().render(&onImage, QRectF(QPointF(0, 0), QSizeF(whole.size())));
        onImage.end();
        m_renderer.reset();
    }
    painter.drawImage(whole.topLeft(), m_drawn);
}
