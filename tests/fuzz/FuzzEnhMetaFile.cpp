// SPDX-License-Identifier: GPL-2.0-or-later
// A metafile of any bytes in list/ goes the way the window's frame strips go: converted in
// quibbix-emf2svg, which may well crash on it (that costs the picture only), and what it gives
// drawn into a small picture. Nothing here may crash, hang or leak.

#include "platform/EnhMetaFile.h"
#include "tests/fuzz/FuzzPictureApp.h"
#include "tests/fuzz/FuzzWorkspace.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>

namespace {

// The helper of this build, beside the target. No cache: every input converts. Well under
// the second the fuzzing script allows one input.
const MetaFileConverter& Converter() {
    static const MetaFileConverter converter(
        (QCoreApplication::applicationDirPath() + QStringLiteral("/quibbix-emf2svg")).toStdString(),
        std::string(), 500);
    return converter;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    EnterFuzzWorkspace();
    StartPictureApp();
    // The helper is built with the sanitizers too; the library's leaks are no finding here,
    // and a helper that exits on them would never hand over a picture to draw.
    const char* options = std::getenv("ASAN_OPTIONS");
    setenv("ASAN_OPTIONS", (std::string(options ? options : "") + ":detect_leaks=0").c_str(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    PutFile("list/2Collar_V.emf", std::string_view(reinterpret_cast<const char*>(data), size));
    const auto picture = EnhMetaFile::Load("list/2Collar_V.emf", Converter());
    if (!picture) return 0;
    QImage image(24, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->Draw(painter, QRectF(0, 0, 24, 16));
    return 0;
}
