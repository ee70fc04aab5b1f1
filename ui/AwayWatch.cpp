// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/AwayWatch.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QEvent>
#include <QSettings>
#include <QStandardPaths>

namespace {

// How often the desktop is asked, in ticks: a lock shows within seconds, at no cost.
constexpr int kAskEveryTicks = 5;
// A setting past a day is a mistake; it reads as the default.
constexpr int kMaxAwaySeconds = 24 * 3600;

bool IsInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::TouchBegin:
        case QEvent::TabletPress:
            return true;
        default:
            return false;
    }
}

}  // namespace

AwayWatch::AwayWatch(std::function<void()> onInput, const QString& settingsFile)
    : m_onInput(std::move(onInput)) {
    // Keys under [General] are at the top of an INI file as QSettings reads it.
    QSettings settings(settingsFile.isEmpty() ? DefaultSettingsFile() : settingsFile,
                       QSettings::IniFormat);
    bool isNumber = false;
    const int seconds = settings.value(QStringLiteral("away-seconds")).toInt(&isNumber);
    if (isNumber && seconds >= 0 && seconds <= kMaxAwaySeconds) m_awaySeconds = seconds;
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

AwayWatch::~AwayWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

QString AwayWatch::DefaultSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/quibbix/quibbix.ini");
}

bool AwayWatch::eventFilter(QObject* watched, QEvent* event) {
    // Spontaneous only: what the window itself posts is no sign of the learner.
    if (event->spontaneous() && IsInput(event->type())) NoteInput();
    return QObject::eventFilter(watched, event);
}

void AwayWatch::NoteInput() {
    m_ticksSinceInput = 0;
    ++m_inputs;
    // Whoever types is at an unlocked desktop; the next question says again if not.
    m_isDesktopIdle = m_screenSaverActive = m_sessionIdle = m_sessionLocked = false;
    if (m_onInput) m_onInput();
}

void AwayWatch::Tick() {
    if (!IsOn()) return;
    if (m_ticksSinceInput < m_awaySeconds) ++m_ticksSinceInput;
    if (++m_ticks % kAskEveryTicks == 0) AskDesktop();
}

bool AwayWatch::IsAway() const {
    return IsOn() && (m_ticksSinceInput >= m_awaySeconds || m_isDesktopIdle);
}

// Asked without waiting: a bus that is slow or absent never holds up the window.
void AwayWatch::AskDesktop() {
    if (m_isAsking) return;
    m_isAsking = true;
    const unsigned asked = m_inputs;
    const auto ask = [this, asked](QDBusConnection bus, QDBusMessage message, bool* answer) {
        if (!bus.isConnected()) return;
        auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(message, 2000), this);
        connect(watcher, &QDBusPendingCallWatcher::finished, this,
                [this, answer, asked](QDBusPendingCallWatcher* call) {
                    const QDBusMessage reply = call->reply();
                    // An answer asked before the last input may tell of a lock since undone.
                    if (asked == m_inputs && reply.type() == QDBusMessage::ReplyMessage &&
                        !reply.arguments().isEmpty()) {
                        QVariant value = reply.arguments().first();
                        if (value.canConvert<QDBusVariant>())
                            value = value.value<QDBusVariant>().variant();
                        *answer = value.toBool();
                    }
                    m_isDesktopIdle = m_screenSaverActive || m_sessionIdle || m_sessionLocked;
                    m_isAsking = false;
                    call->deleteLater();
                });
    };
    ask(QDBusConnection::sessionBus(),
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.ScreenSaver"),
                                       QStringLiteral("/org/freedesktop/ScreenSaver"),
                                       QStringLiteral("org.freedesktop.ScreenSaver"),
                                       QStringLiteral("GetActive")),
        &m_screenSaverActive);
    for (const auto& [property, answer] :
         {std::pair{QStringLiteral("IdleHint"), &m_sessionIdle},
          std::pair{QStringLiteral("LockedHint"), &m_sessionLocked}}) {
        QDBusMessage get = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.login1"),
            QStringLiteral("/org/freedesktop/login1/session/auto"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.freedesktop.login1.Session") << property;
        ask(QDBusConnection::systemBus(), get, answer);
    }
    // No bus at all: nothing asked, nothing waited for.
    if (!QDBusConnection::sessionBus().isConnected() && !QDBusConnection::systemBus().isConnected())
        m_isAsking = false;
}
