// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EnhMetaFile.h"

#include "engine/AtomicFile.h"
#include "engine/LittleEndian.h"

#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <emf2svg.h>

namespace {

constexpr uint32_t kHeaderRecordType = 1;
constexpr size_t kSignatureOffset = 40;
constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
constexpr size_t kMinimumHeaderSize = 88;

uint32_t ReadUInt32(const std::string& bytes, size_t offset) {
    return GetLE32(bytes.data() + offset);
}

// The converter trusts its input; refuse what is plainly not a metafile before it looks.
bool LooksLikeEnhMetaFile(const std::string& bytes) {
    if (bytes.size() < kMinimumHeaderSize) return false;
    if (ReadUInt32(bytes, 0) != kHeaderRecordType) return false;
    if (ReadUInt32(bytes, kSignatureOffset) != kSignature) return false;
    const uint32_t headerSize = ReadUInt32(bytes, 4);
    return headerSize >= kMinimumHeaderSize && headerSize <= bytes.size();
}

}  // namespace

std::unique_ptr<EnhMetaFile> EnhMetaFile::Load(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return nullptr;
    return FromBytes(std::move(bytes));
}

std::unique_ptr<EnhMetaFile> EnhMetaFile::FromBytes(std::string bytes) {
    if (!LooksLikeEnhMetaFile(bytes)) return nullptr;
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* svg = nullptr;
    size_t svgLength = 0;
    const int ok = emf2svg(bytes.data(), bytes.size(), &svg, &svgLength, &options);
    if (!ok || !svg) {
        std::free(svg);
        return nullptr;
    }
    std::unique_ptr<EnhMetaFile> file(new EnhMetaFile);
    const bool valid = file->m_renderer.load(QByteArray(svg, static_cast<qsizetype>(svgLength)));
    std::free(svg);
    if (!valid || !file->m_renderer.isValid()) return nullptr;
    return file;
}

void EnhMetaFile::Draw(QPainter& painter, const QRectF& target) const {
    m_renderer.render(&painter, target);
}
