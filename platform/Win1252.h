#pragma once
// The word list and the settings file hold Windows-1252 text; the screen wants Unicode. These
// are the only two places where the program crosses between them.

#include <QString>

#include <cstdint>
#include <string_view>

// The Unicode code point Windows gives the byte `byte`. The five bytes Windows-1252 leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) map to the C1 control codes of the same value, as
// MultiByteToWideChar does, so that every byte survives a round trip.
char32_t Win1252ToCodePoint(uint8_t byte);

QString Win1252ToUnicode(std::string_view bytes);

// The reverse; characters Windows-1252 cannot hold become '?'.
std::string UnicodeToWin1252(const QString& text);
