// SPDX-License-Identifier: GPL-2.0-or-later
#include "posix/DynamicLibrary.h"

#include <dlfcn.h>

DynamicLibrary::DynamicLibrary(const std::string& soname)
    : m_handle(dlopen(soname.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

DynamicLibrary::~DynamicLibrary() {
    if (m_handle) dlclose(m_handle);
}

void* DynamicLibrary::Symbol(const char* name) const {
    return m_handle ? dlsym(m_handle, name) : nullptr;
}
