// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/ProgressLoader.h"

QString ProgressLoader::DefaultModulePath() {
    return ModuleLoader::PathOf(ProgressModule::kFileName);
}

ProgressLoader::ProgressLoader(QString modulePath) : m_module(modulePath) {}

QDialog* ProgressLoader::Create(QWidget* parent, const ProgressWindowInput& input, QString& error) {
    if (!m_create)
        m_create = reinterpret_cast<ProgressModule::CreateFunction>(
            m_module.Entry(ProgressModule::kVersionSymbol, ProgressModule::kVersion,
                           ProgressModule::kCreateSymbol, error));
    return m_create ? m_create(parent, input) : nullptr;
}
