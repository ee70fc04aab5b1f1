#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The platform's common font and colour dialogs, behind an interface so that tests can give
// the answers a user would.

#include "engine/LogFont.h"
#include "platform/Colorref.h"

class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // Screen fonts with effects: face, style, size, underline, strike-out and a text colour,
    // starting from `font` and `color`. On OK true is returned and each is replaced by the
    // choice, or left byte for byte as it came when the user did not change it; a new height
    // comes back as the negative character height in screen pixels.
    virtual bool ChooseFont(LogFont& font, COLORREF& color) = 0;
    // The colour dialog with no colour preselected. On OK `color` is the plain RGB chosen
    // (high byte 0x00) and true is returned.
    virtual bool ChooseColor(COLORREF& color) = 0;
};

class QtCommonDialogs : public CommonDialogs {
public:
    bool ChooseFont(LogFont& font, COLORREF& color) override;
    bool ChooseColor(COLORREF& color) override;
};
