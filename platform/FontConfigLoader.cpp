// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FontConfigLoader.h"

#include "platform/DynamicLibrary.h"

FontConfigLoader::FontConfigLoader()
    : m_thread([] {
          // Already loaded with Qt's GUI library; opening it again only finds it.
          const DynamicLibrary fontconfig("libfontconfig.so.1");
          int (*init)() = nullptr;
          if (fontconfig.Resolve("FcInit", init)) init();
      }) {}

FontConfigLoader::~FontConfigLoader() { Wait(); }

void FontConfigLoader::Wait() {
    if (m_thread.joinable()) m_thread.join();
}
