#pragma once
// SPDX-License-Identifier: GPL-2.0-or-later
// Points the user's cache folder (XDG_CACHE_HOME) at `folder` for a test's length, then back
// where it was: the test programs keep their own cache, never the user's.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class CacheAt {
public:
    explicit CacheAt(const QString& folder) : m_before(qgetenv("XDG_CACHE_HOME")) {
        qputenv("XDG_CACHE_HOME", folder.toLocal8Bit());
    }
    ~CacheAt() { qputenv("XDG_CACHE_HOME", m_before); }
    CacheAt(const CacheAt&) = delete;
    CacheAt& operator=(const CacheAt&) = delete;

private:
    QByteArray m_before;
};
