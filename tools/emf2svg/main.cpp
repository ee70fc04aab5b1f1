// SPDX-License-Identifier: GPL-2.0-or-later
// quibbix-emf2svg: reads an enhanced metafile on standard input and writes it as SVG on
// standard output; exits 1, writing nothing, when it is not a metafile that converts. The
// program runs it for every metafile it has not seen before, so that whatever the conversion
// does to a damaged file happens here and not in the window (see platform/MetaFileConverter.h).

#include <iostream>
#include <iterator>
#include <string>

#include "emf/EmfToSvg.h"

int main() {
    std::ios::sync_with_stdio(false);
    const std::string emf{std::istreambuf_iterator<char>(std::cin),
                          std::istreambuf_iterator<char>()};
    std::string svg;
    if (!ConvertEnhMetaFileToSvg(emf, svg)) return 1;
    std::cout.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    std::cout.flush();
    return std::cout ? 0 : 1;
}
