// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Win1252.h"

#include "engine/Cp1252.h"

QString Win1252ToUnicode(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    // Every character of the code page lies in the Basic Multilingual Plane.
    for (char c : bytes)
        text.append(QChar(static_cast<char16_t>(Cp1252::Decode(static_cast<unsigned char>(c)))));
    return text;
}

std::string UnicodeToWin1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (QChar ch : text) {
        unsigned char byte = '?';
        if (!Cp1252::Encode(ch.unicode(), byte)) byte = '?';
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}
