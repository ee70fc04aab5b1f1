#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// A shared library opened at first use. Sound is rarely needed and its libraries are large,
// so they are not loaded when the program starts; a missing library means no sound.

#include <string>

class DynamicLibrary {
public:
    // Opens `soname` (e.g. "libsndfile.so.1").
    explicit DynamicLibrary(const std::string& soname);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Fills `function` with the symbol `name`; false when the library or symbol is missing.
    template <class F>
    bool Resolve(const char* name, F& function) const {
        function = reinterpret_cast<F>(Symbol(name));
        return function != nullptr;
    }

private:
    void* Symbol(const char* name) const;

    void* m_handle;
};
