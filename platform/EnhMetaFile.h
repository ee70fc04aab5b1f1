#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// An enhanced metafile (a Windows vector picture) ready to draw: converted once to SVG when
// loaded, then drawn stretched to whatever rectangle it is given.

#include "platform/MetaFileConverter.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include <memory>
#include <string>

class QSvgRenderer;

class EnhMetaFile {
public:
    // Nothing when the file is missing or is not an enhanced metafile that converts.
    static std::unique_ptr<EnhMetaFile> Load(
        const std::string& path, const MetaFileConverter& converter = MetaFileConverter::Default());
    // Nothing when `svg` is not a picture.
    static std::unique_ptr<EnhMetaFile> FromSvg(const std::string& svg);
    ~EnhMetaFile();

    // Draws the whole picture into `target`, ignoring its aspect ratio. The picture is drawn
    // once per size and kept as pixels: a frame strip repaints often and resizes seldom. The
    // first size is also kept in the user's cache for the next start.
    void Draw(QPainter& painter, const QRectF& target) const;

private:
    EnhMetaFile() = default;
    // The parsed picture, parsed again from `m_svg` if it was let go.
    QSvgRenderer& Renderer() const;
    // The picture drawn at `pixels`, from the cache when an earlier start drew it at that size.
    QImage Drawn(QSize pixels, qreal ratio, QPainter::RenderHints hints) const;

    QByteArray m_svg;
    // The parsed document holds every path of the picture and, once drawn, a second copy of
    // each for the rasterizer: several times the pixels of a strip. It is let go once the
    // picture is in `m_drawn`. Shared by the pictures of the same SVG text (see Parse).
    mutable std::shared_ptr<QSvgRenderer> m_renderer;
    mutable QImage m_drawn;
    // Whether the cache had its turn: only the first drawing is looked up and kept there.
    mutable bool m_isKept = false;
};
