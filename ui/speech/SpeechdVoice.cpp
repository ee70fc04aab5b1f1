// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/speech/SpeechdVoice.h"

#include "ui/speech/SpeechdEngine.h"

SpeechdVoice::SpeechdVoice(Events events) : m_shared(new Shared) {
    QThread& thread = m_shared->thread;
    thread.setObjectName(QStringLiteral("speech"));
    m_engine = new SpeechdEngine(std::move(events), m_shared->home, m_shared->latest);
    m_engine->moveToThread(&thread);
    // `started` is emitted on the new thread, so Start runs there, before its event loop
    // takes the first text.
    QObject::connect(
        &thread, &QThread::started, m_engine, [engine = m_engine] { engine->Start(); },
        Qt::DirectConnection);
    QObject::connect(&thread, &QThread::finished, m_engine, &QObject::deleteLater);
    thread.start();
}

SpeechdVoice::~SpeechdVoice() {
    m_shared->thread.quit();
    if (!m_shared->thread.wait(kEndWaitMs)) {
        // Deleting a running thread aborts the program, so it is left with what it uses;
        // what it still reports finds the window gone (Pronouncer's callbacks check).
        return;
    }
    delete m_shared;
}

void SpeechdVoice::Say(const std::string& text, const std::string& language) {
    const int number = ++m_shared->latest;
    QMetaObject::invokeMethod(
        m_engine,
        [engine = m_engine, number, text = QString::fromStdString(text),
         language = QString::fromStdString(language)] { engine->Say(number, text, language); },
        Qt::QueuedConnection);
}
