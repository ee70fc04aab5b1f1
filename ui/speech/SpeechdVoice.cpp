// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechdVoice.h"

#include "ui/speech/SpeechdEngine.h"

SpeechdVoice::SpeechdVoice(Events events) {
    m_thread.setObjectName(QStringLiteral("speech"));
    m_engine = new SpeechdEngine(std::move(events), m_home, m_latest);
    m_engine->moveToThread(&m_thread);
    // `started` is emitted on the new thread, so Start runs there, before its event loop
    // takes the first text.
    QObject::connect(
        &m_thread, &QThread::started, m_engine, [engine = m_engine] { engine->Start(); },
        Qt::DirectConnection);
    QObject::connect(&m_thread, &QThread::finished, m_engine, &QObject::deleteLater);
    m_thread.start();
}

SpeechdVoice::~SpeechdVoice() {
    m_thread.quit();
    m_thread.wait();
}

void SpeechdVoice::Say(const std::string& text, const std::string& language) {
    const int number = ++m_latest;
    QMetaObject::invokeMethod(
        m_engine,
        [engine = m_engine, number, text = QString::fromStdString(text),
         language = QString::fromStdString(language)] { engine->Say(number, text, language); },
        Qt::QueuedConnection);
}
