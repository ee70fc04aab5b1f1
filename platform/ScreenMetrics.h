#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Where the main window may go: the part of the screen that panels and docks leave free,
// and the placement of a window there.

#include "platform/Rect.h"

class QWidget;

class ScreenMetrics {
public:
    virtual ~ScreenMetrics() = default;
    // The work area in screen coordinates: the screen less the edges panels reserve.
    virtual Rect WorkArea() const = 0;
    // Before `window` shows: makes it, frame and all, fill the work area.
    virtual void FillWorkArea(QWidget& window) const = 0;
};

// The primary screen, whose available geometry the platform reads from the window manager's
// work area (and keeps up to date as panels come and go).
class QtScreenMetrics : public ScreenMetrics {
public:
    Rect WorkArea() const override;
    // Maximized, so that the window manager, which alone knows the frame it adds, fits
    // frame and client into the work area and keeps them there as panels come and go.
    // Without a window manager the client itself covers the work area.
    void FillWorkArea(QWidget& window) const override;
};
