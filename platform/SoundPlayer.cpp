// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/SoundPlayer.h"

#include "platform/AudioOutput.h"

#include <utility>

SoundPlayer::SoundPlayer(AudioOutput& output) : m_output(output) {}

SoundPlayer::~SoundPlayer() {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_quit = true;
        m_next.reset();
        m_stop = true;
    }
    m_wake.notify_one();
    if (m_thread.joinable()) m_thread.join();
}

bool SoundPlayer::Start(std::vector<PcmSound> sounds) {
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_next || (m_playing && !m_stop)) return false;
        // After a stop the old run may still be leaving the output; this one follows it.
        m_next = std::move(sounds);
        if (!m_thread.joinable()) m_thread = std::thread([this] { Run(); });
    }
    m_wake.notify_one();
    return true;
}

void SoundPlayer::Stop() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_next.reset();
    if (m_playing) m_stop = true;
}

bool SoundPlayer::IsPlaying() const {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_next || (m_playing && !m_stop);
}

void SoundPlayer::Run() {
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_quit || m_next; });
        if (m_quit) return;
        const std::vector<PcmSound> sounds = std::move(*m_next);
        m_next.reset();
        m_playing = true;
        m_stop = false;
        lock.unlock();
        PlayRun(sounds);
        lock.lock();
        m_playing = false;
    }
}

void SoundPlayer::PlayRun(const std::vector<PcmSound>& sounds) {
    for (const PcmSound& sound : sounds) {
        if (m_stop) return;
        m_output.Play(sound.samples.data(), sound.Frames(), sound.sampleRate, sound.channels,
                      m_stop);
    }
}
