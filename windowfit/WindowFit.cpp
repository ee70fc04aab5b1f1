// SPDX-License-Identifier: GPL-2.0-or-later
#include "windowfit/WindowFit.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// Before a window first shows nobody knows the frame the window manager will give it; the
// frames of the program's other windows are the best guess, as QDialog's own placement
// assumes. Each side gets at least a little, so that a guess from a maximized window, which
// has neither side borders nor a handle at the bottom, still leaves room for a dialog's.
constexpr QMargins kLeastFrame(6, 16, 6, 10);
// With no other window to go by: a title bar and thin borders.
constexpr QMargins kGuessedFrame(4, 32, 4, 4);
constexpr char kAreaName[] = "fitScrollArea";

QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QMargins AtLeast(const QMargins& a, const QMargins& b) {
    return {std::max(a.left(), b.left()), std::max(a.top(), b.top()),
            std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())};
}

QMargins ExpectedFrame(const QWidget& window) {
    std::vector<const QWidget*> others;
    if (const QWidget* parent = window.parentWidget()) others.push_back(parent->window());
    for (const QWidget* top : QApplication::topLevelWidgets()) others.push_back(top);
    for (const QWidget* other : others) {
        if (other == &window || !other->isVisible()) continue;
        const QMargins frame = FrameOf(*other);
        if (!frame.isNull()) return AtLeast(frame, kLeastFrame);
    }
    return kGuessedFrame;
}

// Before it shows, a window without a parent is on the screen where it was put, if it was.
const QScreen* ScreenFor(const QWidget& window) {
    if (const QWidget* parent = window.parentWidget()) return parent->window()->screen();
    if (window.testAttribute(Qt::WA_Moved)) {
        if (const QScreen* screen = QGuiApplication::screenAt(window.geometry().center()))
            return screen;
    }
    return window.screen();
}

// setParent hides a widget; one that was not hidden on purpose shows again with its window.
void MoveInto(QWidget* child, QWidget* parent) {
    const bool hidden = child->testAttribute(Qt::WA_WState_ExplicitShowHide) && child->isHidden();
    const QRect place = child->geometry();
    child->setParent(parent);
    child->setGeometry(place);
    if (!hidden) child->show();
}

std::vector<QWidget*> ChildWidgets(const QWidget& parent) {
    std::vector<QWidget*> children;
    for (QWidget* child : parent.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isWindow()) children.push_back(child);
    return children;
}

// Once a window shows, the window manager says what frame it gave it; where the guess was
// short and the frame runs off the screen, the window shrinks and moves back onto it. It
// only ever shrinks, so the window manager's answers cannot set it going back and forth.
constexpr const char* kKeptOnScreen = "quibbixKeptOnScreen";

