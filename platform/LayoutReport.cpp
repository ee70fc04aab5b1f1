// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/LayoutReport.h"

#include "platform/WindowOps.h"

#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "windowfit/WindowFit.h"

namespace {

bool IsWanted() {
    static const bool wanted = [] {
        const char* value = std::getenv("QUIBBIX_LAYOUT_REPORT");
        return value && std::strcmp(value, "1") == 0;
    }();
    return wanted;
}

void PrintRect(const Rect& r) {
    std::fprintf(stderr, " %d %d %d %d\n", r.left, r.top, r.right, r.bottom);
}

}  // namespace

void ReportControlRects(const QWidget* window) {
    if (!IsWanted() || !window) return;
    std::fprintf(stderr, "quibbix-layout window");
    PrintRect(GetWindowRect(window));
    // Controls that scroll are reported where they are, in or out of view.
    const QWidget* scrolled = ScrolledContents(*window);
    for (const QWidget* control :
         (scrolled ? scrolled : window)
             ->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isWindow()) continue;
        QString name = control->objectName();
        if (name.isEmpty()) name = control->accessibleName();
        if (name.isEmpty()) continue;
        name.replace(QLatin1Char(' '), QLatin1Char('_'));
        std::fprintf(stderr, "quibbix-layout control %s %d", name.toUtf8().constData(),
                     control->isVisibleTo(window) ? 1 : 0);
        PrintRect(GetWindowRect(control));
    }
    std::fprintf(stderr, "quibbix-layout end\n");
    std::fflush(stderr);
}
