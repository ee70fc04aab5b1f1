// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontConfigLoader.h"

#include <clocale>
#include <cstdlib>

#include "posix/DynamicLibrary.h"

namespace {

void LoadFontConfig() {
    // Already loaded with Qt's GUI library; opening it again only finds it.
    const DynamicLibrary fontconfig("libfontconfig.so.1");
    int (*init)() = nullptr;
    if (fontconfig.Resolve("FcInit", init)) init();
}

}  // namespace

FontConfigLoader::FontConfigLoader() {
    // The library reads the locale and the environment as it loads, and Qt changes both as it
    // starts. The locale is set first to what Qt sets it to, so that Qt's setting it changes
    // nothing under the thread. A launcher's start-up id Qt takes out of the environment, which
    // moves the variables a reader may be stepping through: with one there, the configuration
    // is loaded as Qt would, on the main thread.
    std::setlocale(LC_ALL, "");
    if (std::getenv("DESKTOP_STARTUP_ID")) return;
    m_thread = std::thread(LoadFontConfig);
}

FontConfigLoader::~FontConfigLoader() { Wait(); }

void FontConfigLoader::Wait() {
    if (m_thread.joinable()) m_thread.join();
}
