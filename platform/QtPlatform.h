#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// The real platform services of the program, built once after the QApplication. Cheap to
// build: the sound system is contacted only when the first sound plays.

#include "platform/CommonDialogs.h"
#include "platform/EscapeKeyTracker.h"
#include "platform/FallbackAudioOutput.h"
#include "platform/LibraryAudioOutput.h"
#include "platform/MessageBoxes.h"
#include "platform/PlatformServices.h"
#include "platform/QtEngineEnv.h"
#include "platform/ScreenMetrics.h"
#include "platform/Sound.h"

class QApplication;

class QtPlatform {
public:
    // `app` must outlive this object.
    explicit QtPlatform(QApplication& app);
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    PlatformServices& Services() { return m_services; }
    EngineEnv& Engine() { return m_engineEnv; }
    // The files the engine reads and writes its session through; `files` must outlive this.
    void UseFiles(FileSystem& files) { m_engineEnv.SetFiles(files); }

private:
    QtMessageBoxes m_messageBoxes;
    QtScreenMetrics m_screen;
    EscapeKeyTracker m_keys;
    std::unique_ptr<AudioOutput> m_pulseAudio = LibraryAudioOutput::PulseAudio();
    std::unique_ptr<AudioOutput> m_alsaAudio = LibraryAudioOutput::Alsa();
    FallbackAudioOutput m_audio;
    Sound m_sound;
    QtEngineEnv m_engineEnv;
    QtCommonDialogs m_dialogs;
    PlatformServices m_services;
};
