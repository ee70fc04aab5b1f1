// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the resource's initialiser where it is used, so it must be used
// outside any namespace, the anonymous one included.
static void InitQuibbixResources() { Q_INIT_RESOURCE(quibbix); }

void EnsureBuiltInResources() {
    static const bool initialised = (InitQuibbixResources(), true);
    (void)initialised;
}
