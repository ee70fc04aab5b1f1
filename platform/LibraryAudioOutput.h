#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Plays through one of the desktop's sound libraries, opened when the first sound plays: the
// program starts without it, and a missing library only means no sound. Each library's calls
// live in a file of their own, behind the factory that makes its output.

#include "platform/AudioOutput.h"

#include <memory>
#include <mutex>

class DynamicLibrary;

class LibraryAudioOutput : public AudioOutput {
public:
    // PulseAudio's simple API, which PipeWire serves too (PulseAudioOutput.cpp).
    static std::unique_ptr<AudioOutput> PulseAudio();
    // ALSA's default device, for desktops without a sound server (AlsaAudioOutput.cpp).
    static std::unique_ptr<AudioOutput> Alsa();

    ~LibraryAudioOutput() override;
    LibraryAudioOutput(const LibraryAudioOutput&) = delete;
    LibraryAudioOutput& operator=(const LibraryAudioOutput&) = delete;

    bool Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
              const std::atomic<bool>& stop) final;

protected:
    // `soname` (e.g. "libasound.so.2") must outlive the object; a literal does.
    explicit LibraryAudioOutput(const char* soname);

    // Takes the functions it calls from the opened library; false when one is missing.
    virtual bool Resolve(const DynamicLibrary& library) = 0;
    // Play, once the library is open. Requires 1 to 8 channels and a positive rate.
    virtual bool PlayOpened(const int16_t* samples, size_t frames, int sampleRate, int channels,
                            const std::atomic<bool>& stop) = 0;

private:
    const char* m_soname;
    std::once_flag m_loaded;
    std::unique_ptr<DynamicLibrary> m_library;
    bool m_isOpen = false;
};
