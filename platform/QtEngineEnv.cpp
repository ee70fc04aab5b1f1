// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/QtEngineEnv.h"

#include "engine/Utf8.h"
#include "platform/MessageBoxes.h"
#include "platform/Win1252.h"

#include <time.h>

#include <cstdio>

#include "posix/PosixFileSystem.h"
#include "translations/Translations.h"

QtEngineEnv::QtEngineEnv(MessageBoxes& boxes) : m_boxes(boxes) {}

namespace {

bool g_toStandardError = false;

// The engine's message as the learner's language has it: its pieces come translated, in
// UTF-8, and so do the names between them; a message that is no UTF-8 is in Windows-1252.
QString Translated(const std::string& text) {
    std::u32string decoded;
    size_t bad = 0;
    return Utf8::Decode(text, decoded, bad) ? QString::fromStdString(text) : Win1252ToUnicode(text);
}

}  // namespace

void QtEngineEnv::SendMessagesToStandardError() { g_toStandardError = true; }

void QtEngineEnv::ShowMessage(const std::string& text, const std::string& caption, Icon icon) {
    if (g_toStandardError) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return;
    }
    const MessageBoxes::Icon shown =
        icon == Icon::Error ? MessageBoxes::Icon::Error : MessageBoxes::Icon::None;
    if (!Translations::Active()) {
        m_boxes.Show(nullptr, text, caption, MessageBoxes::Buttons::Ok, shown);
        return;
    }
    m_boxes.ShowUnicode(nullptr, Translated(text), Translated(caption), MessageBoxes::Buttons::Ok,
                        shown);
}

uint32_t QtEngineEnv::GetTickCount() { return GetTickCountMs(); }

FileSystem& QtEngineEnv::Files() { return m_files ? *m_files : PosixFileSystem::Instance(); }

int64_t QtEngineEnv::MonotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec);
}

uint32_t GetTickCountMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t ms =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(ms);
}
