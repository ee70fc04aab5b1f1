#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The window operations dialog code uses on its controls, in the terms of the Windows calls
// they stand for. Rectangles are in pixels; "screen" means global coordinates.

#include "platform/Colorref.h"
#include "platform/Rect.h"

class QPainter;
class QWidget;

// Removes the visible style: the control stays hidden when its dialog shows.
void HideWindow(QWidget* window);
// Hides the control and repaints what it covered before returning.
void HideWindowNow(QWidget* window);
void ShowWindow(QWidget* window);
void EnableWindow(QWidget* window, bool enable);

// The window's rectangle in screen coordinates (GetWindowRect).
Rect GetWindowRect(const QWidget* window);
// The client area, (0, 0) at its top left (GetClientRect).
Rect GetClientRect(const QWidget* window);
// Converts a screen rectangle to the client coordinates of `window` (ScreenToClient).
Rect ScreenToClient(const QWidget* window, const Rect& screenRect);

// Moves and sizes `window` (MoveWindow). A child's rectangle is in its parent's client
// coordinates; a top-level window's is its outer frame in screen coordinates. With `repaint`
// the window is painted again before the call returns.
void MoveWindow(QWidget* window, const Rect& rect, bool repaint = true);

// Invalidates, erases and paints the window at once (RedrawWindow with RDW_INVALIDATE,
// RDW_ERASE and RDW_UPDATENOW).
void RedrawWindowNow(QWidget* window);
void SetKeyboardFocus(QWidget* window);

// A solid fill while painting (FillSolidRect).
void FillSolidRect(QPainter& painter, const Rect& rect, COLORREF color);
