// SPDX-License-Identifier: GPL-2.0-or-later
#include "imports/CardMedia.h"

#include "imports/TextTidy.h"

namespace MediaKind {

std::string ExtensionOf(std::string_view fileName) {
    const size_t slash = fileName.find_last_of('/');
    if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
    const size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string extension = TextTidy::Lower(std::string(fileName.substr(dot + 1)));
    if (extension == "jpeg" || extension == "jpe") return "jpg";
    if (extension == "oga") return "ogg";
    return extension;
}

bool IsPicture(std::string_view extension) {
    for (const char* known : {"png", "jpg", "gif", "svg", "webp", "bmp"})
        if (extension == known) return true;
    return false;
}

bool IsSound(std::string_view extension) {
    for (const char* known : {"wav", "flac", "ogg", "opus", "mp3"})
        if (extension == known) return true;
    return false;
}

}  // namespace MediaKind