class KeepOnScreen : public QObject {
public:
    explicit KeepOnScreen(QWidget& window) : QObject(&window), m_window(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (watched != &m_window) return false;
        if (type == QEvent::Show) {
            // Some window managers tell the frame only a while after the window maps.
            QTimer::singleShot(kFrameLateMs, this, [this] { Check(); });
        }
        if (!m_pending &&
            (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
            m_pending = true;
            QTimer::singleShot(0, this, [this] {
                m_pending = false;
                Check();
            });
        }
        return false;
    }

private:
    static constexpr int kFrameLateMs = 300;

    void Check() {
        if (!m_window.isVisible() || !m_window.screen() ||
            (m_window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
            return;
        const QRect area = m_window.screen()->availableGeometry();
        if (area.contains(m_window.frameGeometry())) return;
        const QMargins frame = FrameOf(m_window);
        const QSize client = m_window.size().boundedTo(RoomInside(area.size(), frame));
        if (client != m_window.size()) m_window.resize(client);
        const QSize outer = client.grownBy(frame);
        const QPoint at = m_window.frameGeometry().topLeft();
        const QPoint inside(std::clamp(at.x(), area.left(), area.right() + 1 - outer.width()),
                            std::clamp(at.y(), area.top(), area.bottom() + 1 - outer.height()));
        if (inside != at) m_window.move(inside);
    }

    QWidget& m_window;
    bool m_pending = false;
};

QScrollArea* Scroll(QWidget& window, const QSize& contentSize) {
    QWidget* focus = window.focusWidget();
    // Made inside the window from the start, so that moving the contents keeps them in it
    // and keeps the focus where it was.
    auto* area = new QScrollArea(&window);
    area->setObjectName(QString::fromLatin1(kAreaName));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("fitContent"));
    area->setWidget(content);
    // The window's own surface shows through, as it did behind its controls.
    content->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
    if (QLayout* layout = window.layout()) {
        // Takes the layout from the window, and its widgets with it.
        content->setLayout(layout);
    } else {
        for (QWidget* child : ChildWidgets(window))
            if (child != area) MoveInto(child, content);
        content->setMinimumSize(contentSize);
    }
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(area);
    // Whatever takes the keyboard comes into view, by Tab, by its access key or by a click.
    QObject::connect(qApp, &QApplication::focusChanged, area, [area](QWidget*, QWidget* now) {
        if (now && area->widget() && area->widget()->isAncestorOf(now))
            area->ensureWidgetVisible(now);
    });
    if (focus) focus->setFocus();
    return area;
}

QSize RoomFor(const QWidget& window) {
    const QScreen* screen = ScreenFor(window);
    return screen ? RoomInside(screen->availableGeometry().size(), ExpectedFrame(window)) : QSize();
}

}  // namespace

QSize RoomInside(const QSize& available, const QMargins& frame) {
    return available.shrunkBy(frame).expandedTo(QSize(1, 1));
}

QScrollArea* FitToScreen(QWidget& window) {
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return nullptr;
    const QSize room = RoomFor(window);
    if (room.isEmpty()) return nullptr;
    const QSize wanted = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
    // A window laid out by a layout can shrink to its layout's minimum; one whose children
    // sit at fixed places needs all of its size.
    const QSize needed =
        window.layout() ? window.minimumSizeHint().expandedTo(window.minimumSize()) : window.size();
    QSize size = wanted;
    QScrollArea* area = nullptr;
    if (needed.width() > room.width() || needed.height() > room.height()) {
        area = Scroll(window, needed);
        // Room for the scroll bar beside the contents, or it would cover them and bring the
        // other scroll bar too.
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, area);
        if (needed.height() > room.height())
            size.setWidth(std::max(size.width(), needed.width() + bar));
        if (needed.width() > room.width())
            size.setHeight(std::max(size.height(), needed.height() + bar));
    }
    window.setMinimumSize(window.minimumSize().boundedTo(room));
    window.resize(size.boundedTo(room));
    // A mark rather than findChild: without a meta-object of its own, a KeepOnScreen cannot be
    // told from any other child.
    if (!window.property(kKeptOnScreen).toBool()) {
        window.setProperty(kKeptOnScreen, true);
        new KeepOnScreen(window);
    }
    return area;
}

QScrollArea* ScrollBelowMinimum(QWidget& window) {
    const QSize room = RoomFor(window);
    const QSize least = window.minimumSize();
    if (window.layout() || room.isEmpty() ||
        (least.width() <= room.width() && least.height() <= room.height()))
        return nullptr;
    QScrollArea* area = Scroll(window, least);
    // The size it was given was held up by the minimum; now it can have what it asked for.
    window.setMinimumSize(0, 0);
    const Qt::WindowStates state = window.windowState();
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) {
        window.setGeometry(ScreenFor(window)->availableGeometry());
        window.setWindowState(state);
    } else {
        window.resize(window.size().boundedTo(room));
    }
    return area;
}

QWidget* ScrolledContents(const QWidget& window) {
    const auto* area =
        window.findChild<QScrollArea*>(QString::fromLatin1(kAreaName), Qt::FindDirectChildrenOnly);
    return area ? area->widget() : nullptr;
}

void Unscroll(QWidget& window, QScrollArea* area) {
    if (!area) return;
    if (QWidget* content = area->widget())
        for (QWidget* child : ChildWidgets(*content)) MoveInto(child, &window);
    delete window.layout();
    delete area;
}
