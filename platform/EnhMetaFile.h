#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// An enhanced metafile (a Windows vector picture) ready to draw: converted once to SVG when
// loaded, then drawn stretched to whatever rectangle it is given.

#include "platform/MetaFileConverter.h"

#include <QRectF>
#include <QSvgRenderer>

#include <memory>
#include <string>

class QPainter;

class EnhMetaFile {
public:
    // Nothing when the file is missing or is not an enhanced metafile that converts.
    static std::unique_ptr<EnhMetaFile> Load(
        const std::string& path, const MetaFileConverter& converter = MetaFileConverter::Default());
    // Nothing when `svg` is not a picture.
    static std::unique_ptr<EnhMetaFile> FromSvg(const std::string& svg);

    // Draws the whole picture into `target`, ignoring its aspect ratio.
    void Draw(QPainter& painter, const QRectF& target) const;

private:
    EnhMetaFile() = default;

    mutable QSvgRenderer m_renderer;
};
