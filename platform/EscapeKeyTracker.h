#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Follows the Escape key for the whole application from the key events Qt delivers, since
// Qt has no way to ask the keyboard directly. Install one per application.

#include "platform/KeyState.h"

#include <QObject>

class EscapeKeyTracker : public QObject, public KeyState {
public:
    // Filters every event of `app`, which must outlive the tracker.
    explicit EscapeKeyTracker(QObject* app);
    ~EscapeKeyTracker() override;

    bool IsEscapeDown() const override { return m_isEscapeDown; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QObject* m_app;
    bool m_isEscapeDown = false;
};
