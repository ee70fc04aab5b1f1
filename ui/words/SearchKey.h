#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Text folded for a search that ignores case and accents in any script: "Élan", "elan" and
// "ÉLAN" fold alike, as do "Ωμέγα" and "ωμεγα". A word list holds tens of thousands of texts,
// so they are folded once, and each keystroke folds only what was typed.

#include <QString>

class SearchKey {
public:
    // Compatibility decomposition (which also unties ligatures and full-width letters), the
    // non-spacing marks dropped, then case folding.
    static QString Fold(const QString& text);
};
