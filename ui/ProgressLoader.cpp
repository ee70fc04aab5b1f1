// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/ProgressLoader.h"

#include "platform/PosixProcess.h"

#include <QDir>
#include <QFile>

QString ProgressLoader::DefaultModulePath() {
    return QDir::cleanPath(QFile::decodeName(PosixProcess::ExecutableDir().c_str()) +
                           "/../" QUIBBIX_MODULE_DIR "/" + ProgressModule::kFileName);
}

ProgressLoader::ProgressLoader(QString modulePath) : m_library(modulePath) {}

QDialog* ProgressLoader::Create(QWidget* parent, const ProgressWindowInput& input, QString& error) {
    if (!m_create && !Open(error)) return nullptr;
    return m_create(parent, input);
}

bool ProgressLoader::Open(QString& error) {
    const QString path = m_library.fileName();
    if (!m_library.load()) {
        error = QStringLiteral("%1 could not be loaded (%2). Reinstalling Quibbix brings it back.")
                    .arg(path, m_library.errorString());
        return false;
    }
    auto version = reinterpret_cast<ProgressModule::VersionFunction>(
        m_library.resolve(ProgressModule::kVersionSymbol));
    auto create = reinterpret_cast<ProgressModule::CreateFunction>(
        m_library.resolve(ProgressModule::kCreateSymbol));
    if (!version || !create || version() != ProgressModule::kVersion) {
        // Its windows would not fit this program; it is left loaded, unused, since unloading
        // code of unknown make is no safer.
        error = QStringLiteral(
                    "%1 belongs to another version of Quibbix. Reinstalling Quibbix "
                    "puts the right one in its place.")
                    .arg(path);
        return false;
    }
    m_create = create;
    return true;
}
