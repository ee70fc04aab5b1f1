// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EscapeKeyTracker.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>

EscapeKeyTracker::EscapeKeyTracker(QObject* app) : m_app(app) { m_app->installEventFilter(this); }

EscapeKeyTracker::~EscapeKeyTracker() { m_app->removeEventFilter(this); }

bool EscapeKeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) m_isEscapeDown = true;
            break;
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && !key->isAutoRepeat()) m_isEscapeDown = false;
            break;
        }
        case QEvent::ApplicationStateChange:
            // A release made while another program has the keyboard never reaches us.
            if (QGuiApplication::applicationState() != Qt::ApplicationActive)
                m_isEscapeDown = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}
