// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/LibraryAudioOutput.h"

#include "posix/DynamicLibrary.h"

LibraryAudioOutput::LibraryAudioOutput(const char* soname) : m_soname(soname) {}

LibraryAudioOutput::~LibraryAudioOutput() = default;

bool LibraryAudioOutput::Play(const int16_t* samples, size_t frames, int sampleRate, int channels,
                              const std::atomic<bool>& stop) {
    // Sounds may come from several threads; the once flag also publishes what the first one
    // resolved to the others.
    std::call_once(m_loaded, [this] {
        m_library = std::make_unique<DynamicLibrary>(m_soname);
        m_isOpen = Resolve(*m_library);
    });
    if (!m_isOpen || sampleRate <= 0 || channels <= 0 || channels > 8) return false;
    return PlayOpened(samples, frames, sampleRate, channels, stop);
}
