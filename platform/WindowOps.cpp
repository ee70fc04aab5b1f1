// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/WindowOps.h"

#include <QPainter>
#include <QWidget>

void HideWindow(QWidget* window) { window->setVisible(false); }

void HideWindowNow(QWidget* window) {
    window->setVisible(false);
    if (QWidget* parent = window->parentWidget()) parent->repaint(window->geometry());
}

void ShowWindow(QWidget* window) { window->setVisible(true); }

void EnableWindow(QWidget* window, bool enable) { window->setEnabled(enable); }

Rect GetWindowRect(const QWidget* window) {
    if (window->isWindow()) return Rect::FromQRect(window->frameGeometry());
    return Rect::FromQRect(QRect(window->mapToGlobal(QPoint(0, 0)), window->size()));
}

Rect GetClientRect(const QWidget* window) { return {0, 0, window->width(), window->height()}; }

Rect ScreenToClient(const QWidget* window, const Rect& screenRect) {
    const QPoint topLeft = window->mapFromGlobal(QPoint(screenRect.left, screenRect.top));
    return {topLeft.x(), topLeft.y(), topLeft.x() + screenRect.Width(),
            topLeft.y() + screenRect.Height()};
}

void MoveWindow(QWidget* window, const Rect& rect, bool repaint) {
    if (window->isWindow()) {
        // Qt places a window by its frame but sizes it by its client area.
        const QSize frameExtra = window->frameGeometry().size() - window->geometry().size();
        window->move(rect.left, rect.top);
        window->resize(rect.Width() - frameExtra.width(), rect.Height() - frameExtra.height());
    } else {
        window->setGeometry(rect.ToQRect());
    }
    if (repaint) window->repaint();
}

void RedrawWindowNow(QWidget* window) { window->repaint(); }

void SetKeyboardFocus(QWidget* window) { window->setFocus(Qt::OtherFocusReason); }

void FillSolidRect(QPainter& painter, const Rect& rect, COLORREF color) {
    painter.fillRect(rect.ToQRect(), ColorFromColorref(color));
}
