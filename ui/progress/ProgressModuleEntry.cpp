// SPDX-License-Identifier: GPL-2.0-or-later
// The progress module's two entry points, with C names so that the program finds them with
// QLibrary::resolve.
#include "ui/progress/ProgressModule.h"
#include "ui/progress/ProgressWindow.h"

extern "C" Q_DECL_EXPORT int QuibbixProgressModuleVersion() { return ProgressModule::kVersion; }

extern "C" Q_DECL_EXPORT QDialog* QuibbixCreateProgressWindow(QWidget* parent,
                                                              const ProgressWindowInput& input) {
    return new ProgressWindow(parent, input);
}

// The program resolves the entry points by these types; a mismatch must not compile.
static_assert(
    std::is_same_v<decltype(&QuibbixProgressModuleVersion), ProgressModule::VersionFunction>);
static_assert(
    std::is_same_v<decltype(&QuibbixCreateProgressWindow), ProgressModule::CreateFunction>);
