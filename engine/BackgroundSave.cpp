// SPDX-License-Identifier: GPL-2.0-or-later
#include "engine/BackgroundSave.h"

void BackgroundSave::Start(FileSystem& files, std::vector<FileImage> images) {
    m_done = false;
    m_hasOutcome = false;
    m_thread = std::thread([this, &files, images = std::move(images)] {
        m_saved = ReplaceFiles(files, images, m_error);
        m_done = true;
    });
}

bool BackgroundSave::Finished(bool& saved, FileError& error) {
    if (m_thread.joinable() && m_done) Wait();
    if (!m_hasOutcome) return false;
    m_hasOutcome = false;
    saved = m_saved;
    error = m_error;
    return true;
}

void BackgroundSave::Wait() {
    if (!m_thread.joinable()) return;
    m_thread.join();
    m_hasOutcome = true;
}
