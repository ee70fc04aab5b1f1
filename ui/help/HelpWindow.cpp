// SPDX-License-Identifier: GPL-2.0-or-later
#include "ui/help/HelpWindow.h"

#include "platform/Resources.h"

#include <QAction>
#include <QFile>
#include <QGuiApplication>
#include <QKeySequence>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "translations/Translations.h"

namespace {

// The learner's language has its own page beside the English one.
QUrl HelpPage() {
    const QString language = Translations::Language();
    const QString translated = QStringLiteral(":/help/%1/help.html").arg(language);
    if (!language.isEmpty() && QFile::exists(translated))
        return QUrl(QLatin1String("qrc") + translated);
    return QUrl(QStringLiteral("qrc:/help/help.html"));
}
// Room for the key table and a paragraph in view at once, at the application font.
const QSize kPreferredSize(640, 560);

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    EnsureBuiltInResources();
    setWindowTitle(tr(kTitle));
    setObjectName(QStringLiteral("helpWindow"));
    setAccessibleName(tr(kTitle));
    // Not modal: the learner may read on while answering in the window it came from.
    setModal(false);
    auto* layout = new QVBoxLayout(this);
    auto* page = new QTextBrowser;
    page->setObjectName(QStringLiteral("helpPage"));
    page->setAccessibleName(tr(kTitle));
    // The page is ours and has no links out; a stray one must not start a browser.
    page->setOpenExternalLinks(false);
    page->setOpenLinks(false);
    // A caret for the keyboard, so that a screen reader can read the page line by line.
    page->setTextInteractionFlags(page->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    page->setSource(HelpPage());
    layout->addWidget(page);
    QSize size = kPreferredSize;
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 9 / 10);
    resize(size);
}

void HelpWindow::InstallShortcut(QWidget* window) {
    auto* action = new QAction(window);
    action->setShortcut(QKeySequence(Qt::Key_F1));
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    QObject::connect(action, &QAction::triggered, window, [window] { ShowFor(window); });
}

HelpWindow* HelpWindow::ShowFor(QWidget* window) {
    auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help) help = new HelpWindow(window);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
