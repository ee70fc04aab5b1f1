// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/EscapeKeyTracker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

void Send(QWidget& target, QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(&target, &event);
}

TEST(EscapeKeyTrackerTest, FollowsEscapeOnAnyWidget_AndIgnoresOtherKeys) {
    EscapeKeyTracker tracker(qApp);
    QWidget first, second;
    EXPECT_FALSE(tracker.IsEscapeDown());
    Send(first, QEvent::KeyPress, Qt::Key_A);
    EXPECT_FALSE(tracker.IsEscapeDown());
    Send(first, QEvent::KeyPress, Qt::Key_Escape);
    EXPECT_TRUE(tracker.IsEscapeDown());
    // A held key repeats its release and press; it is still down in between.
    Send(first, QEvent::KeyRelease, Qt::Key_Escape, true);
    EXPECT_TRUE(tracker.IsEscapeDown());
    Send(second, QEvent::KeyRelease, Qt::Key_A);
    EXPECT_TRUE(tracker.IsEscapeDown());
    Send(second, QEvent::KeyRelease, Qt::Key_Escape);
    EXPECT_FALSE(tracker.IsEscapeDown());
}

}  // namespace
