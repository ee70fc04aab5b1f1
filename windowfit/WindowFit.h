#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Keeps a window, frame and all, within the part of its screen that panels leave free, at
// any scale: a window larger than that shrinks to it, and contents that cannot shrink so far
// scroll. Every window but the study window, which lays itself out for the whole work area,
// goes through here before it shows.

#include <QMargins>
#include <QSize>

class QScrollArea;
class QWidget;

// Before `window` shows: shrinks it to the available area of its screen less the frame the
// window manager is expected to add and, when its contents need more room than that, moves
// them into a scroll area that fills the window. The contents are the window's layout when
// it has one, else its child widgets at their places (a dialog built from a template). A
// maximized or full-screen window is left alone. Returns the scroll area made, or null.
QScrollArea* FitToScreen(QWidget& window);

// For a window without a layout that lays its children out for whatever size it is given,
// down to its minimum size: when that minimum is larger than its screen, the children move
// into a scroll area whose contents keep the minimum, and the window may shrink to the
// screen. Returns the scroll area made, or null.
QScrollArea* ScrollBelowMinimum(QWidget& window);

// The widget that holds the window's contents while they scroll, or null.
QWidget* ScrolledContents(const QWidget& window);

// Undoes FitToScreen or ScrollBelowMinimum for a window without a layout: its child widgets go back
// into it at their places, and `area` is deleted.
void Unscroll(QWidget& window, QScrollArea* area);

// The room for a window's client area within `available`, less the `frame` around it.
QSize RoomInside(const QSize& available, const QMargins& frame);
