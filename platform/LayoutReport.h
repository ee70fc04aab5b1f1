#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A diagnostic for tests and bug reports: with QUIBBIX_LAYOUT_REPORT=1 in the environment, a
// window reports where its controls are on the screen after every layout pass, to standard
// error, one line each:
//   quibbix-layout window <left> <top> <right> <bottom>        (the frame, screen coordinates)
//   quibbix-layout control <name> <visible 0|1> <left> <top> <right> <bottom>
//   quibbix-layout end
// Right and bottom are exclusive; <name> is the control's object name ("control_<id>"), else
// its accessible name. Without the variable nothing is written.

class QWidget;

void ReportControlRects(const QWidget* window);
