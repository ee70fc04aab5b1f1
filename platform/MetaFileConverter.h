#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Converts enhanced metafiles to SVG text in quibbix-emf2svg, a short-lived process of its own,
// under a time limit and limits on its processor time and memory. The conversion library
// crashes on damaged files and tears down fontconfig under Qt's feet when it draws text; a
// picture that crashes or hangs it must cost that picture only, never the start of the
// program. What each metafile gave is kept in a cache directory, so a start with pictures
// converted before runs no process.

#include <map>
#include <set>
#include <string>

class MetaFileConverter {
public:
    static constexpr int kDefaultTimeoutMs = 2000;

    // `helper` is the converting program; `cacheDir` keeps one file per metafile, keyed by its
    // bytes and by the helper's size and time, so that a new build of the helper converts
    // again. An empty `cacheDir` keeps nothing.
    MetaFileConverter(std::string helper, std::string cacheDir, int timeoutMs = kDefaultTimeoutMs);

    // The program's own: quibbix-emf2svg where PosixProcess::HelperProgram finds it, the cache in
    // $XDG_CACHE_HOME/quibbix/metafiles. Requires a QCoreApplication.
    static const MetaFileConverter& Default();

    // The SVG text of `emf`; empty when it is not a metafile that converts, when the helper
    // fails on it, runs out of time or cannot be started. For one thread at a time.
    std::string ToSvg(const std::string& emf) const;

private:
    enum class Outcome { Converted, Refused, TimedOut, NotStarted };
    Outcome RunHelper(const std::string& emf, std::string& svg) const;

    std::string m_helper;
    std::string m_cacheDir;
    int m_timeoutMs;
    // Keys of the metafiles that ran out of time in this process: not kept on disk, where a
    // busy machine's slowness would outlive the moment, but not tried again either.
    mutable std::set<std::string> m_timedOut;
    // Metafiles converted, or read from the cache, in this process, by their bytes: the window
    // shows each frame on several strips, and the hash that keys the cache costs more than
    // reading the picture.
    mutable std::map<std::string, std::string> m_converted;
};
