// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/QtPlatform.h"

#include <QApplication>

QtPlatform::QtPlatform(QApplication& app)
    : m_keys(&app),
      m_audio({m_pulseAudio.get(), m_alsaAudio.get()}),
      m_sound(m_audio),
      m_engineEnv(m_messageBoxes),
      m_services{m_messageBoxes, m_screen, m_keys, m_sound, m_dialogs} {}
