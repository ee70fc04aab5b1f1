#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The settings file's font descriptions (LogFont) to and from the fonts Qt draws with.

#include "engine/LogFont.h"

#include <QFont>
#include <QString>

#include <optional>

// The face name up to its first zero byte (all 32 bytes when there is none).
QString FaceName(const LogFont& lf);
// Sets the face, cut to 31 bytes, and zeroes the rest of the field.
void SetFaceName(LogFont& lf, const QString& face);

// Builds the font `lf` names, with lfHeight taken as pixels: negative is the character height,
// positive the cell height (ascent plus descent), 0 keeps `base`'s size. An empty face keeps
// `base`'s family. Escapement and orientation are not drawn. Returns nothing for a
// description no font can be built from (weight outside 0..1000, or a height beyond
// LogFont::kMaxHeight).
std::optional<QFont> ToQFont(const LogFont& lf, const QFont& base);
// The description of `font` as the Windows font dialog reports it at `dpiY`.
LogFont LogFontFromQFont(const QFont& font, int dpiY);

// What the font dialog opens on for `lf`: the family and the style Qt draws it with, by their
// names (a font's regular style is not always called "Regular"), and the size in points that
// lfHeight's pixels make at `dpiY`. Nothing when ToQFont refuses `lf`.
std::optional<QFont> DialogFontFor(const LogFont& lf, const QFont& base, int dpiY);
// The record to keep after the font dialog, which opened on `opened` for `original`, was
// accepted on `chosen`: `original` itself when nothing was changed, since the dialog knows
// only whole points and a few of the record's fields; otherwise the dialog's description, with
// the original height while the size was left alone.
LogFont ChosenLogFont(const LogFont& original, const QFont& opened, const QFont& chosen, int dpiY);
