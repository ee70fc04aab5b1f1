#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Turns an enhanced metafile (a Windows vector picture) into SVG text with libemf2svg, in the
// calling process. The library trusts its input, and when it draws text it may shut fontconfig
// down under the feet of anyone else using it, Qt included: the program calls this only in
// quibbix-emf2svg, a process of its own (see MetaFileConverter.h). Needs no Qt.

#include <string>

// Returns false, leaving `svg` empty, when `emf` is not a metafile that converts.
bool ConvertEnhMetaFileToSvg(const std::string& emf, std::string& svg);
