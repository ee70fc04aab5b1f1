// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EnhMetaFile.h"

#include "engine/AtomicFile.h"

#include <QPainter>

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
    if (!file->m_renderer.load(QByteArray(svg.data(), static_cast<qsizetype>(svg.size()))) ||
        !file->m_renderer.isValid())
        return nullptr;
    return file;
}

void EnhMetaFile::Draw(QPainter& painter, const QRectF& target) const {
    m_renderer.render(&painter, target);
}
