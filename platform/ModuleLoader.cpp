// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/ModuleLoader.h"

#include <QDir>
#include <QFile>

#include "posix/PosixProcess.h"

QString ModuleLoader::PathOf(const char* fileName) {
    return QDir::cleanPath(QFile::decodeName(PosixProcess::BinDir().c_str()) +
                           "/../" QUIBBIX_MODULE_DIR "/" + fileName);
}

QFunctionPointer ModuleLoader::Entry(const char* versionSymbol, int version, const char* symbol,
                                     QString& error) {
    const QString path = m_library.fileName();
    if (!m_library.isLoaded() && !m_library.load()) {
        error = tr("%1 could not be loaded (%2). Reinstalling Quibbix brings it back.")
                    .arg(path, m_library.errorString());
        return nullptr;
    }
    auto versionOf = reinterpret_cast<int (*)()>(m_library.resolve(versionSymbol));
    const QFunctionPointer entry = m_library.resolve(symbol);
    if (!versionOf || !entry || versionOf() != version) {
        // Its windows would not fit this program; it is left loaded, unused, since unloading
        // code of unknown make is no safer.
        error = tr("%1 belongs to another version of Quibbix. Reinstalling Quibbix "
                   "puts the right one in its place.")
                    .arg(path);
        return nullptr;
    }
    return entry;
}
