// SPDX-License-Identifier: GPL-2.0-or-later
#include "emf/EmfToSvg.h"

#include <cstdlib>
#include <emf2svg.h>

#include "emf/EmfHeader.h"

bool ConvertEnhMetaFileToSvg(const std::string& emf, std::string& svg) {
    svg.clear();
    if (!LooksLikeEnhMetaFile(emf)) return false;
    // The library takes its input through a non-const pointer: it gets a copy of its own.
    std::string input = emf;
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    options.emfplus = true;
    options.svgDelimiter = true;
    char* out = nullptr;
    size_t outLength = 0;
    const int ok = emf2svg(input.data(), input.size(), &out, &outLength, &options);
    if (ok && out) svg.assign(out, outLength);
    std::free(out);
    return !svg.empty();
}
